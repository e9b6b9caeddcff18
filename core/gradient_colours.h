// The gradient maker's colours: kept for the whole run (not in the settings file), so that
// every opening starts from the colours last chosen.
#pragma once

#include "core/app_state.h"

#include <cstdint>

namespace typecask {

struct GradientColours
{
    std::int32_t start = 0;  // 0x00BBGGRR
    std::int32_t middle = 0; // used only with useMiddle
    std::int32_t end = 0;
    bool useMiddle = false; // Check1: a three-colour gradient
    // The first opener of the run has set the start colour.
    bool startSet = false;
};

// The first opening of the run sets the start colour: black for HTML, the preview's text
// colour for RTF. Later openings keep whatever was chosen.
inline void setGradientStartOnce(GradientColours& colours, CopyFormat format, std::int32_t previewTextColour)
{
    if (colours.startSet)
        return;
    colours.start = format == CopyFormat::Rtf ? previewTextColour : 0;
    colours.startSet = true;
}

} // namespace typecask
