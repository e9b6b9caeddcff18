// Lines of an HTML file as UTF-8 bytes, read in chunks so that memory stays bounded by the
// longest line. The file's encoding is decided the way browsers decide it: a byte order mark,
// then a <meta charset> or http-equiv declaration in the head, then valid UTF-8, otherwise code
// page 932 (the Japanese Windows code page such pages were written in).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace typecask {

class HtmlLineReader final
{
public:
    HtmlLineReader() = default;
    ~HtmlLineReader();
    HtmlLineReader(const HtmlLineReader&) = delete;
    HtmlLineReader& operator=(const HtmlLineReader&) = delete;

    // Opens a regular file and reads its head; false (error() tells why) when it is missing, a
    // folder, unreadable or not a regular file.
    bool open(const QString& path);

    enum class Next {
        Line,      // line holds the next line, without its end
        End,       // the whole file was read
        Restarted, // the file was not UTF-8 after all: reading starts again from the top in code page 932
        Failed     // a read error; error() tells
    };
    // CR, LF and CR LF each end a line; a final line end starts no further line. The view stays
    // valid until the next call.
    Next next(QByteArrayView& line);

    QString error() const { return m_error; }
    // The encoding the text is read in: "UTF-8", "CP932", or the iconv name of a declared one.
    QByteArray encoding() const { return m_encoding; }

private:
    enum class Mode { Utf8, Utf8Guess, Transcode };

    bool readChunk(char* into, qsizetype room, qsizetype& got);
    bool fill();
    bool transcode(const char* data, qsizetype size, bool last);
    bool startTranscoding(const QByteArray& iconvName, int unitSize);
    void compact();
    qsizetype nextOf(char c, qsizetype& cache, qsizetype& searched, qsizetype from, qsizetype limit) const;
    void closeConverter();

    int m_fd = -1;
    QString m_path;
    QString m_error;
    QByteArray m_encoding;
    Mode m_mode = Mode::Utf8Guess;

    QByteArray m_buf; // UTF-8 text; [m_pos, m_len) not yet handed out
    qsizetype m_pos = 0;
    qsizetype m_len = 0;
    bool m_eof = false;
    bool m_afterCr = false; // an LF right after a CR belongs to the same line end
    // Where the next CR and LF are (-1: none up to *Searched), so that a long line or a
    // file of lone CRs is searched once, not once per line.
    qsizetype m_cr = -1, m_crSearched = 0;
    qsizetype m_lf = -1, m_lfSearched = 0;

    void* m_iconv = nullptr; // iconv_t while transcoding
    int m_unitSize = 1;      // bytes skipped after an invalid sequence (2 for UTF-16)
    QByteArray m_carry;      // an incomplete sequence at the end of the last chunk
    QByteArray m_raw;        // a chunk of the file before transcoding
};

// The charset a document declares in a <meta charset> or <meta http-equiv="Content-Type">
// tag of its head (the text before <body>), as written; empty when none.
QByteArray declaredCharset(QByteArrayView head);

// The iconv name for a charset label as browsers read it ("shift_jis" reads as code page 932,
// "iso-8859-1" as windows-1252, "utf-16" in an ASCII meta tag as UTF-8); empty when the label
// is unknown here.
QByteArray iconvNameForLabel(QByteArrayView label);

} // namespace typecask
