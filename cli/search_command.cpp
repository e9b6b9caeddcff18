// search: the font search window's results for scripts.
#include "cli/cli_support.h"
#include "cli/commands.h"

#include "core/japanese_sets.h"
#include "core/text_file.h"
#include "font_tools/font_search.h"

#include <optional>

namespace typecask::cli {

namespace {

// Sets the boxes named in a comma-separated list (every other box of the group cleared);
// false when an item is not one of names.
template <std::size_t N>
bool readBoxes(const QString& list, const std::array<const char*, N>& names, std::array<bool, N>& boxes)
{
    boxes.fill(false);
    for (const QString& item : list.split(u',', Qt::SkipEmptyParts)) {
        std::size_t i = 0;
        while (i < N && item != QLatin1String(names[i]))
            ++i;
        if (i == N)
            return false;
        boxes[i] = true;
    }
    return true;
}

const std::array<const char*, 4> CharsetLetters{"w", "j", "s", "o"};
const std::array<const char*, 4> TypeLetters{"d", "t", "r", "o"};
const std::array<const char*, 6> FamilyNames{"decorative", "none", "modern", "roman", "script", "swiss"};

// The names of a narrowing file, one a line (UTF-8 or code page 932), empty lines skipped.
std::optional<QStringList> readNames(const QString& path)
{
    // No list box holds more names than the catalog's eight lists together.
    constexpr ReadLimits limits{CatalogListCount * FontCatalog::MaxListSize, 4096};
    std::optional<QStringList> lines = readTextLines(path, limits);
    if (lines)
        lines->removeAll(QString());
    return lines;
}

} // namespace

int searchCommand(const QStringList& args, Streams io)
{
    ArgReader r("search", args, io);
    QStringList words;
    DetailedConditions conditions;
    bool detailed = false;
    std::optional<QStringList> narrowFrom;
    while (!r.done()) {
        const QString& a = r.next();
        if (a == u"--") {
            words += r.rest();
            break;
        }
        if (!a.startsWith(u"--")) {
            words.append(a);
            continue;
        }
        if (answerStandardOption(u"search"_qs, a, io))
            return 0;
        const bool takesValue = a == u"--narrow-from" || a == u"--charsets" || a == u"--types" ||
                                a == u"--families" || a == u"--ratio" || a == u"--set" || a == u"--covers";
        if (!takesValue)
            return r.fail(u"unknown option "_qs + a);
        const std::optional<QString> value = r.value(a);
        if (!value)
            return 2;
        const QString& v = *value;
        if (a == u"--narrow-from") {
            narrowFrom = readNames(v);
            if (!narrowFrom)
                return r.fail(u"cannot read "_qs + v);
            continue;
        }
        detailed = true;
        if (a == u"--charsets" && !readBoxes(v, CharsetLetters, conditions.charsets))
            return r.fail(u"--charsets takes w, j, s, o separated by commas"_qs);
        if (a == u"--types" && !readBoxes(v, TypeLetters, conditions.fontTypes))
            return r.fail(u"--types takes d, t, r, o separated by commas"_qs);
        if (a == u"--families" && !readBoxes(v, FamilyNames, conditions.families))
            return r.fail(u"--families takes decorative, none, modern, roman, script, swiss"_qs);
        if (a == u"--set") {
            // NAME or NAME:PERCENT, PERCENT a whole number from 1 to 100.
            const qsizetype colon = v.indexOf(u':');
            conditions.set = japaneseSetIndex(colon < 0 ? v : v.left(colon));
            if (conditions.set < 0)
                return r.fail(u"unknown set '"_qs + (colon < 0 ? v : v.left(colon)) + u"' (the sets: "_qs +
                              japaneseSetNames() + u')');
            bool ok = colon < 0;
            if (colon >= 0) {
                const QString percent = v.mid(colon + 1);
                conditions.setPercent = percent.toInt(&ok);
                ok = ok && !percent.startsWith(u'+') && conditions.setPercent >= 1 &&
                     conditions.setPercent <= 100;
            }
            if (!ok)
                return r.fail(u"--set takes NAME or NAME:PERCENT, PERCENT from 1 to 100"_qs);
        }
        if (a == u"--covers") {
            // Arguments arrive as UTF-8; bytes that are not (an encoded surrogate half among them)
            // have become U+FFFD.
            const std::optional<std::vector<char32_t>> chars = charactersToCover(v);
            if (!chars || v.contains(QChar::ReplacementCharacter))
                return r.fail(u"--covers: the text is not valid UTF-8 (an unpaired surrogate?)"_qs);
            if (chars->empty())
                return r.fail(u"--covers needs a text with at least one visible character"_qs);
            conditions.covers = *chars;
        }
        if (a == u"--ratio") {
            if (!v.startsWith(u'>') && !v.startsWith(u'<'))
                return r.fail(u"--ratio is > or < and a percentage, as '>50'"_qs);
            conditions.ratio = true;
            conditions.atMost = v.startsWith(u'<');
            conditions.threshold = searchThresholdText(v.mid(1)).toInt();
        }
    }

    const InstalledFonts fonts;
    const FontCatalog& catalog = fonts.catalog;
    const FontNameIndex index(catalog);
    // The words as the search box holds them, one half-width space apart.
    const SearchRequest request{words.join(u' '), detailed ? std::optional(conditions) : std::nullopt,
                                narrowFrom};
    for (const QString& name : searchFonts(catalog, index, request))
        io.out << rowField(name) << '\n';
    return 0;
}

} // namespace typecask::cli
