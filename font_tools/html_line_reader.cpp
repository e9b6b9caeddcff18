#include "font_tools/html_line_reader.h"

#include "core/ascii.h"
#include "core/cp932.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace typecask {

namespace {

constexpr qsizetype ChunkSize = 256 * 1024;
// How far into the file a charset declaration is looked for (browsers look in the head).
constexpr qsizetype HeadLimit = 64 * 1024;
constexpr char Replacement[] = "\xEF\xBF\xBD";

iconv_t toIconv(void* cd)
{
    return static_cast<iconv_t>(cd);
}

// Whether word (in lower case) stands at text[at], in any letter case.
bool startsWithIgnoringCase(QByteArrayView text, qsizetype at, std::string_view word)
{
    return at <= text.size() &&
           ascii::startsWithNoCase(
               std::string_view(text.data() + at, static_cast<std::size_t>(text.size() - at)), word);
}

QByteArray lowered(QByteArrayView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), out.begin(), ascii::lower);
    return out;
}

QString openFailure(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return u"ファイルがありません"_qs;
    case EACCES:
    case EPERM:
        return u"読み取る権限がありません"_qs;
    case EISDIR:
        return u"フォルダーです"_qs;
    case EIO:
        return u"ディスクの読み込みに失敗しました"_qs;
    default:
        return QString::fromLocal8Bit(std::strerror(err));
    }
}

// The value of an attribute or of charset= in a content attribute: quoted, or up to a space or
// one of the stop characters.
QByteArrayView valueAt(QByteArrayView text, qsizetype& i, QByteArrayView stops)
{
    const qsizetype n = text.size();
    if (i < n && (text[i] == '"' || text[i] == '\'')) {
        const char quote = text[i];
        const qsizetype start = ++i;
        while (i < n && text[i] != quote)
            ++i;
        const QByteArrayView v = text.sliced(start, i - start);
        if (i < n)
            ++i;
        return v;
    }
    const qsizetype start = i;
    while (i < n && !ascii::isSpace(text[i]) && !stops.contains(text[i]))
        ++i;
    return text.sliced(start, i - start);
}

QByteArrayView charsetInContent(QByteArrayView content)
{
    for (qsizetype at = 0; at + 7 <= content.size(); ++at) {
        if (!startsWithIgnoringCase(content, at, "charset"))
            continue;
        qsizetype i = at + 7;
        while (i < content.size() && ascii::isSpace(content[i]))
            ++i;
        if (i >= content.size() || content[i] != '=')
            continue;
        ++i;
        while (i < content.size() && ascii::isSpace(content[i]))
            ++i;
        return valueAt(content, i, ";");
    }
    return {};
}

// The attributes of a meta tag from just after its name; the charset it declares, if any.
QByteArrayView metaCharset(QByteArrayView text, qsizetype& i)
{
    const qsizetype n = text.size();
    QByteArrayView charset, httpEquiv, content;
    while (i < n) {
        while (i < n && (ascii::isSpace(text[i]) || text[i] == '/'))
            ++i;
        if (i >= n || text[i] == '>')
            break;
        const qsizetype nameStart = i;
        while (i < n && !ascii::isSpace(text[i]) && text[i] != '=' && text[i] != '>' && text[i] != '/')
            ++i;
        const QByteArray name = lowered(text.sliced(nameStart, i - nameStart));
        while (i < n && ascii::isSpace(text[i]))
            ++i;
        QByteArrayView value;
        if (i < n && text[i] == '=') {
            ++i;
            while (i < n && ascii::isSpace(text[i]))
                ++i;
            value = valueAt(text, i, ">");
        }
        if (name == "charset" && charset.isNull())
            charset = value;
        else if (name == "http-equiv" && httpEquiv.isNull())
            httpEquiv = value;
        else if (name == "content" && content.isNull())
            content = value;
    }
    if (!charset.isEmpty())
        return charset;
    if (lowered(httpEquiv) == "content-type")
        return charsetInContent(content);
    return {};
}

} // namespace

QByteArray declaredCharset(QByteArrayView head)
{
    const qsizetype n = head.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype lt = head.indexOf('<', i);
        if (lt < 0)
            break;
        if (head.sliced(lt).startsWith("<!--")) {
            const qsizetype end = head.indexOf("-->", lt + 4);
            if (end < 0)
                break;
            i = end + 3;
            continue;
        }
        i = lt + 1;
        if (startsWithIgnoringCase(head, i, "body") &&
            (i + 4 >= n || ascii::isSpace(head[i + 4]) || head[i + 4] == '>'))
            break; // the head is over
        if (startsWithIgnoringCase(head, i, "meta") && i + 4 < n &&
            (ascii::isSpace(head[i + 4]) || head[i + 4] == '/')) {
            i += 4;
            const QByteArrayView charset = metaCharset(head, i);
            if (!charset.isEmpty())
                return charset.toByteArray();
        }
    }
    return {};
}

