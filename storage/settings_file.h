// "Typecask.ini": sixteen lines, one value each, at fixed line numbers.
#pragma once

#include "core/text_file.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace typecask {

constexpr int SettingsLineCount = 16;
// A sample text longer than this (in UTF-8) is cut when read: far beyond what the program shows.
constexpr qsizetype SettingsLineMaxBytes = 64 * 1024;

// The values of lines 1 to 15, as the program applies them.
struct AppSettings
{
    bool allFontTypes = false;                 // Option1(0)
    std::array<int, 4> categories{1, 1, 0, 0}; // Check4(0..3)
    std::int16_t previewSize = 32;             // 8..72
    std::int16_t previewAreaSize = 1;          // 0..2
    int listSampleSize = 20;                   // 8..72
    int listRowCount = 19;
    bool listVertical = true;
    bool showVerticalFonts = false;
    bool selectionBarVisible = true; // Picture2
    QString sampleTextJapanese = u"あいうえおかきくけこ亜亥宇江尾"_qs;
    QString sampleTextWestern = u"AaBbCcDdEeXxYyZz12345"_qs;
    QString sampleTextSymbol = u"!\"#$%&'()=<>.,?/_[]*+-@`{};:"_qs;
};

// The raw lines as read. A missing file gives the default lines (line 0 empty); lines past
// the end of a short file are absent (std::nullopt) and fall back to their defaults.
using SettingsLines = std::array<std::optional<QString>, SettingsLineCount>;

SettingsLines loadSettings(const QString& folder);
// Converts the lines by each line's rule (exact "True", the character "1", clamps).
AppSettings applySettingsLines(const SettingsLines& lines);
// The sixteen lines as written.
QStringList settingsFileLines(const AppSettings& settings);
// Writes the file; when it cannot be written the old file is kept and the result says why.
SaveResult saveSettings(const QString& folder, const AppSettings& settings);

// " 32 ", "-5 ": the number form of the file.
QString numberLine(int value);
// A number line converted (spaces ignored, fractions rounded half to even); none if not a number.
std::optional<long long> parseNumberLine(const QString& line);

} // namespace typecask
