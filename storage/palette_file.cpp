#include "storage/palette_file.h"

#include "core/text_file.h"
#include "storage/program_folder.h"
#include "storage/stored_files.h"

#include <limits>

namespace typecask {

QString paletteFilePath(const QString& programFolder)
{
    return programFile(programFolder, PaletteFileName);
}

QString formatPaletteValue(std::int32_t value)
{
    return (value < 0 ? QString() : u" "_qs) + QString::number(value) + u' ';
}

std::optional<std::int32_t> parsePaletteValue(const QString& line)
{
    const QString t = line.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        const bool sign = i == 0 && (c == u'-' || c == u'+') && t.size() > 1;
        if (!sign && !(c >= u'0' && c <= u'9'))
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::int32_t characterColourFromLine(const QString& line)
{
    return parsePaletteValue(line).value_or(0);
}

PaletteFileContents loadPaletteFile(const QString& programFolder)
{
    PaletteFileContents contents;
    const QStringList lines =
        readTextLines(paletteFilePath(programFolder), {PaletteFileLineCount, PaletteLineMaxBytes})
            .value_or(QStringList{});
    for (int i = 0; i < CharacterColourLines; ++i)
        contents.characterLines.append(i < lines.size() ? lines[i] : QString());
    for (int p = 0; p < PaletteCount; ++p)
        for (int c = 0; c < PaletteCells; ++c) {
            const int index = paletteLine(p, c) - 1;
            if (index < lines.size())
                if (const auto v = parsePaletteValue(lines[index]))
                    contents.palettes.at(p, c) = *v;
        }
    return contents;
}

SaveResult savePaletteFile(const QString& programFolder, const PaletteFileContents& contents)
{
    QStringList lines;
    lines.reserve(PaletteFileLineCount);
    for (int i = 0; i < CharacterColourLines; ++i)
        lines.append(i < contents.characterLines.size() ? contents.characterLines[i] : QString());
    for (int p = 0; p < PaletteCount; ++p)
        for (int c = 0; c < PaletteCells; ++c)
            lines.append(formatPaletteValue(contents.palettes.at(p, c)));
    return writeTextLines(paletteFilePath(programFolder), lines);
}

} // namespace typecask
