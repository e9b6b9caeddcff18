// Asking the user for a colour: every window that needs one goes through PickColor.
#pragma once

#include <cstdint>

class QWidget;

namespace typecask {

class Clipboard;
class RandomSource;
class Session;
class ToolWindowHost;

enum class PickMode { TextColour, BackColour };

// Shows the colour picker modal over parent, starting from the given colours
// (0x00BBGGRR); returns the chosen colour, or -1 when the user cancelled. host (may be null)
// releases an always-in-front main window (without one the picker keeps itself in front) and
// has the open floating sample window follow the text colour being picked.
std::int32_t PickColor(Session& session, Clipboard& clipboard, RandomSource& random, ToolWindowHost* host,
                       QWidget* parent, PickMode mode, std::int32_t textColour, std::int32_t backColour);

} // namespace typecask
