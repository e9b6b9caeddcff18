// The RTF a copy produces, read by a real word processor: LibreOffice converts it to HTML
// (headless, no display needed) and the family, size, colour, styles, alignment and text
// must all come through.
#include "colour_tools/gradient_text.h"
#include "colour_tools/random_colour_text.h"
#include "core/colour.h"
#include "core/text_helpers.h"
#include "export/cli_runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vector>

using namespace typecask;

namespace {

struct Attributes
{
    QString face;
    QString size; // e.g. "20pt"
    QString colour;
    bool bold = false;
    bool italic = false;
    QString align;
};

struct TextRun
{
    QString text;
    Attributes attributes;
};

QString decodeEntities(QString s)
{
    static const QRegularExpression entity(u"&(#x[0-9a-fA-F]+|#[0-9]+|amp|lt|gt|quot|nbsp);"_qs);
    QString out;
    qsizetype at = 0;
    for (auto it = entity.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(s).mid(at, m.capturedStart() - at);
        const QString e = m.captured(1);
        if (e == u"amp")
            out += u'&';
        else if (e == u"lt")
            out += u'<';
        else if (e == u"gt")
            out += u'>';
        else if (e == u"quot")
            out += u'"';
        else if (e == u"nbsp")
            out += u' ';
        else {
            const char32_t cp = e.startsWith(u"#x") ? e.mid(2).toUInt(nullptr, 16) : e.mid(1).toUInt();
            out += QString::fromUcs4(&cp, 1);
        }
        at = m.capturedEnd();
    }
    return out + QStringView(s).mid(at);
}

// The text runs of the body of LibreOffice's HTML with the formatting each one inherits.
std::vector<TextRun> bodyRuns(const QString& html)
{
    struct Element
    {
        QString name;
        QHash<QString, QString> attributes;
    };
    static const QRegularExpression attribute(uR"re(([a-zA-Z-]+)="([^"]*)")re"_qs);
    static const QRegularExpression fontSize(uR"re(font-size:\s*([0-9.]+pt))re"_qs);
    std::vector<Element> open;
    std::vector<TextRun> runs;
    const qsizetype bodyAt = html.indexOf(u"<body"_qs);
    qsizetype i = bodyAt < 0 ? html.size() : bodyAt;
    while (i < html.size()) {
        if (html[i] == u'<') {
            const qsizetype end = html.indexOf(u'>', i);
            if (end < 0)
                break;
            const QString tag = html.mid(i + 1, end - i - 1);
            i = end + 1;
            if (tag.startsWith(u'/')) {
                const QString name = tag.mid(1).trimmed().toLower();
                while (!open.empty()) {
                    const bool match = open.back().name == name;
                    open.pop_back();
                    if (match)
                        break;
                }
                continue;
            }
            Element e;
            e.name = tag.section(u' ', 0, 0).remove(u'/').toLower();
            for (auto it = attribute.globalMatch(tag); it.hasNext();) {
                const auto m = it.next();
                e.attributes.insert(m.captured(1).toLower(), m.captured(2));
            }
            if (e.name != u"br" && e.name != u"meta" && e.name != u"img" && !tag.endsWith(u'/'))
                open.push_back(e);
            continue;
        }
        const qsizetype next = html.indexOf(u'<', i);
        QString text = decodeEntities(html.mid(i, (next < 0 ? html.size() : next) - i));
        i = next < 0 ? html.size() : next;
        // LibreOffice breaks long lines at spaces; a line end alone separates tags.
        if (text.trimmed().isEmpty() && text.contains(u'\n'))
            continue;
        text.replace(u'\n', u' ');
        TextRun run{text, {}};
        for (const Element& e : open) { // outermost first, so inner elements win
            if (e.name == u"font" && e.attributes.contains(u"face"_qs))
                run.attributes.face = e.attributes[u"face"_qs].section(u',', 0, 0).trimmed();
            if (e.name == u"font" && e.attributes.contains(u"color"_qs))
                run.attributes.colour = e.attributes[u"color"_qs].toLower();
            const auto size = fontSize.match(e.attributes.value(u"style"_qs));
            if (size.hasMatch())
                run.attributes.size = size.captured(1);
            if (e.name == u"b" || e.name == u"strong")
                run.attributes.bold = true;
            if (e.name == u"i" || e.name == u"em")
                run.attributes.italic = true;
            if (e.name == u"p")
                run.attributes.align = e.attributes.value(u"align"_qs, u"left"_qs);
        }
        runs.push_back(run);
    }
    return runs;
}

struct Case
{
    const char* what;
    QString font;
    QString text;
    int size;
    QString colour; // RRGGBB
    bool bold;
    bool italic;
    QString align;
};

// LibreOffice converts files to HTML in dir/out (file.rtf to out/file.html).
::testing::AssertionResult convertToHtml(const QTemporaryDir& dir, const QStringList& files)
{
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_qs);
    if (soffice.isEmpty())
        return ::testing::AssertionFailure()
               << "soffice not found: install libreoffice-writer-nogui (scripts/install-deps.sh)";
    // A fresh profile for every run, so no earlier settings or lock files take part.
    QProcess lo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_qs, dir.path());
    lo.setProcessEnvironment(env);
    lo.setProcessChannelMode(QProcess::MergedChannels);
    lo.start(soffice,
             QStringList{u"-env:UserInstallation=file://"_qs + dir.filePath(u"profile"_qs), u"--headless"_qs,
                         u"--convert-to"_qs, u"html"_qs, u"--outdir"_qs, dir.filePath(u"out"_qs)} +
                 files);
    if (!lo.waitForFinished(300000))
        return ::testing::AssertionFailure() << "soffice timed out";
    const QString log = QString::fromUtf8(lo.readAll());
    if (lo.exitCode() != 0)
        return ::testing::AssertionFailure() << log.toStdString();
    for (const QString& file : files)
        if (!QFile::exists(dir.filePath(u"out/"_qs + QFileInfo(file).completeBaseName() + u".html")))
            return ::testing::AssertionFailure()
                   << "no HTML for " << file.toStdString() << ": " << log.toStdString();
    return ::testing::AssertionSuccess();
}

QString hexOf(std::int32_t colour)
{
    return u'#' + colourToHex(colour).toLower();
}

} // namespace

