// Reading and writing the program's small line-based files.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace typecask {

// The file's lines (UTF-8, else code page 932; CR LF, LF or a lone CR end a line; a final
// line end does not start another line). None when the file cannot be opened.
// Reads at most maxLines lines (negative: all).
std::optional<QStringList> readTextLines(const QString& path, qsizetype maxLines = -1);

// Splits decoded text into lines by the same rules.
QStringList splitLines(const QString& text, qsizetype maxLines = -1);

// Writes every line followed by CR LF, in UTF-8, through a save file: on any failure the old
// file stays as it was and false comes back. Creates the folder when missing.
bool writeTextLines(const QString& path, const QStringList& lines);

} // namespace typecask