QByteArray iconvNameForLabel(QByteArrayView label)
{
    const QByteArray l = lowered(label.trimmed());
    static const struct
    {
        const char* names;
        const char* iconv;
    } Known[] = {
        {" utf-8 utf8 unicode-1-1-utf-8 unicode11utf8 unicode20utf8 x-unicode20utf8 ", "UTF-8"},
        // A UTF-16 page could not have declared itself in ASCII: browsers read such a
        // declaration as UTF-8.
        {" utf-16 utf-16le utf-16be unicode unicodefeff unicodefffe ucs-2 csunicode iso-10646-ucs-2 ",
         "UTF-8"},
        {" shift_jis shift-jis sjis ms_kanji csshiftjis windows-31j x-sjis ms932 cp932 ", "CP932"},
        {" euc-jp x-euc-jp cseucpkdfmtjapanese ", "EUC-JP"},
        {" iso-2022-jp csiso2022jp ", "ISO-2022-JP"},
        {" us-ascii ascii iso-8859-1 iso8859-1 iso_8859-1 latin1 l1 cp819 ibm819 windows-1252 cp1252 "
         "x-cp1252 ",
         "CP1252"},
    };
    if (l.isEmpty())
        return {};
    const QByteArray padded = ' ' + l + ' ';
    for (const auto& k : Known)
        if (QByteArrayView(k.names).contains(padded))
            return k.iconv;
    // Other labels as glibc knows them, if they look like a charset name at all.
    const bool plain = l.size() <= 40 && std::all_of(l.begin(), l.end(), [](char c) {
                           return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
                                  c == '.' || c == ':';
                       });
    if (!plain)
        return {};
    const QByteArray name = l.toUpper();
    const iconv_t cd = iconv_open("UTF-8", name.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    iconv_close(cd);
    return name;
}

HtmlLineReader::~HtmlLineReader()
{
    closeConverter();
    if (m_fd >= 0)
        ::close(m_fd);
}

void HtmlLineReader::closeConverter()
{
    if (m_iconv)
        iconv_close(toIconv(m_iconv));
    m_iconv = nullptr;
}

bool HtmlLineReader::open(const QString& path)
{
    m_path = path;
    const QByteArray native = QFile::encodeName(path);
    // A FIFO would block the open and a device may never end: regular files only, checked again
    // on the open file in case the path was swapped meanwhile.
    struct stat st;
    if (::stat(native.constData(), &st) != 0) {
        m_error = openFailure(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        m_error = openFailure(EISDIR);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        m_error = u"通常のファイルではありません"_qs;
        return false;
    }
    m_fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        m_error = openFailure(m_fd < 0 ? errno : EISDIR);
        return false;
    }

    m_buf.resize(ChunkSize);
    qsizetype got = 0;
    if (!readChunk(m_buf.data(), ChunkSize, got))
        return false;
    m_len = got;
    m_eof = got == 0;
    const QByteArrayView head(m_buf.constData(), m_len);
    m_encoding = "UTF-8";
    if (head.startsWith("\xEF\xBB\xBF")) {
        m_mode = Mode::Utf8;
        m_pos = 3;
        return true;
    }
    QByteArray iconvName;
    int skip = 0;
    if (head.startsWith("\xFF\xFE")) {
        iconvName = "UTF-16LE";
        skip = 2;
    } else if (head.startsWith("\xFE\xFF")) {
        iconvName = "UTF-16BE";
        skip = 2;
    } else {
        iconvName = iconvNameForLabel(declaredCharset(head.first(std::min(m_len, HeadLimit))));
    }
    if (iconvName == "UTF-8") {
        m_mode = Mode::Utf8;
        return true;
    }
    if (iconvName.isEmpty() || !startTranscoding(iconvName, skip == 2 ? 2 : 1)) {
        m_mode = Mode::Utf8Guess;
        return true;
    }
    // The head was read as bytes; it becomes the first text.
    const QByteArray first(m_buf.constData() + skip, m_len - skip);
    m_len = 0;
    return transcode(first.constData(), first.size(), m_eof);
}

bool HtmlLineReader::startTranscoding(const QByteArray& iconvName, int unitSize)
{
    closeConverter();
    const iconv_t cd = iconv_open("UTF-8", iconvName.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    m_iconv = cd;
    m_unitSize = unitSize;
    m_mode = Mode::Transcode;
    m_encoding = iconvName;
    m_carry.clear();
    return true;
}

bool HtmlLineReader::readChunk(char* into, qsizetype room, qsizetype& got)
{
    for (;;) {
        const ssize_t n = ::read(m_fd, into, static_cast<size_t>(room));
        if (n >= 0) {
            got = n;
            return true;
        }
        if (errno != EINTR && errno != EAGAIN) {
            m_error = openFailure(errno);
            return false;
        }
    }
}

void HtmlLineReader::compact()
{
    if (m_pos == 0)
        return;
    std::memmove(m_buf.data(), m_buf.constData() + m_pos, static_cast<size_t>(m_len - m_pos));
    const auto shift = [this](qsizetype& cache, qsizetype& searched) {
        cache = cache >= m_pos ? cache - m_pos : -1;
        searched = std::max<qsizetype>(0, searched - m_pos);
    };
    shift(m_cr, m_crSearched);
    shift(m_lf, m_lfSearched);
    m_len -= m_pos;
    m_pos = 0;
}

bool HtmlLineReader::fill()
{
    compact();
    if (m_eof)
        return true;
    qsizetype got = 0;
    if (m_mode != Mode::Transcode) {
        if (m_buf.size() < m_len + ChunkSize)
            m_buf.resize(std::max(m_len + ChunkSize, m_buf.size() + m_buf.size() / 2));
        if (!readChunk(m_buf.data() + m_len, ChunkSize, got))
            return false;
        m_len += got;
        m_eof = got == 0;
        return true;
    }
    m_raw.resize(ChunkSize);
    if (!readChunk(m_raw.data(), ChunkSize, got))
        return false;
    m_eof = got == 0;
    return transcode(m_raw.constData(), got, m_eof);
}

bool HtmlLineReader::transcode(const char* data, qsizetype size, bool last)
{
    m_carry.append(data, size);
    char* in = m_carry.data();
    size_t inLeft = static_cast<size_t>(m_carry.size());
    // UTF-8 takes at most three bytes per input byte (a replacement character for a bad one).
    const qsizetype need = m_len + static_cast<qsizetype>(inLeft) * 3 + 16;
    if (m_buf.size() < need)
        m_buf.resize(std::max(need, m_buf.size() + m_buf.size() / 2));
    const auto replace = [&](size_t skip) {
        if (m_buf.size() < m_len + 3)
            m_buf.resize(m_len * 2 + 16);
        std::memcpy(m_buf.data() + m_len, Replacement, 3);
        m_len += 3;
        skip = std::min(skip, inLeft);
        in += skip;
        inLeft -= skip;
    };
    while (inLeft > 0) {
        char* out = m_buf.data() + m_len;
        size_t outLeft = static_cast<size_t>(m_buf.size() - m_len);
        const size_t r = iconv(toIconv(m_iconv), &in, &inLeft, &out, &outLeft);
        m_len = out - m_buf.data();
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            m_buf.resize(m_buf.size() * 2 + 64);
        else if (errno == EINVAL)
            break; // an incomplete sequence: the next chunk completes it
        else
            replace(static_cast<size_t>(m_unitSize));
    }
    if (last) {
        while (inLeft > 0)
            replace(static_cast<size_t>(m_unitSize));
        char* out = m_buf.data() + m_len;
        size_t outLeft = static_cast<size_t>(m_buf.size() - m_len);
        iconv(toIconv(m_iconv), nullptr, nullptr, &out, &outLeft);
        m_len = out - m_buf.data();
    }
    m_carry = QByteArray(in, static_cast<qsizetype>(inLeft));
    return true;
}

qsizetype HtmlLineReader::nextOf(char c, qsizetype& cache, qsizetype& searched, qsizetype from,
                                 qsizetype limit) const
{
    if (cache >= from)
        return cache < limit ? cache : -1;
    const qsizetype start = std::max(from, searched);
    if (start < limit) {
        if (const void* hit = std::memchr(m_buf.constData() + start, c, static_cast<size_t>(limit - start))) {
            cache = static_cast<const char*>(hit) - m_buf.constData();
            return cache;
        }
    }
    cache = -1;
    searched = std::max(searched, limit);
    return -1;
}

HtmlLineReader::Next HtmlLineReader::next(QByteArrayView& line)
{
    for (;;) {
        if (m_afterCr) {
            if (m_pos < m_len) {
                if (m_buf[m_pos] == '\n')
                    ++m_pos;
                m_afterCr = false;
            } else if (m_eof) {
                m_afterCr = false;
            } else {
                if (!fill())
                    return Next::Failed;
                continue;
            }
        }
        const qsizetype lf = nextOf('\n', m_lf, m_lfSearched, m_pos, m_len);
        const qsizetype cr = nextOf('\r', m_cr, m_crSearched, m_pos, lf >= 0 ? lf : m_len);
        const qsizetype end = cr >= 0 ? cr : lf;
        if (end >= 0 || (m_eof && m_pos < m_len)) {
            const qsizetype stop = end >= 0 ? end : m_len;
            line = QByteArrayView(m_buf.constData() + m_pos, stop - m_pos);
            m_afterCr = end >= 0 && m_buf[end] == '\r';
            m_pos = end >= 0 ? end + 1 : m_len;
            if (m_mode == Mode::Utf8Guess && !cp932::isValidUtf8(line)) {
                // Not UTF-8 after all: the whole file is read again as code page 932.
                if (::lseek(m_fd, 0, SEEK_SET) != 0 || !startTranscoding("CP932", 1)) {
                    m_error = openFailure(errno);
                    return Next::Failed;
                }
                m_pos = m_len = 0;
                m_eof = m_afterCr = false;
                m_cr = m_lf = -1;
                m_crSearched = m_lfSearched = 0;
                return Next::Restarted;
            }
            return Next::Line;
        }
        if (m_eof)
            return Next::End;
        if (!fill())
            return Next::Failed;
    }
}

} // namespace typecask
