#include "font_tools/font_list_pages.h"

#include "core/text_file.h"
#include "export/html_tag.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cmath>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace typecask {

namespace {

QByteArray number(qsizetype n)
{
    return QByteArray::number(static_cast<qint64>(n));
}

// Removes the temporary pages a killed run left ("FontList3.Html.Ab12Cd"), once they are old
// enough that no running write can still own them.
void removeLeftoverPages(const QString& folder)
{
    const QDir dir(folder);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString& name : dir.entryList({u"FontList*.Html.??????"_qs}, QDir::Files | QDir::Hidden)) {
        if (!isSaveFileSuffix(QStringView(name).right(6)))
            continue;
        struct stat st;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            std::abs(now - st.st_mtime) >= 60)
            ::unlink(path.constData());
    }
}

// Whether the page at path has other hard links, which its replacement leaves with the old page.
bool hasOtherLinks(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink > 1;
}

} // namespace

std::optional<qint64> FontsPerPage(const QString& perPageText, qsizetype fontCount)
{
    if (perPageText == AllFontsPerPage)
        return fontCount;
    bool ok = false;
    const double v = perPageText.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 1)
        return std::nullopt;
    return v >= 1e15 ? static_cast<qint64>(1e15) : static_cast<qint64>(std::floor(v));
}

QString fontListPageCount(const QString& perPageText, qsizetype fontCount)
{
    if (perPageText == AllFontsPerPage)
        return QStringLiteral("1");
    const std::optional<qint64> perPage = FontsPerPage(perPageText, fontCount);
    if (fontCount == 0 || !perPage)
        return UnknownPageCount;
    return QString::number((fontCount + *perPage - 1) / *perPage);
}

QString fontListFileName(qsizetype page)
{
    return u"FontList"_qs + QString::number(page) + u".Html"_qs;
}

QString fontListFolder(const QString& programFolder)
{
    return programFolder + u"/List"_qs;
}

QByteArray fontListPageHtml(const QStringList& names, qsizetype page, qsizetype perPage, qsizetype pageCount,
                            const FontListStyle& style)
{
    const QByteArray sample = style.sample.toUtf8();
    const QByteArray font =
        "<FONT SIZE=\"" + style.size.toUtf8() + "\" COLOR=\"" + style.textColour.toUtf8() + '"';
    QByteArray out = "\xEF\xBB\xBF<HTML>\r\n<HEAD><TITLE>FONT LIST" + number(page) +
                     "</TITLE></HEAD>\r\n<BODY BGCOLOR=" + style.backColour.toUtf8() +
                     ">\r\n<CENTER><TABLE CELLSPACING=0 BORDER=1 width=95%>\r\n";
    const qsizetype c = names.size();
    const qsizetype first = (page - 1) * perPage;
    const qsizetype last = first + perPage >= c ? c - 1 : first + perPage - 1;
    out.reserve(out.size() + (last - first + 1) * (4 * font.size() + 2 * sample.size() + 160) +
                pageCount * 48);
    for (qsizetype i = first; i <= last; ++i) {
        const QByteArray name = escapeHtml(names[i]).toUtf8();
        const QByteArray face = font + " FACE=\"" + name + "\">" + sample + "</FONT>";
        out += "<TR>\r\n<TD>" + font + '>' + name + "</FONT></TD>\r\n<TD>" + face + "</TD>\r\n";
        if (style.italic)
            out += "<TD><I>" + face + "</I></TD>\r\n";
        if (style.bold)
            out += "<TD><B>" + face + "</B></TD>\r\n";
        if (style.boldItalic)
            out += "<TD><B><I>" + face + "</I></B></TD>\r\n";
        out += "</TR>\r\n";
    }
    out += "</TABLE></CENTER>\r\n";
    for (qsizetype k = 1; k <= pageCount; ++k)
        out += "<A HREF=\"FontList" + number(k) + ".Html\">FontList" + number(k) + "</A>\r\n";
    out += "</BODY></HTML>\r\n";
    return out;
}

QString fontListProgress(qsizetype index, qsizetype fontCount)
{
    return QString::number(fontCount > 0 ? index * 100 / fontCount : 0) + u'%';
}

QString fontListLinksMessage(const QStringList& pages)
{
    return u"次のページはハードリンクでした。新しいページに置き換えたため、ほかの名前には前のページが残っています。\n\n"_qs +
           pages.join(u'\n');
}

FontListWriteResult writeFontListPages(const QString& folder, const QStringList& names, qsizetype perPage,
                                       const FontListStyle& style,
                                       const std::function<void(qsizetype index)>& progress)
{
    FontListWriteResult result;
    if (const int err = createFolders(folder)) {
        result.error = u"「"_qs + folder + u"」を作れませんでした（"_qs + fileFailureText(err) + u"）"_qs;
        return result;
    }
    removeLeftoverPages(folder);
    const qsizetype c = names.size();
    const qsizetype pages = perPage > 0 && c > 0 ? (c + perPage - 1) / perPage : 1;
    for (qsizetype n = 1; n <= pages; ++n) {
        if (progress)
            for (qsizetype i = (n - 1) * perPage; i < std::min(c, n * perPage); ++i)
                progress(i);
        const QString path = folder + u'/' + fontListFileName(n);
        // Replaced whole, never rewritten in place: a kill or a full disk leaves the old page or
        // the new one. Not synced to disk page by page, which would cost more than the writing;
        // the rename already keeps what a crash of the program could lose.
        const bool linked = hasOtherLinks(path);
        const QString err =
            replaceFileContent(path, fontListPageHtml(names, n, perPage, pages, style), Durability::Written);
        if (!err.isEmpty()) {
            result.error = u"「"_qs + path + u"」に書き込めませんでした（"_qs + err + u"）"_qs;
            return result;
        }
        result.written.append(path);
        if (linked)
            result.linksSeparated.append(path);
    }
    return result;
}

} // namespace typecask
