// The CSS font check: any bytes, read as a page (and, as written, as its own linked style sheet),
// give family lists with whole names, a bounded number of them, text of drawable characters only,
// and a resolution for each list.
#include "font_tools/css_font_resolve.h"
#include "font_tools/css_font_scan.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace typecask;

namespace {

class FixedFonts final : public FontResolver
{
public:
    QString installedFamily(const QString& name) override
    {
        return name.compare(u"DejaVu Sans"_qs, Qt::CaseInsensitive) == 0 ? u"DejaVu Sans"_qs : QString();
    }
    QString substitute(const QString&) override { return u"DejaVu Serif"_qs; }
    bool covers(const QString&, char32_t c) override { return c < 0x3000; }
    QString fallback(char32_t c) override { return c < 0x10000 ? u"IPAGothic"_qs : QString(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::putFile(u"page.html"_qs, data, size);
    // A page that links itself as a style sheet reads its own bytes as CSS too.
    fuzz::putFile(u"page.css"_qs, data, size);
    CssFontCheck check;
    const CssFileResult r = check.scanFile(path);
    FUZZ_CHECK(r.status == CssFileResult::Status::Read);
    check.scanText(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                   fuzz::folder());
    const std::vector<CssFamilyList> lists = check.lists();
    FUZZ_CHECK(static_cast<qsizetype>(lists.size()) <= MaxFamilyLists);
    for (const CssFamilyList& l : lists) {
        FUZZ_CHECK(!l.families.empty());
        FUZZ_CHECK(l.sources != 0);
        for (const CssFamily& f : l.families)
            FUZZ_CHECK(!f.name.isEmpty() && (!f.generic || isGenericFamily(f.name)));
        for (char32_t c : l.text.toVector())
            FUZZ_CHECK(needsGlyph(c) && c <= 0x10FFFF);
    }
    FixedFonts fonts;
    const std::vector<ListResolution> resolved = resolveFamilyLists(lists, check.webFonts(), fonts);
    FUZZ_CHECK(resolved.size() == lists.size());
    for (const ListResolution& res : resolved) {
        FUZZ_CHECK(!res.resolved.isEmpty());
        FUZZ_CHECK(res.states.size() == res.families.size());
        FUZZ_CHECK(res.uncoveredCount <= res.characters);
        FUZZ_CHECK(static_cast<qsizetype>(res.uncovered.size()) ==
                   std::min(res.uncoveredCount, MaxUncoveredKept));
        // Every character is drawn by exactly one font.
        qsizetype drawn = 0;
        for (const DrawnCharacters& d : res.drawn)
            drawn += static_cast<qsizetype>(d.characters.size());
        FUZZ_CHECK(drawn == res.characters);
    }
    (void)cssCheckJson({r}, resolved, check.webFonts());
    return 0;
}
