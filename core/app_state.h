// The process-wide state every window reads and writes. One instance lives in the session;
// tests make their own.
#pragma once

#include <QString>
#include <cstdint>

namespace typecask {

// What the gradient and random colour makers copy.
enum class CopyFormat : std::uint8_t { Html = 0, Rtf = 1 };

struct AppState
{
    QString CurrentFontName;
    QString ContextFontName;
    QString SampleText;
    QString SampleTextJapanese;
    QString SampleTextWestern;
    QString SampleTextSymbol;
    std::int16_t PreviewSize = 32; // points, 8..72
    bool PreviewBold = false;
    bool PreviewItalic = false;
    std::int16_t PreviewAreaSize = 1; // 0 small, 1 medium, 2 large
    // ShowVerticalFonts is part of the font filter (Session::filter).
    int ListSampleSize = 20;
    int ListRowCount = 19;
    bool ListVertical = true;
    bool AlwaysOnTop = false;
    bool SubWindowShown = false;
    bool SubWindowKind = false; // true: Form15, false: Form16
    bool SubWindowOnTop = false;
    bool Loading = true;
    CopyFormat OutputMode = CopyFormat::Html;
};

} // namespace typecask
