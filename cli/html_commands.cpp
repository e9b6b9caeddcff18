// check and fontlist: the HTML font check and the HTML font list maker without their windows.
#include "cli/cli_support.h"
#include "cli/commands.h"

#include "core/font_filter.h"
#include "font_tools/css_font_resolve.h"
#include "font_tools/css_font_scan.h"
#include "font_tools/font_list_pages.h"
#include "font_tools/html_font_scan.h"
#include "storage/favorites_file.h"
#include "storage/program_folder.h"
#include "storage/settings_file.h"

#include <algorithm>

namespace typecask::cli {

namespace {

// Both checks take what the program takes: a page named .htm or .html.
const QString NotHtml = u"not an .htm or .html file"_qs;

// check --css: every family list the pages ask for, resolved on this machine.
int checkCss(const QStringList& files, bool json, const QString& language, Streams io)
{
    CssFontCheck check;
    std::vector<CssFileResult> results;
    bool unread = false;
    for (const QString& file : files) {
        CssFileResult r;
        if (isHtmlPath(file)) {
            r = check.scanFile(file);
        } else {
            r.path = file;
            r.status = CssFileResult::Status::Failed;
            r.error = NotHtml;
        }
        if (r.status == CssFileResult::Status::Failed) {
            io.err << "typecask-cli check: " << file << ": " << r.error << '\n';
            unread = true;
        }
        for (const QString& sheet : std::as_const(r.unreadSheets))
            io.err << "typecask-cli check: " << file << ": style sheet " << sheet << '\n';
        results.push_back(std::move(r));
    }
    FontconfigResolver resolver(language);
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
    ArgReader r("check", args, io);
    QStringList files;
    bool css = false;
    bool json = false;
    QString language;
    while (!r.done()) {
        const QString& a = r.next();
        if (a == u"--")
            files += r.rest();
        else if (a == u"--lang") {
            const std::optional<QString> v = r.value(a);
            if (!v)
                return 2;
            language = *v;
        } else if (a == u"--css")
            css = true;
        else if (a == u"--json")
            json = true;
        else if (answerStandardOption(u"check"_qs, a, io))
            return 0;
        else if (a.startsWith(u"--"))
            return r.fail(u"unknown option "_qs + a);
        else
            files.append(a);
    }
    if (files.isEmpty())
        return r.fail(u"give at least one FILE"_qs);
    if (json && !css)
        return r.fail(u"--json goes with --css"_qs);
    if (!language.isEmpty() && !css)
        return r.fail(u"--lang goes with --css"_qs);
    if (css)
        return checkCss(files, json, language, io);

    InstalledFonts fonts;
    HtmlFontCheck check(fonts.catalog);
    bool unread = false;
    for (const QString& file : files) {
        const HtmlReadResult read = check.readFile(file);
        if (read.status == HtmlReadResult::Status::Read)
            continue;
        // The window passes such files by; here a file asked for and not checked is an error,
        // or a page of other files would pass as having no missing fonts.
        io.err << "typecask-cli check: " << file << ": "
               << (read.status == HtmlReadResult::Status::Ignored ? NotHtml : read.error) << '\n';
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
    ArgReader r("fontlist", args, io);
    while (!r.done()) {
        const QString& a = r.next();
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
            const std::optional<QString> v = r.value(a);
            if (!v)
                return 2;
            if (a == u"--per-page") {
                perPage = *v;
                const auto n = FontsPerPage(perPage, 0);
                if (perPage != AllFontsPerPage && (!n || *n > MaxFontsPerPage || *v != QString::number(*n)))
                    return r.fail(u"--per-page must be ALL or a whole number from 1 to 32767"_qs);
            } else if (a == u"--size") {
                bool ok = false;
                const int size = v->toInt(&ok);
                if (!ok || size < 1 || size > 7 || *v != QString::number(size))
                    return r.fail(u"--size must be a whole number from 1 to 7"_qs);
                style.size = *v;
            } else if (a == u"--text") {
                style.sample = *v;
            } else if (a == u"--out") {
                out = *v;
            } else {
                if (!parseColour(*v))
                    return r.fail(a + u" must be six hexadecimal digits RRGGBB"_qs);
                // As the list maker shows colours: "#RRGGBB" in upper case.
                (a == u"--fg" ? style.textColour : style.backColour) = u'#' + v->toUpper();
            }
        } else if (answerStandardOption(u"fontlist"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option "_qs + a);
        }
    }
    if (out.isEmpty())
        return r.fail(u"--out DIR is needed"_qs);

    QStringList names;
    if (favourites) {
        names = favoriteNames(loadFavorites(programFolder()));
        sortIgnoringCase(names);
    } else {
        InstalledFonts fonts;
        names = SortedFontLists(fonts.catalog).names(FontFilter{});
    }
    const qint64 fontsPerPage = *FontsPerPage(perPage, names.size());
    const FontListWriteResult written = writeFontListPages(out, names, fontsPerPage, style);
    for (const QString& page : written.written)
        io.out << page << '\n';
    if (!written.linksSeparated.isEmpty())
        io.err << "typecask-cli fontlist: " << fontListLinksMessage(written.linksSeparated) << '\n';
    if (!written.ok()) {
        io.err << "typecask-cli fontlist: " << written.error << '\n';
        return 1;
    }
    return 0;
}

} // namespace typecask::cli
