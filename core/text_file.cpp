#include "core/text_file.h"

#include "core/cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace typecask {

namespace {

constexpr char Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype ChunkSize = 64 * 1024;

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and tells whether the close succeeded (an NFS write error can arrive here).
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 || errno == EINTR; // after EINTR Linux has closed it
    }

private:
    int m_fd;
};

// The length without an incomplete UTF-8 sequence at the end (a line cut short mid-character).
qsizetype withoutCutSequence(const QByteArray& b)
{
    const qsizetype n = b.size();
    for (qsizetype back = 1; back <= 4 && back <= n; ++back) {
        const auto c = static_cast<unsigned char>(b[n - back]);
        if ((c & 0xC0) == 0x80)
            continue;
        const qsizetype len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        return len > back ? n - back : n;
    }
    return n;
}

QString decodeLine(const QByteArray& bytes)
{
    if (cp932::isValidUtf8(bytes)) {
        // QString::fromUtf8 drops a leading U+FEFF; only the file's first bytes are a byte order mark.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(bytes);
    }
    return cp932::decode(bytes);
}

// The longest prefix whose UTF-8 form fits in maxBytes, so that what was read is read back
// whole after a save (a code page 932 line grows in UTF-8).
QString withinUtf8Bytes(const QString& s, qsizetype maxBytes)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode());
        const int len = c < 0x80 ? 1 : c < 0x800 ? 2 : pair ? 4 : 3;
        if (bytes + len > maxBytes)
            return s.left(i);
        bytes += len;
        if (pair)
            ++i;
    }
    return s;
}

QString lineText(const QByteArray& raw, bool cut, qsizetype maxBytes)
{
    QByteArray bytes = raw;
    if (cut) {
        QByteArray whole = raw.left(withoutCutSequence(raw));
        if (cp932::isValidUtf8(whole))
            bytes = std::move(whole);
    }
    return withinUtf8Bytes(decodeLine(bytes), maxBytes);
}

QString failureText(int err)
{
    switch (err) {
    case ENOSPC:
        return u"ディスクの空き容量が足りません"_qs;
    case EDQUOT:
        return u"ディスクの使用量の上限を超えています"_qs;
    case EACCES:
    case EPERM:
        return u"書き込む権限がありません"_qs;
    case EROFS:
        return u"読み取り専用の場所です"_qs;
    case EFBIG:
        return u"ファイルが大きすぎます"_qs;
    case EIO:
        return u"ディスクの読み書きに失敗しました"_qs;
    case ENOENT:
    case ENOTDIR:
        return u"フォルダーがありません"_qs;
    default:
        return QString::fromLocal8Bit(std::strerror(err));
    }
}

const QString NotRegularFile = u"通常のファイルではありません"_qs;
const QString ShortFile = u"ファイルを最後まで書き込めませんでした"_qs;

// mkdir -p that keeps the reason of a failure.
int makeFolders(const QString& folder)
{
    struct stat st;
    const QByteArray native = QFile::encodeName(folder);
    if (::stat(native.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder)
        if (const int err = makeFolders(parent))
            return err;
    if (::mkdir(native.constData(), 0777) == 0 || errno == EEXIST)
        return 0;
    return errno;
}

// Where the content goes: a symbolic link is followed, as QSaveFile does, so that a linked
// settings file stays linked.
QString finalTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// A name beside the target as QSaveFile makes it ("<name>.XXXXXX"), so that one clean-up rule
// finds what a kill leaves behind.
QByteArray temporaryName(const QByteArray& target)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    char suffix[6];
    do {
        for (char& c : suffix)
            c = Letters[QRandomGenerator::global()->bounded(62)];
    } while (!isSaveFileSuffix(QString::fromLatin1(suffix, 6)));
    return target + '.' + QByteArray(suffix, 6);
}

void syncFolder(const QString& folder)
{
    const FileDescriptor dir(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get()); // the rename is already done; a failure here loses nothing
}

} // namespace

