#include "cli/commands.h"

#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "core/fontconfig_source.h"
#include "core/text_helpers.h"

#include <memory>

namespace typecask::cli {

namespace {

const char* const ListNames[CatalogListCount] = {"japanese-truetype", "japanese-other",  "western-truetype",
                                                 "western-other",     "symbol-truetype", "symbol-other",
                                                 "other-truetype",    "other-other"};

const char* const TryHelp = "Try 'typecask-cli fonts --help' for more information.\n";

QString hexByte(int v)
{
    return u"0x"_qs + twoHexDigits(v);
}

} // namespace

int fontsCommand(const QStringList& args, Streams io)
{
    FontFilter filter;
    bool details = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--details") {
            details = true;
        } else if (a == u"--all-types") {
            filter.allFontTypes = true;
        } else if (a == u"--vertical") {
            filter.showVerticalFonts = true;
        } else if (a == u"--categories" || a.startsWith(u"--categories=")) {
            QString letters;
            if (a == u"--categories") {
                if (i + 1 >= args.size()) {
                    io.err << "typecask-cli fonts: --categories needs a value\n" << TryHelp;
                    return 2;
                }
                letters = args[++i];
            } else {
                letters = a.mid(13);
            }
            filter.categories = {false, false, false, false};
            for (QChar c : letters) {
                const int at = QStringLiteral("jwso").indexOf(c);
                if (at < 0) {
                    io.err << "typecask-cli fonts: unknown category '" << c << "' (use j, w, s, o)\n"
                           << TryHelp;
                    return 2;
                }
                filter.categories[at] = true;
            }
        } else if (answerStandardOption(u"fonts"_qs, a, io)) {
            return 0;
        } else {
            io.err << "typecask-cli fonts: unknown option " << a << "\n" << TryHelp;
            return 2;
        }
    }

    // The names are printed sorted; only the details keep the listing order.
    auto source = std::make_shared<FontconfigSource>(details ? FontconfigSource::Order::Listing
                                                             : FontconfigSource::Order::Unsorted);
    FontCatalog catalog;
    catalog.setSource(source);
    enumerateFonts(catalog, *source);

    if (details) {
        for (const FontCatalog::Entry& e : catalog.entries()) {
            const FontDetails* d = catalog.details(e.font.faceName);
            io.out << ListNames[e.list] << '\t' << e.font.faceName << '\t' << e.font.charset << '\t'
                   << e.font.fontType << '\t' << hexByte(d ? d->pitchAndFamily : 0) << '\t'
                   << (d ? d->logicalHeight : 0) << '\t' << (d ? d->logicalWidth : 0) << '\t';
            if (d && d->averageWidthUnits)
                io.out << *d->averageWidthUnits;
            io.out << '\n';
        }
        return 0;
    }
    for (const QString& n : SortedFontLists(catalog).names(filter))
        io.out << n << '\n';
    return 0;
}

} // namespace typecask::cli
