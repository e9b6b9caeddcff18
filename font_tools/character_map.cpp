#include "font_tools/character_map.h"

#include "core/cp932.h"
#include "core/text_helpers.h"
#include "export/rtf_writer.h"

#include <algorithm>

namespace typecask {

namespace {

constexpr char16_t Replacement = 0xFFFD;

bool isSingleCodePoint(const QString& s)
{
    return s.size() == 1 || (s.size() == 2 && s[0].isHighSurrogate() && s[1].isLowSurrogate());
}

} // namespace

QStringList characterPageList()
{
    QStringList pages{QString()};
    for (int lead = 0x80; lead <= 0xA0; ++lead)
        pages.append(QString::number(lead, 16).toUpper());
    for (int lead = 0xE0; lead <= 0xFF; ++lead)
        pages.append(QString::number(lead, 16).toUpper());
    return pages;
}

int characterPageBase(int row)
{
    static const QStringList pages = characterPageList();
    if (row <= 0 || row >= pages.size())
        return 0;
    return pages[row].toInt(nullptr, 16) << 8;
}

bool showsCharacterPages(int charset)
{
    return charset == ShiftJisCharset;
}

CharacterCell characterCell(std::uint16_t code)
{
    QByteArray bytes;
    if (code > 0xFF)
        bytes.append(static_cast<char>(code >> 8));
    bytes.append(static_cast<char>(code & 0xFF));
    const QString decoded = cp932::decode(bytes);
    const bool valid = isSingleCodePoint(decoded) && decoded != QChar(Replacement);
    return {code, valid ? decoded : QString(QChar(Replacement)), valid};
}

std::vector<CharacterCell> characterPage(int base)
{
    std::vector<CharacterCell> cells;
    cells.reserve(CharacterPageSize);
    for (int low = CharacterPageFirst; low <= 0xFF; ++low)
        cells.push_back(characterCell(static_cast<std::uint16_t>(base + low)));
    return cells;
}

QString characterMapCaption(const QString& character, int row)
{
    // The code's low byte: row 0 is 0x20 on every page.
    return u"文字一覧(20-FF)["_qs + character + QString::number(row + CharacterPageFirst, 16).toUpper() +
           u']';
}

int characterMapColumns(int widthTwips, int fontSize)
{
    if (fontSize <= 0)
        return 1;
    return std::max(1, widthTwips / 50 / fontSize + 1);
}

int steppedFontRow(int selected, int count, bool next)
{
    if (count < 1)
        return -1;
    if (next)
        return selected >= count - 1 ? 0 : selected + 1;
    return selected < 1 ? count - 1 : selected - 1;
}

QString appendedSampleText(const QString& text, const QString& character, int limit)
{
    return leftCodePoints(text + character, limit);
}

ClipboardContent characterCopy(const FontCatalog& catalog, const Sample& sample, const QString& character)
{
    return {sampleRtf(catalog, sample.fontName, character, sample.size, sample.textColour, false, false,
                      sample.alignment),
            character};
}

} // namespace typecask
