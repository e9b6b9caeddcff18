// Asking the user for a colour: every window that needs one goes through PickColor.
#pragma once

#include <cstdint>

class QWidget;

namespace typecask {

struct AppContext;

enum class PickMode { TextColour, BackColour };

// Shows the colour picker modal over parent, starting from the given colours
// (0x00BBGGRR); returns the chosen colour, or -1 when the user cancelled.
std::int32_t PickColor(AppContext& context, QWidget* parent, PickMode mode, std::int32_t textColour,
                       std::int32_t backColour);

} // namespace typecask
