// One sample as the preview shows it: what every copy, drag and maker turns into RTF or HTML.
#pragma once

#include <QString>
#include <cstdint>

namespace typecask {

// The main window's alignment buttons Option3(0..2).
enum class Alignment { Left = 0, Center = 1, Right = 2 };

// The HTML bar's three option boxes Check7, Check8, Check9.
struct HtmlOptions
{
    bool useFontTag = true;
    bool useStyleSheet = false;
    bool fontFamilyInStyleSheet = false;
    bool operator==(const HtmlOptions&) const = default;
};

struct Sample
{
    QString fontName;
    QString text;
    std::int16_t size = 32; // points
    bool bold = false;
    bool italic = false;
    std::int32_t textColour = 0;        // 0x00BBGGRR
    std::int32_t backColour = 0xFFFFFF; // 0x00BBGGRR
    Alignment alignment = Alignment::Left;
};

} // namespace typecask