TEST(RtfInLibreOffice, FormattingAndTextSurvive)
{
    const Case cases[] = {
        {"Western font, Japanese text", u"DejaVu Sans"_qs, u"Abあいう日本語ｱ、。"_qs, 20, u"336699"_qs, true,
         true, u"center"_qs},
        {"Japanese font, Japanese text", u"IPAゴシック"_qs, u"日本語のテキスト全角ＡＢＣ～"_qs, 12,
         u"FF0000"_qs, false, false, u"right"_qs},
        {"Japanese font, Korean and an emoji", u"IPA明朝"_qs, u"한국어😀"_qs, 16, u"008000"_qs, false, true,
         u"left"_qs},
        {"Western font, Greek, Korean and an emoji", u"DejaVu Serif"_qs, u"Ελληνικά한글😀é"_qs, 14,
         u"800080"_qs, true, false, u"left"_qs},
        // Code page 932 maps these one way; their bytes would read back as \, ~ and others.
        {"Japanese font, one-way characters", u"IPAゴシック"_qs, u"¥100 ‾—〜‖¢£¬− ￥―～∥￠￡￢－"_qs, 12,
         u"993300"_qs, false, false, u"left"_qs},
        {"Western font, one-way characters", u"DejaVu Sans"_qs, u"¥100 ‾—〜‖¢£¬−"_qs, 12, u"006666"_qs, false,
         false, u"left"_qs},
        {"yen sign in the font name", u"¥100 Font"_qs, u"¥100"_qs, 12, u"333399"_qs, false, false,
         u"left"_qs},
        // The vertical-writing variant keeps its "@" name, as Japanese word processors look it up.
        {"vertical-writing family", u"@IPA明朝"_qs, u"「縦書き」の見本、ひらがな。"_qs, 24, u"660000"_qs,
         false, false, u"left"_qs},
        {"Western font, ASCII", u"DejaVu Sans Mono"_qs, u"Plain {text} \\ here"_qs, 9, u"0000FF"_qs, true,
         false, u"right"_qs},
    };

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList files;
    int n = 0;
    for (const Case& c : cases) {
        QStringList args{u"rtf"_qs,     u"--font"_qs, c.font,        u"--size"_qs, QString::number(c.size),
                         u"--color"_qs, c.colour,     u"--align"_qs, c.align};
        if (c.bold)
            args << u"--bold"_qs;
        if (c.italic)
            args << u"--italic"_qs;
        args << c.text;
        const auto r = clitest::runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QString path = dir.filePath(u"case%1.rtf"_qs.arg(n++));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.out);
        files << path;
    }

    ASSERT_TRUE(convertToHtml(dir, files));

    n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile f(dir.filePath(u"out/case%1.html"_qs.arg(n++)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        const std::vector<TextRun> runs = bodyRuns(html);
        QString text;
        for (const TextRun& r : runs) {
            text += r.text;
            if (r.text.trimmed().isEmpty())
                continue;
            const Attributes& a = r.attributes;
            SCOPED_TRACE(r.text.toStdString());
            EXPECT_EQ(a.face, c.font);
            EXPECT_EQ(a.size, QString::number(c.size) + u"pt");
            EXPECT_EQ(a.colour, u'#' + c.colour.toLower());
            EXPECT_EQ(a.bold, c.bold);
            EXPECT_EQ(a.italic, c.italic);
            EXPECT_EQ(a.align, c.align);
        }
        EXPECT_EQ(text.toStdString(), c.text.toStdString()) << html.toStdString();
    }
}

