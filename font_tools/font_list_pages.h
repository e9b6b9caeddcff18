// The HTML font list: pages that show each font's name and a sample text in that font, a chosen
// number of fonts to a page, linked to each other. Written as "FontList<n>.Html" into the folder
// List below the program folder, in UTF-8 with a byte order mark and CR LF line ends.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace typecask {

// What the page count shows when it cannot be computed; OK then writes nothing.
inline const QString UnknownPageCount = QStringLiteral("??????");

// The fonts-per-page box's word for every font on one page.
inline const QString AllFontsPerPage = QStringLiteral("ALL");

// The largest number of fonts per page that can be typed (a 16-bit count).
constexpr int MaxFontsPerPage = 32767;

// The number of pages for a fonts-per-page text and a font count, or UnknownPageCount.
QString fontListPageCount(const QString& perPageText, qsizetype fontCount);

// The fonts per page the text asks for: every font for "ALL", else the integer part of the
// number typed; none when it is not a number or below 1. A number above MaxFontsPerPage is
// returned as it is, for the caller to refuse.
std::optional<qint64> FontsPerPage(const QString& perPageText, qsizetype fontCount);

struct FontListStyle
{
    QString size = QStringLiteral("3");             // the HTML font size, 1 to 7
    QString textColour = QStringLiteral("#000000"); // "#" and six hexadecimal digits
    QString backColour = QStringLiteral("#FFFFFF");
    QString sample; // written as typed
    bool italic = false;
    bool bold = false;
    bool boldItalic = false;
};

// "FontList" + page + ".Html".
QString fontListFileName(qsizetype page);
// The folder List below the program folder.
QString fontListFolder(const QString& programFolder);

// One page: the fonts of names from index (page - 1) * perPage, with links to every page.
QByteArray fontListPageHtml(const QStringList& names, qsizetype page, qsizetype perPage, qsizetype pageCount,
                            const FontListStyle& style);

// The progress label while the font at index is written: its share of all fonts in whole
// percent, never 100.
QString fontListProgress(qsizetype index, qsizetype fontCount);

struct FontListWriteResult
{
    QStringList written; // the pages' paths, in order
    QString error;       // why a page or the folder could not be written; empty when all were
    // Pages that were hard links: the new page took the name, the other names keep the old page.
    QStringList linksSeparated;
    bool ok() const { return error.isEmpty(); }
};

// What the list maker says of pages whose hard links were separated.
QString fontListLinksMessage(const QStringList& pages);

// Writes every page into folder (created when missing). progress is called before each font
// with its index. Stops at the first page that cannot be written. Each page is replaced whole
// (see replaceFileContent), keeping its permissions; the temporary pages of a killed run, a
// minute old, are removed first.
FontListWriteResult writeFontListPages(const QString& folder, const QStringList& names, qsizetype perPage,
                                       const FontListStyle& style,
                                       const std::function<void(qsizetype index)>& progress = {});

} // namespace typecask
