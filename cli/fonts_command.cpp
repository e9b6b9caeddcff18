#include "cli/cli_support.h"
#include "cli/commands.h"

#include "core/font_filter.h"
#include "core/text_helpers.h"

namespace typecask::cli {

namespace {

const char* const ListNames[CatalogListCount] = {"japanese-truetype", "japanese-other",  "western-truetype",
                                                 "western-other",     "symbol-truetype", "symbol-other",
                                                 "other-truetype",    "other-other"};

QString hexByte(int v)
{
    return u"0x"_qs + twoHexDigits(v);
}

} // namespace

int fontsCommand(const QStringList& args, Streams io)
{
    ArgReader r("fonts", args, io);
    FontFilter filter;
    bool details = false;
    while (!r.done()) {
        const QString& a = r.next();
        if (a == u"--details") {
            details = true;
        } else if (a == u"--all-types") {
            filter.allFontTypes = true;
        } else if (a == u"--vertical") {
            filter.showVerticalFonts = true;
        } else if (a == u"--categories" || a.startsWith(u"--categories=")) {
            QString letters = a.mid(13);
            if (a == u"--categories") {
                const std::optional<QString> v = r.value(a);
                if (!v)
                    return 2;
                letters = *v;
            }
            filter.categories = {false, false, false, false};
            for (QChar c : letters) {
                const int at = QStringLiteral("jwso").indexOf(c);
                if (at < 0)
                    return r.fail(u"unknown category '"_qs + c + u"' (use j, w, s, o)"_qs);
                filter.categories[at] = true;
            }
        } else if (answerStandardOption(u"fonts"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option "_qs + a);
        }
    }

    // The names are printed sorted; only the details keep the listing order.
    const InstalledFonts fonts(details ? FontconfigSource::Order::Listing
                                       : FontconfigSource::Order::Unsorted);
    const FontCatalog& catalog = fonts.catalog;

    if (details) {
        for (const FontCatalog::Entry& e : catalog.entries()) {
            const FontDetails* d = catalog.details(e.font.faceName);
            io.out << ListNames[e.list] << '\t' << rowField(e.font.faceName) << '\t' << e.font.charset << '\t'
                   << e.font.fontType << '\t' << hexByte(d ? d->pitchAndFamily : 0) << '\t'
                   << (d ? d->logicalHeight : 0) << '\t' << (d ? d->logicalWidth : 0) << '\t';
            if (d && d->averageWidthUnits)
                io.out << *d->averageWidthUnits;
            io.out << '\n';
        }
        return 0;
    }
    for (const QString& n : SortedFontLists(catalog).names(filter))
        io.out << rowField(n) << '\n';
    return 0;
}

} // namespace typecask::cli
