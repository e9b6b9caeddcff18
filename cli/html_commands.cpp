// check and fontlist: the HTML font check and the HTML font list maker without their windows.
#include "cli/commands.h"

#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "core/fontconfig_source.h"
#include "font_tools/css_font_resolve.h"
#include "font_tools/css_font_scan.h"
#include "font_tools/font_list_pages.h"
#include "font_tools/html_font_scan.h"
#include "storage/favorites_file.h"
#include "storage/program_folder.h"
#include "storage/settings_file.h"

#include <algorithm>
#include <memory>

namespace typecask::cli {

namespace {

struct InstalledFonts
{
    std::shared_ptr<FontconfigSource> source = std::make_shared<FontconfigSource>();
    FontCatalog catalog;
    InstalledFonts()
    {
        catalog.setSource(source);
        enumerateFonts(catalog, *source);
    }
};

int usage(Streams io, const char* command, const QString& message)
{
    io.err << "typecask-cli " << command << ": " << message << "\nTry 'typecask-cli " << command
           << " --help' for more information.\n";
    return 2;
}

// RRGGBB as "#RRGGBB" in upper case, as the list maker shows colours.
std::optional<QString> htmlColour(const QString& s)
{
    const bool hex =
        s.size() == 6 && std::all_of(s.cbegin(), s.cend(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        });
    if (!hex)
        return std::nullopt;
    return u'#' + s.toUpper();
}

// check --css: every family list the pages ask for, resolved on this machine.
int checkCss(const QStringList& files, bool json, Streams io)
{
    CssFontCheck check;
    std::vector<CssFileResult> results;
    bool unread = false;
    for (const QString& file : files) {
        CssFileResult r = check.scanFile(file);
        if (r.status == CssFileResult::Status::Failed) {
            io.err << "typecask-cli check: " << file << ": " << r.error << '\n';
            unread = true;
        }
        for (const QString& sheet : std::as_const(r.unreadSheets))
            io.err << "typecask-cli check: " << file << ": style sheet " << sheet << '\n';
        results.push_back(std::move(r));
    }
    FontconfigResolver resolver;
    const std::vector<ListResolution> lists = resolveFamilyLists(check.lists(), check.webFonts(), resolver);
    if (json)
        io.out << QString::fromUtf8(cssCheckJson(results, lists, check.webFonts()));
    else
        io.out << cssCheckText(lists, check.webFonts());
    if (unread)
        return 2;
    return std::any_of(lists.cbegin(), lists.cend(), [](const ListResolution& l) { return l.fails(); }) ? 1
                                                                                                        : 0;
}

} // namespace

int checkCommand(const QStringList& args, Streams io)
{
    QStringList files;
    bool optionsEnded = false;
    bool css = false;
    bool json = false;
    for (const QString& a : args) {
        if (!optionsEnded && a == u"--")
            optionsEnded = true;
        else if (!optionsEnded && a == u"--css")
            css = true;
        else if (!optionsEnded && a == u"--json")
            json = true;
        else if (!optionsEnded && answerStandardOption(u"check"_qs, a, io))
            return 0;
        else if (!optionsEnded && a.startsWith(u"--"))
            return usage(io, "check", u"unknown option "_qs + a);
        else
            files.append(a);
    }
    if (files.isEmpty())
        return usage(io, "check", u"give at least one FILE"_qs);
    if (json && !css)
        return usage(io, "check", u"--json goes with --css"_qs);
    if (css)
        return checkCss(files, json, io);

    InstalledFonts fonts;
    HtmlFontCheck check(fonts.catalog);
    bool unread = false;
    for (const QString& file : files) {
        const HtmlReadResult r = check.readFile(file);
        if (r.status == HtmlReadResult::Status::Read)
            continue;
        // The window passes such files by; here a file asked for and not checked is an error,
        // or a page of other files would pass as having no missing fonts.
        io.err << "typecask-cli check: " << file << ": "
               << (r.status == HtmlReadResult::Status::Ignored ? u"not an .htm or .html file"_qs : r.error)
               << '\n';
        unread = true;
    }
    for (const QString& name : check.found())
        io.out << "installed\t" << name << '\n';
    for (const QString& name : check.missing())
        io.out << "missing\t" << name << '\n';
    if (unread)
        return 2;
    return check.missing().isEmpty() ? 0 : 1;
}

int fontlistCommand(const QStringList& args, Streams io)
{
    bool favourites = false;
    QString perPage = AllFontsPerPage;
    FontListStyle style;
    style.sample = AppSettings{}.sampleTextWestern;
    QString out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (a == u"--favourites") {
            favourites = true;
        } else if (a == u"--italic") {
            style.italic = true;
        } else if (a == u"--bold") {
            style.bold = true;
        } else if (a == u"--bold-italic") {
            style.boldItalic = true;
        } else if (a == u"--per-page" || a == u"--size" || a == u"--text" || a == u"--fg" || a == u"--bg" ||
                   a == u"--out") {
            const std::optional<QString> v = value();
            if (!v)
                return usage(io, "fontlist", a + u" needs a value"_qs);
            if (a == u"--per-page") {
                perPage = *v;
                const auto n = FontsPerPage(perPage, 0);
                if (perPage != AllFontsPerPage && (!n || *n > MaxFontsPerPage || *v != QString::number(*n)))
                    return usage(io, "fontlist",
                                 u"--per-page must be ALL or a whole number from 1 to 32767"_qs);
            } else if (a == u"--size") {
                bool ok = false;
                const int size = v->toInt(&ok);
                if (!ok || size < 1 || size > 7 || *v != QString::number(size))
                    return usage(io, "fontlist", u"--size must be a whole number from 1 to 7"_qs);
                style.size = *v;
            } else if (a == u"--text") {
                style.sample = *v;
            } else if (a == u"--out") {
                out = *v;
            } else {
                const std::optional<QString> colour = htmlColour(*v);
                if (!colour)
                    return usage(io, "fontlist", a + u" must be six hexadecimal digits RRGGBB"_qs);
                (a == u"--fg" ? style.textColour : style.backColour) = *colour;
            }
        } else if (answerStandardOption(u"fontlist"_qs, a, io)) {
            return 0;
        } else {
            return usage(io, "fontlist", u"unknown option "_qs + a);
        }
    }
    if (out.isEmpty())
        return usage(io, "fontlist", u"--out DIR is needed"_qs);

    QStringList names;
    if (favourites) {
        names = favoriteNames(loadFavorites(programFolder()));
        sortIgnoringCase(names);
    } else {
        InstalledFonts fonts;
        names = SortedFontLists(fonts.catalog).names(FontFilter{});
    }
    const qint64 fontsPerPage = *FontsPerPage(perPage, names.size());
    const FontListWriteResult r = writeFontListPages(out, names, fontsPerPage, style);
    for (const QString& page : r.written)
        io.out << page << '\n';
    if (!r.ok()) {
        io.err << "typecask-cli fontlist: " << r.error << '\n';
        return 1;
    }
    return 0;
}

} // namespace typecask::cli
