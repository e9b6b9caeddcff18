// Reading and writing the program's small line-based files.
#pragma once

#include <QString>
#include <QStringList>
#include <limits>
#include <optional>

namespace typecask {

// How much of a file a reader takes: the lines the program uses and, per line, no more than it
// can use (in UTF-8 bytes). A longer line is cut at a character and the rest of it skipped, so a
// huge or endless file costs no more memory than a full one.
struct ReadLimits
{
    qsizetype maxLines;
    qsizetype maxLineBytes;
    // The bytes read at most in all, for files whose lines may be long but are few.
    qsizetype maxTotalBytes = std::numeric_limits<qsizetype>::max();
};

// The file's lines. CR LF, LF or a lone CR end a line; a final line end does not start another
// line; a byte order mark at the start is skipped. Each line is UTF-8 when it is valid UTF-8,
// otherwise code page 932, so one damaged line never garbles the others. None when the file is
// missing or is not a regular file (a FIFO or a device is never opened for reading).
std::optional<QStringList> readTextLines(const QString& path, ReadLimits limits);

// What became of a save.
struct SaveResult
{
    QString path;
    QString error; // why the file could not be saved (in Japanese); empty when it was
    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }
};

// Writes every line followed by CR LF, in UTF-8 (a byte order mark first when the first line
// begins with U+FEFF, so that it survives the next read), creating the folder when missing.
// Either the whole new content is in place or the old file is untouched and the result says
// why: every write, the flush to disk, the size and the rename are checked.
SaveResult writeTextLines(const QString& path, const QStringList& lines);

// Whether a replaced file's content is on the disk when the call returns (Synced), or only
// where a kill of the program cannot lose it (Written: the page cache; a power cut may).
enum class Durability { Synced, Written };
// Puts bytes in place of the file at path (a symbolic link is followed) through a temporary file
// beside it and a rename, keeping the file's permissions: either the new content is complete
// there or the old file is untouched and the reason is returned (empty when it worked). Another
// hard link to the old file keeps the old content.
QString replaceFileContent(const QString& path, const QByteArray& bytes, Durability durability);

// Whether a name's last six characters could be those of a temporary save file ("<name>.XXXXXX":
// letters and digits, as QSaveFile and writeTextLines make them), leaving out the suffixes a
// person gives a copy (only lower-case letters, "backup", or only digits, "202401"). The saves
// made here never use those.
bool isSaveFileSuffix(QStringView suffix);

// Why a file operation failed, in Japanese, for an errno value.
QString fileFailureText(int err);

// Creates a folder and the folders above it; 0, or the errno of the step that failed (ENOTDIR
// when a file of that name is in the way).
int createFolders(const QString& folder);

} // namespace typecask
