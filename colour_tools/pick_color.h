// Asking the user for a colour: every window that needs one goes through PickColor.
#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace typecask {

class Clipboard;
class RandomSource;
class Session;
class StackingHost;

enum class PickMode { TextColour, BackColour };

// What a colour window reaches beyond itself.
struct ColourWindowLinks
{
    // Releases an always-in-front main window; without one the window keeps itself in front.
    StackingHost* stacking = nullptr;
    // The open floating sample window follows the text colour being picked.
    std::function<void(std::int32_t colour)> floatingPreview;
};

// Shows the colour picker modal over parent, starting from the given colours
// (0x00BBGGRR); returns the chosen colour, or -1 when the user cancelled.
std::int32_t PickColor(Session& session, Clipboard& clipboard, RandomSource& random,
                       const ColourWindowLinks& links, QWidget* parent, PickMode mode,
                       std::int32_t textColour, std::int32_t backColour);

} // namespace typecask