TEST(RtfInLibreOffice, MakersColourEveryCharacter)
{
    struct MakerCase
    {
        const char* what;
        QStringList args;
        QString font;
        QString text;
        std::vector<std::int32_t> colours; // one a character
    };
    std::vector<MakerCase> cases;
    {
        GradientColours two;
        two.start = Rgb(255, 0, 0);
        two.end = Rgb(0, 0, 255);
        const QString text = u"グラデーション文字"_qs;
        MakerCase c{"gradient, Japanese font", {}, u"IPAゴシック"_qs, text, {}};
        for (const ColouredCharacter& ch : gradientCharacters(two, text))
            c.colours.push_back(ch.colour);
        c.args = {u"gradient"_qs, u"--rtf"_qs,  u"--font"_qs, c.font,   u"--start"_qs, u"FF0000"_qs,
                  u"--end"_qs,    u"0000FF"_qs, u"--size"_qs, u"20"_qs, text};
        cases.push_back(c);
    }
    {
        GradientColours three;
        three.start = Rgb(255, 0, 0);
        three.middle = Rgb(0, 160, 0);
        three.end = Rgb(0, 0, 255);
        three.useMiddle = true;
        const QString text = u"あいうえおAbc"_qs;
        MakerCase c{"three-colour gradient, Western font", {}, u"DejaVu Sans"_qs, text, {}};
        for (const ColouredCharacter& ch : gradientCharacters(three, text))
            c.colours.push_back(ch.colour);
        c.args = {u"gradient"_qs, u"--rtf"_qs,  u"--font"_qs, c.font,       u"--start"_qs, u"FF0000"_qs,
                  u"--middle"_qs, u"00A000"_qs, u"--end"_qs,  u"0000FF"_qs, text};
        cases.push_back(c);
    }
    {
        const QString text = u"日本語のランダム"_qs;
        MakerCase c{"random colours, Japanese font", {}, u"IPA明朝"_qs, text, {}};
        QStringList hex;
        for (int i = 0; i < 16; ++i) {
            const std::int32_t colour = Rgb(30 * (i % 8), 200 - 10 * i, 15 * i);
            hex << colourToHex(colour);
            if (i < codePointCount(text))
                c.colours.push_back(colour);
        }
        c.args = {u"random-colours"_qs, u"--rtf"_qs,    u"--font"_qs, c.font,
                  u"--colours"_qs,      hex.join(u','), text};
        cases.push_back(c);
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList files;
    for (std::size_t n = 0; n < cases.size(); ++n) {
        const auto r = clitest::runCli(cases[n].args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QString path = dir.filePath(u"maker%1.rtf"_qs.arg(n));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.out);
        files << path;
    }
    ASSERT_TRUE(convertToHtml(dir, files));

    for (std::size_t n = 0; n < cases.size(); ++n) {
        const MakerCase& c = cases[n];
        SCOPED_TRACE(c.what);
        QFile f(dir.filePath(u"out/maker%1.html"_qs.arg(n)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        QString text;
        std::size_t at = 0;
        for (const TextRun& r : bodyRuns(html)) {
            text += r.text;
            // Neighbours of one colour may share a run; every character must carry its own.
            for (const QString& ch : splitCharacters(r.text)) {
                if (ch.trimmed().isEmpty())
                    continue;
                ASSERT_LT(at, c.colours.size()) << html.toStdString();
                EXPECT_EQ(r.attributes.colour, hexOf(c.colours[at])) << ch.toStdString();
                EXPECT_EQ(r.attributes.face, c.font) << ch.toStdString();
                ++at;
            }
        }
        EXPECT_EQ(at, c.colours.size());
        EXPECT_EQ(text.toStdString(), c.text.toStdString()) << html.toStdString();
    }
}
