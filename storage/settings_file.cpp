#include "storage/settings_file.h"

#include "core/text_file.h"
#include "storage/program_folder.h"
#include "storage/stored_files.h"

#include <algorithm>
#include <cmath>

namespace typecask {

namespace {

const QString True = u"True"_qs;

QString boolWord(bool v)
{
    return v ? True : u"False"_qs;
}

// The value of an integer line, or the default when it is missing or not a number.
long long numberOr(const std::optional<QString>& line, long long fallback)
{
    if (!line)
        return fallback;
    return parseNumberLine(*line).value_or(fallback);
}

template <typename T> T clampTo(long long v, T lo, T hi)
{
    return static_cast<T>(std::clamp<long long>(v, lo, hi));
}

} // namespace

QString numberLine(int value)
{
    return (value < 0 ? u"-"_qs : u" "_qs) + QString::number(std::abs(static_cast<long long>(value))) + u' ';
}

std::optional<long long> parseNumberLine(const QString& line)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.size() > 64)
        return std::nullopt;
    bool ok = false;
    const double d = t.toDouble(&ok); // the C locale: a dot is the decimal sign
    if (!ok || !std::isfinite(d) || std::fabs(d) > 9.0e15)
        return std::nullopt;
    return static_cast<long long>(std::nearbyint(d)); // the default rounding mode: ties to even
}

SettingsLines loadSettings(const QString& folder)
{
    SettingsLines lines;
    const auto read =
        readTextLines(programFile(folder, SettingsFileName), {SettingsLineCount, SettingsLineMaxBytes});
    if (!read) {
        const QStringList defaults = settingsFileLines(AppSettings{});
        for (int i = 1; i < SettingsLineCount; ++i)
            lines[i] = defaults[i];
        lines[0] = QString();
        return lines;
    }
    for (int i = 0; i < SettingsLineCount && i < read->size(); ++i)
        lines[i] = (*read)[i];
    return lines;
}

AppSettings applySettingsLines(const SettingsLines& lines)
{
    AppSettings s;
    auto exactTrue = [&](int i, bool fallback) { return lines[i] ? *lines[i] == True : fallback; };
    s.allFontTypes = exactTrue(1, s.allFontTypes);
    for (int c = 0; c < 4; ++c) {
        const auto& l = lines[2 + c];
        if (l)
            s.categories[c] = l->contains(u'1') ? 1 : 0;
    }
    s.previewSize = clampTo<std::int16_t>(numberOr(lines[6], s.previewSize), 8, 72);
    s.previewAreaSize = clampTo<std::int16_t>(numberOr(lines[7], s.previewAreaSize), 0, 2);
    s.listSampleSize = clampTo<int>(numberOr(lines[8], s.listSampleSize), 8, 72);
    const long long rows = numberOr(lines[9], s.listRowCount);
    s.listRowCount = rows >= INT32_MIN && rows <= INT32_MAX ? static_cast<int>(rows) : s.listRowCount;
    s.listVertical = exactTrue(10, s.listVertical);
    s.showVerticalFonts = exactTrue(11, s.showVerticalFonts);
    s.selectionBarVisible = exactTrue(12, s.selectionBarVisible);
    if (lines[13])
        s.sampleTextJapanese = *lines[13];
    if (lines[14])
        s.sampleTextWestern = *lines[14];
    if (lines[15])
        s.sampleTextSymbol = *lines[15];
    return s;
}

QStringList settingsFileLines(const AppSettings& s)
{
    QStringList l;
    l << u"TypecaskVer2.01"_qs << boolWord(s.allFontTypes);
    for (int c : s.categories)
        l << numberLine(c);
    l << numberLine(s.previewSize) << numberLine(s.previewAreaSize) << numberLine(s.listSampleSize)
      << numberLine(s.listRowCount) << boolWord(s.listVertical) << boolWord(s.showVerticalFonts)
      << boolWord(s.selectionBarVisible);
    // A text cannot hold a line break: it would shift every later line.
    auto oneLine = [](QString t) { return t.remove(u'\r').remove(u'\n'); };
    l << oneLine(s.sampleTextJapanese) << oneLine(s.sampleTextWestern) << oneLine(s.sampleTextSymbol);
    return l;
}

SaveResult saveSettings(const QString& folder, const AppSettings& settings)
{
    return writeTextLines(programFile(folder, SettingsFileName), settingsFileLines(settings));
}

} // namespace typecask
