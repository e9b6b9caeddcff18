// The HTML font check: the font names an HTML file asks for, in FACE attributes and in
// font-family declarations, sorted into the installed ones (found in the catalog) and the
// missing ones. The lists grow over every file checked until they are cleared.
#pragma once

#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace typecask {

class FontCatalog;

// A value longer than this (in UTF-8 bytes) in any of its names names no font: it is dropped,
// so that a runaway value in a huge line costs neither time nor memory.
constexpr qsizetype MaxFontNameBytes = 1024;

// Whether the check reads a path: its last three characters are "htm" or its last four "html",
// in any letter case.
bool isHtmlPath(const QString& path);

// The position of the first "=" at or after start when only spaces lie before it; -1 otherwise.
qsizetype findEqualsSign(QByteArrayView text, qsizetype start);

// The values of the attribute key (matched in any letter case, also at the end of a longer
// name) in one line, appended to values in order.
void scanFaceAttribute(QByteArrayView line, QByteArrayView key, std::vector<QByteArrayView>& values);

// The values of "font-family:" declarations (exact letter case) in one line, appended to values.
void scanFontFamily(QByteArrayView line, std::vector<QByteArrayView>& values);

struct HtmlReadResult
{
    enum class Status { Read, Ignored, Failed };
    Status status = Status::Ignored;
    QString error;       // Failed: why the file could not be opened or read
    QByteArray encoding; // the encoding the file was read in
    qint64 lines = 0;
};

class HtmlFontCheck
{
public:
    explicit HtmlFontCheck(const FontCatalog& catalog);

    // Called with the line number of every hundredth line (0, 100, ...).
    using Progress = std::function<void(qint64 lineNumber)>;

    // Reads one file and files every name it asks for. A path that is not an HTML path is
    // ignored; a file that cannot be opened or read is Failed, keeping what was read before.
    HtmlReadResult readFile(const QString& path, const Progress& progress = {});

    // Splits a value at commas into at most three names and files each one; a value with markup
    // or entity characters in those names is dropped.
    void AddFontNames(QByteArrayView value);
    // Appends name to the found list when it equals catalogName (exact comparison).
    bool AddFoundFont(const QString& name, const QString& catalogName);

    // The installed and the missing names, each once, in the order first met.
    const QStringList& found() const { return m_found; }
    const QStringList& missing() const { return m_missing; }
    void clear();

private:
    void fileName(QByteArrayView name);
    const QSet<QString>& catalogNames();

    const FontCatalog& m_catalog;
    QSet<QString> m_catalogNames;
    bool m_catalogRead = false;
    QStringList m_found;
    QStringList m_missing;
    QSet<QString> m_foundSet;
    QSet<QString> m_missingSet;
    // Names already filed, as bytes: a page names the same few fonts over and over.
    std::unordered_set<std::string> m_seen;
};

} // namespace typecask