QString replaceFileContent(const QString& path, const QByteArray& bytes, Durability durability)
{
    const QString target = finalTarget(path);
    const QByteArray native = QFile::encodeName(target);
    struct stat old;
    const bool exists = ::stat(native.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return NotRegularFile;
    if (!exists && errno != ENOENT)
        return failureText(errno);
    const QString folder = QFileInfo(target).path();
    if (const int err = makeFolders(folder))
        return failureText(err);

    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(native);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            return failureText(errno);
    }
    if (fd < 0)
        return failureText(EEXIST);
    FileDescriptor file(fd);
    auto fail = [&](const QString& reason) {
        if (file.get() >= 0)
            file.close();
        ::unlink(temp.constData());
        return reason;
    };
    if (exists)
        ::fchmod(file.get(), old.st_mode & 07777); // keep the file's permissions, as QSaveFile does

    // Unbuffered: a full disk shows at the write that meets it, never later.
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(file.get(), p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(failureText(n < 0 ? errno : EIO));
        p += n;
        left -= n;
    }
    if (durability == Durability::Synced && ::fsync(file.get()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(failureText(errno));
    struct stat written;
    if (::fstat(file.get(), &written) != 0 || written.st_size != bytes.size())
        return fail(ShortFile);
    if (!file.close())
        return fail(failureText(errno));
    if (::rename(temp.constData(), native.constData()) != 0)
        return fail(failureText(errno));
    if (durability == Durability::Synced)
        syncFolder(folder);
    return {};
}

std::optional<QStringList> readTextLines(const QString& path, ReadLimits limits)
{
    const QByteArray native = QFile::encodeName(path);
    // Opening a FIFO blocks until a writer comes and a device may never end: only regular files
    // are opened, and the check is repeated on the open file in case the path was swapped.
    struct stat st;
    if (::stat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const FileDescriptor file(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;

    QStringList lines;
    QByteArray line;
    bool inLine = false;  // bytes of a line not yet ended were seen
    bool cut = false;     // the line is longer than the program uses
    bool afterCr = false; // an LF right after a CR belongs to the same line end
    auto endLine = [&] {
        lines.append(lineText(line, cut, limits.maxLineBytes));
        line.clear();
        inLine = cut = false;
    };

    // A file the program can use is never longer than this; reading stops there.
    const qsizetype budget = std::min(limits.maxLines * (limits.maxLineBytes + 2) + 3, limits.maxTotalBytes);
    qsizetype examined = 0;
    std::array<char, ChunkSize> chunk;
    while (lines.size() < limits.maxLines && examined < budget) {
        const ssize_t got =
            ::read(file.get(), chunk.data(), std::min<qsizetype>(ChunkSize, budget - examined));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // the end, or a read error: what was read so far is the file
        const char* p = chunk.data();
        const char* const end = p + got;
        if (examined == 0 && got >= 3 && std::memcmp(p, Bom, 3) == 0)
            p += 3; // a regular file's first read is never short of its first three bytes
        examined += got;
        while (p < end && lines.size() < limits.maxLines) {
            if (afterCr) {
                afterCr = false;
                if (*p == '\n') {
                    ++p;
                    continue;
                }
            }
            const char* stop = std::find_if(p, end, [](char c) { return c == '\r' || c == '\n'; });
            if (stop > p) {
                inLine = true;
                const qsizetype room = limits.maxLineBytes - line.size();
                const qsizetype take = std::min<qsizetype>(room, stop - p);
                line.append(p, take);
                cut = cut || take < stop - p;
            }
            if (stop == end)
                break;
            afterCr = *stop == '\r';
            endLine();
            p = stop + 1;
        }
    }
    if (inLine && lines.size() < limits.maxLines)
        endLine();
    return lines;
}

bool isSaveFileSuffix(QStringView suffix)
{
    if (suffix.size() != 6)
        return false;
    bool allLower = true;
    bool allDigits = true;
    for (QChar c : suffix) {
        const bool lower = c >= u'a' && c <= u'z';
        const bool digit = c >= u'0' && c <= u'9';
        if (!lower && !digit && !(c >= u'A' && c <= u'Z'))
            return false;
        allLower = allLower && lower;
        allDigits = allDigits && digit;
    }
    return !allLower && !allDigits;
}

QString fileFailureText(int err)
{
    return failureText(err);
}

int createFolders(const QString& folder)
{
    return makeFolders(folder);
}

SaveResult writeTextLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
        bytes += Bom;
    for (const QString& l : lines) {
        bytes += l.toUtf8();
        bytes += "\r\n";
    }
    return {path, replaceFileContent(path, bytes, Durability::Synced)};
}

} // namespace typecask
