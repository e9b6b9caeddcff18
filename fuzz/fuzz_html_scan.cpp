// The HTML font check: any bytes, read as a page in any encoding and line-end style, give names
// that are whole, each filed once, and never longer than a name may be.
#include "font_tools/html_font_scan.h"
#include "fuzz_support.h"

#include "core/font_catalog.h"

#include <QSet>

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FontCatalog catalog = [] {
        FontCatalog c;
        c.add({u"DejaVu Sans"_qs, 0, 4});
        c.add({u"IPAゴシック"_qs, 128, 4});
        return c;
    }();
    const QString path = fuzz::putFile(u"page.html"_qs, data, size);
    HtmlFontCheck check(catalog);
    qint64 lastProgress = -1;
    const HtmlReadResult r = check.readFile(path, [&](qint64 line) {
        FUZZ_CHECK(line % 100 == 0);
        lastProgress = line;
    });
    FUZZ_CHECK(r.status == HtmlReadResult::Status::Read);
    FUZZ_CHECK(lastProgress < r.lines);
    QSet<QString> seen;
    for (const QStringList* list : {&check.found(), &check.missing()})
        for (const QString& name : *list) {
            FUZZ_CHECK(!name.isEmpty());
            FUZZ_CHECK(name.toUtf8().size() <= MaxFontNameBytes);
            FUZZ_CHECK(!name.contains(u'"') && !name.contains(u'<') && !name.contains(u'>'));
            FUZZ_CHECK(!seen.contains(name));
            seen.insert(name);
        }
    for (const QString& name : check.found())
        FUZZ_CHECK(catalog.find(name) != nullptr);

    // The scanners alone, on the raw bytes as one line: every value lies inside the line.
    const QByteArrayView line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<QByteArrayView> values;
    scanFaceAttribute(line, "face", values);
    scanFontFamily(line, values);
    for (QByteArrayView v : values)
        FUZZ_CHECK(v.data() >= line.data() && v.data() + v.size() <= line.data() + line.size());
    return 0;
}
