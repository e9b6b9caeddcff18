// The CSS font check: family values as browsers parse them, declarations found in style
// attributes, <style> blocks and linked sheets, the text each list applies to, and the
// resolution of each list over a made-up set of fonts.
#include "font_tools/css_font_resolve.h"
#include "font_tools/css_font_scan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <ostream>

using namespace typecask;

namespace typecask {
inline void PrintTo(const CssFamily& f, std::ostream* os)
{
    *os << (f.generic ? "generic " : "") << '"' << f.name.toStdString() << '"';
}
} // namespace typecask

namespace {

QString fixture(const char* name)
{
    return qEnvironmentVariable("TYPECASK_TEST_DATA") + u"/html/css/"_qs + QString::fromUtf8(name);
}

CssFamily named(const QString& n)
{
    return {n, false};
}
CssFamily generic(const QString& n)
{
    return {n, true};
}

struct ValueCase
{
    const char16_t* value;
    std::vector<CssFamily> families;
};

TEST(CssFamilyValue, NamesAsBrowsersReadThem)
{
    const ValueCase cases[] = {
        {u"\"Noto Sans JP\", \"Hiragino Sans\", sans-serif",
         {named(u"Noto Sans JP"_qs), named(u"Hiragino Sans"_qs), generic(u"sans-serif"_qs)}},
        {u"'IPAゴシック',serif", {named(u"IPAゴシック"_qs), generic(u"serif"_qs)}},
        // Unquoted words make one name with single spaces.
        {u"DejaVu   Sans ,Times New Roman", {named(u"DejaVu Sans"_qs), named(u"Times New Roman"_qs)}},
        // Escapes: hexadecimal with its optional space, and a quote kept in a name.
        {u"\"A\\22 B\", 'C\\'D', E\\ F, \\30 01",
         {named(u"A\"B"_qs), named(u"C'D"_qs), named(u"E F"_qs), named(u"001"_qs)}},
        // A quoted keyword is a font name; an unquoted one in any case is generic.
        {u"\"serif\", SANS-SERIF", {named(u"serif"_qs), generic(u"sans-serif"_qs)}},
        {u"a, b, c, d, e, f",
         {named(u"a"_qs), named(u"b"_qs), named(u"c"_qs), named(u"d"_qs), named(u"e"_qs), named(u"f"_qs)}},
        // What browsers drop: keywords, functions, numbers, empty items.
        {u"inherit", {}},
        {u"Foo, initial", {}},
        {u"var(--font), serif", {}},
        {u"12px Foo", {}},
        {u"Foo,, Bar", {}},
        {u"Foo,", {}},
        {u"", {}},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(parseFontFamilyValue(QStringView(c.value)), c.families)
            << QStringView(c.value).toString().toStdString();

    for (const char16_t* g :
         {u"serif", u"sans-serif", u"monospace", u"cursive", u"fantasy", u"system-ui", u"ui-serif",
          u"ui-sans-serif", u"ui-monospace", u"ui-rounded", u"emoji", u"math", u"fangsong"}) {
        EXPECT_TRUE(isGenericFamily(QStringView(g)));
        EXPECT_EQ(parseFontFamilyValue(QStringView(g)),
                  std::vector<CssFamily>{generic(QStringView(g).toString())});
    }
    EXPECT_FALSE(isGenericFamily(u"sans"));
}

TEST(CssFamilyValue, TheFamilyPartOfTheFontShorthand)
{
    const ValueCase cases[] = {
        {u"12px Arial", {named(u"Arial"_qs)}},
        {u"italic bold 12px/30px Georgia, serif", {named(u"Georgia"_qs), generic(u"serif"_qs)}},
        {u"700 1.2em / 1.5 \"IPA明朝\", 'DejaVu Serif'", {named(u"IPA明朝"_qs), named(u"DejaVu Serif"_qs)}},
        {u"small-caps large Times New Roman", {named(u"Times New Roman"_qs)}},
        {u"calc(1em + 2px) monospace", {generic(u"monospace"_qs)}},
        {u"menu", {}},    // a system font
        {u"inherit", {}}, // a keyword
        {u"condensed oblique 25deg 753 small-caps 12pt/normal \"H N\", serif",
         {named(u"H N"_qs), generic(u"serif"_qs)}},
        {u"ultra-condensed italic 900 x-large/2 'A'", {named(u"A"_qs)}},
        {u"bold Arial", {}}, // no size: dropped
        {u"700 serif", {}},  // a weight is no size
        {u"12px", {}},       // no family: dropped
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(parseFontShorthand(QStringView(c.value)), c.families)
            << QStringView(c.value).toString().toStdString();
}

struct Found
{
    std::string property, value;
    bool fontFace;
    bool operator==(const Found&) const = default;
};

std::vector<Found> declarationsIn(const std::vector<QByteArray>& pieces, bool declarationsOnly,
                                  std::vector<std::string>* imports = nullptr, int* faces = nullptr)
{
    std::vector<Found> found;
    CssDeclarationScanner::Handler h;
    h.declaration = [&](const CssDeclaration& d) {
        found.push_back(
            {d.property.toByteArray().toStdString(), d.value.toByteArray().toStdString(), d.inFontFace});
    };
    h.import = [&](QByteArrayView t) {
        if (imports)
            imports->push_back(t.toByteArray().toStdString());
    };
    h.fontFaceEnd = [&] {
        if (faces)
            ++*faces;
    };
    CssDeclarationScanner s(std::move(h), declarationsOnly);
    for (const QByteArray& p : pieces)
        s.feed(p);
    s.finish();
    return found;
}

TEST(CssDeclarations, CommentsStringsCaseAndImportantInAnyPieces)
{
    // Pieces cut anywhere, even inside "/*" and "*/", give the same declarations.
    const QByteArray css = "/* a { font-family: Gone } */ @import url(\"a.css\");\n"
                           "@media screen { P{FONT-FAMILY :\"x;}y\" , serif ! IMPORTANT} }\n"
                           "@font-face{font-family:'W';src:url(w.woff)}h1{font:12px/2 A/**/B}";
    const std::vector<Found> expected = {
        {"font-family", "\"x;}y\" , serif", false},
        {"font-family", "'W'", true},
        {"src", "url(w.woff)", true},
        {"font", "12px/2 A B", false},
    };
    for (qsizetype cut = 0; cut <= css.size(); ++cut) {
        std::vector<std::string> imports;
        int faces = 0;
        EXPECT_EQ(declarationsIn({css.first(cut), css.sliced(cut)}, false, &imports, &faces), expected)
            << cut;
        EXPECT_EQ(imports, std::vector<std::string>{"a.css"});
        EXPECT_EQ(faces, 1);
    }
    // A style attribute holds declarations alone; the last one needs no ";".
    EXPECT_EQ(declarationsIn({"color:red; font-family : 'A B' ;FONT:1px C"}, true),
              (std::vector<Found>{
                  {"color", "red", false}, {"font-family", "'A B'", false}, {"font", "1px C", false}}));
    // A runaway declaration is dropped, the next one read.
    const QByteArray huge = "a{font-family:" + QByteArray(MaxCssChunkBytes + 10, 'x') + ";font-family:B}";
    EXPECT_EQ(declarationsIn({huge}, false), (std::vector<Found>{{"font-family", "B", false}}));
}

QStringList firstNames(const std::vector<CssFamilyList>& lists)
{
    QStringList out;
    for (const CssFamilyList& l : lists)
        out += l.families.front().name;
    return out;
}

QString textOf(const CharacterSet& set);

// Each list's text by the list as written, for pages whose lists are told apart by that.
std::map<QString, QString> textByList(const std::vector<CssFamilyList>& lists)
{
    std::map<QString, QString> out;
    for (const CssFamilyList& l : lists)
        out[l.written] = textOf(l.text);
    return out;
}

QString textOf(const CharacterSet& set)
{
    QString s;
    for (char32_t c : set.toVector())
        s += QString::fromUcs4(&c, 1);
    return s;
}

TEST(CssFontCheck, TextGoesToTheListItsElementGetsNotToEveryListOfThePage)
{
    CssFontCheck check;
    check.scanText("<html><head><title>Tt</title><style>p{font-family:serif}</style>\n"
                   "<script>if (a<b) x = '<b style=\"font-family:S\">';</script></head>\n"
                   "<body>ab<div STYLE=\"color:red;FONT-FAMILY:&quot;Q&quot;\">c<b>d&amp;</b>\n"
                   "<br><img style='font-family:Img'>e</div>f<!-- <p style='font-family:C'>g -->"
                   "<p style=\"font-family:Q\">h<p>i</p>\r\n"
                   "<span title='a > b' style=font-family:Unquoted>j</span>");
    const std::vector<CssFamilyList> lists = check.lists();
    ASSERT_EQ(firstNames(lists), (QStringList{u"serif"_qs, u"Q"_qs, u"Img"_qs, u"Unquoted"_qs}));
    EXPECT_EQ(textOf(check.pageText()), u"&abcdefhij"_qs); // no title, script or comment
    // The <p> rule styles only the <p> without a style attribute of its own.
    EXPECT_EQ(textOf(lists[0].text), u"i"_qs);
    // "Q" twice is one list; the second <p> closes the first.
    EXPECT_EQ(textOf(lists[1].text), u"&cdeh"_qs);
    EXPECT_EQ(lists[1].written, u"\"Q\""_qs);
    EXPECT_EQ(lists[1].sources, static_cast<unsigned char>(CssSource::StyleAttribute));
    EXPECT_TRUE(lists[2].text.isEmpty());
    EXPECT_EQ(textOf(lists[3].text), u"j"_qs);
}

TEST(CssFontCheck, CharactersAreDistinctAndOnlyThoseThatNeedGlyphs)
{
    CssFontCheck check;
    check.scanText("<p style='font-family:A'>あああ &#x1F600;&#12354;&nbsp;\xE2\x80\x8B\t&bogus; x</p>");
    const CharacterSet text = check.lists().front().text;
    EXPECT_EQ(text.toVector(),
              (std::vector<char32_t>{U'&', U';', U'b', U'g', U'o', U's', U'u', U'x', U'あ', U'\U0001F600'}));
    EXPECT_EQ(text.size(), 10);
    EXPECT_TRUE(text.contains(U'\U0001F600'));
    EXPECT_FALSE(text.contains(U' '));
}

TEST(CssFontCheck, BrokenUtf8GivenStraightIsOneReplacementCharacterEach)
{
    // Beyond U+10FFFF, a surrogate, a cut sequence and a stray continuation byte.
    CssFontCheck check;
    check.scanText("<p style='font-family:A'>\xF7\xBF\xBF\xBF\xED\xA0\x80\xE3\x81z\xBF"
                   "a</p>");
    EXPECT_EQ(check.lists().front().text.toVector(), (std::vector<char32_t>{U'a', U'z', U'\uFFFD'}));
}

TEST(CssFontCheck, AFileWithLinkedSheetsImportsAndWebFonts)
{
    CssFontCheck check;
    const CssFileResult r = check.scanFile(fixture("modern.html"));
    ASSERT_EQ(r.status, CssFileResult::Status::Read);
    EXPECT_EQ(r.styleSheets, (QStringList{QDir::cleanPath(fixture("styles/site.css")),
                                          QDir::cleanPath(fixture("styles/print.css"))}));
    EXPECT_TRUE(r.unreadSheets.isEmpty()); // the https one is not read at all
    const std::vector<CssFamilyList> lists = check.lists();
    // The linked sheet (and the sheet it imports first) is read where it is linked.
    EXPECT_EQ(firstNames(lists),
              (QStringList{u"fantasy"_qs, u"Site Font"_qs, u"IPAゴシック"_qs, u"Brand Web"_qs,
                           u"Missing Mono"_qs, u"DejaVu Sans"_qs, u"Nowhere Sans"_qs}));
    EXPECT_EQ(check.webFonts(), (std::vector<CssWebFont>{
                                    {u"Brand Web"_qs, u"url(\"fonts/brand.woff2\") format(\"woff2\")"_qs}}));
    EXPECT_EQ(textOf(lists[5].text), u"Laintと日本語"_qs);
    EXPECT_EQ(textOf(lists[3].text), u"し出見"_qs); // h1's own rule, not the body's
    EXPECT_EQ(textOf(lists[4].text), u"mno"_qs);    // code
    EXPECT_TRUE(lists[2].text.isEmpty());           // the body's text is all in elements of their own
    EXPECT_TRUE(lists[0].text.isEmpty());           // no element has class print

    // A missing page is Failed; a missing linked sheet is named and the page still read.
    QTemporaryDir dir;
    QFile page(dir.filePath(u"p.html"_qs));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<link rel=\"alternate stylesheet\" href=\"gone.css\"><p style='font-family:P'>x");
    page.close();
    CssFontCheck second;
    const CssFileResult r2 = second.scanFile(page.fileName());
    EXPECT_EQ(r2.status, CssFileResult::Status::Read);
    ASSERT_EQ(r2.unreadSheets.size(), 1);
    EXPECT_TRUE(r2.unreadSheets.front().contains(u"gone.css"));
    EXPECT_EQ(firstNames(second.lists()), QStringList{u"P"_qs});
    EXPECT_EQ(second.scanFile(dir.filePath(u"none.html"_qs)).status, CssFileResult::Status::Failed);
}

// Which rule styles an element: selectors, !important, specificity, order, inheritance, the
// browser's own defaults, <font face>, custom properties and the font shorthand's forms.
TEST(CssFontCheck, EachElementGetsTheListTheCascadeGivesIt)
{
    CssFontCheck check;
    check.scanText(
        "<html lang=ja class='root'><head><style>\n"
        ":root { --stack: 'Var A', var(--none, serif); }\n"
        "body { font-family: Body }\n"
        ".en { font-family: \"Helvetica Neue\", Arial, sans-serif }\n"
        "div > .en, #main .en { font-family: Deep }\n"
        "p.en[data-x] { font-family: Attr !important }\n"
        "section p { font-family: Later } section p { font-family: Last }\n"
        "a:hover, li:last-child, p::before, h2 + ul { font-family: Never }\n"
        "h2 + p, ul li:first-child, h2 ~ q.x { font-family: Sibling }\n"
        "@media print { body { font-family: Print } }\n"
        "@media (max-width: 640px), not screen { body { font-family: Narrow } }\n"
        "@media (min-width: 40em) and (orientation: landscape) { ul { font-family: Wide } }\n"
        "@media screen and (min-width: 1px) { h3 { font: italic small-caps 700 condensed 12px/2 'H3', serif "
        "} }\n"
        ".v { font-family: var(--stack) } .i { font-family: inherit } .r { font-family: initial }\n"
        ":lang(ja) em { font-family: Lang } [hidden] { font-family: Hidden }\n"
        "*.m { font: menu } q:not(.x) { font-family: Not }\n"
        "</style></head><body>b"
        "<p class=en>e</p><div><p class='x en'>d</p></div><div id=main><span><b class=en>m</b></span></div>"
        "<p class=en data-x style='font-family: Inline'>a</p><p class=en style='font-family: Imp "
        "!important'>I</p>"
        "<section><p>L</p></section><h2>2</h2><p>+</p><ul><li>1</li></ul>"
        "<h3>3<code>c</code><pre class=i>p</pre></h3><kbd class=r>r</kbd>"
        "<div class=v>v</div><font face='Face, monospace'>f<span style='font-family:Over'>o</span></font>"
        "<em>j</em><button class=m>u</button><input value=w><select><option>O</select>"
        "<q>q</q><q class=x>Q</q></body></html>");
    std::map<QString, QString> text = textByList(check.lists());
    EXPECT_EQ(text[u"Body"_qs], u"2b"_qs);
    EXPECT_EQ(text[u"Sibling"_qs], u"+1Q"_qs);
    EXPECT_EQ(text[u"Narrow"_qs], u""_qs); // a desktop window is wider
    EXPECT_EQ(text[u"Wide"_qs], u""_qs);   // its one item is its first child
    EXPECT_EQ(text[u"\"Helvetica Neue\", Arial, sans-serif"_qs], u"e"_qs);
    EXPECT_EQ(text[u"Deep"_qs], u"dm"_qs);
    EXPECT_EQ(text[u"Attr"_qs], u"a"_qs); // an important rule over the style attribute
    EXPECT_EQ(text[u"Imp"_qs], u"I"_qs);  // an important style attribute over an important rule
    EXPECT_EQ(text[u"Inline"_qs], u""_qs);
    EXPECT_EQ(text[u"Last"_qs], u"L"_qs);
    EXPECT_EQ(text[u"Never"_qs], u""_qs);
    EXPECT_EQ(text[u"Print"_qs], u""_qs);
    EXPECT_EQ(text[u"italic small-caps 700 condensed 12px/2 'H3', serif"_qs], u"3p"_qs); // pre inherits
    EXPECT_EQ(text[u"monospace"_qs], u"c"_qs); // the browser's own style for code
    EXPECT_EQ(text[u"'Var A', serif"_qs], u"v"_qs);
    EXPECT_EQ(text[u"Face, monospace"_qs], u"f"_qs);
    EXPECT_EQ(text[u"Over"_qs], u"o"_qs);
    EXPECT_EQ(text[u"Lang"_qs], u"j"_qs);
    EXPECT_EQ(text[u"menu"_qs], u"Ou"_qs); // font: menu is system-ui, as the controls' own is
    EXPECT_EQ(text[u"Not"_qs], u"q"_qs);
    EXPECT_EQ(text[u"Hidden"_qs], u""_qs); // a rule that styles nothing
    // A page's rules style that page only.
    check.scanText("<p class=en>z</p>");
    text = textByList(check.lists());
    EXPECT_TRUE(
        std::none_of(text.begin(), text.end(), [](const auto& t) { return t.second.contains(u'z'); }));
    // initial: the page's default font, no list.
    EXPECT_TRUE(
        std::none_of(text.begin(), text.end(), [](const auto& t) { return t.second.contains(u'r'); }));
}

TEST(CssFontCheck, DistinctListsAreBounded)
{
    CssFontCheck check;
    QByteArray page;
    for (int i = 0; i < MaxFamilyLists + 50; ++i)
        page += "<i style='font-family:F" + QByteArray::number(i) + "'>x</i>";
    check.scanText(page);
    EXPECT_EQ(static_cast<qsizetype>(check.lists().size()), MaxFamilyLists);
}

class FakeResolver final : public FontResolver
{
public:
    std::map<QString, QString> installed; // case folded -> family
    std::map<QString, QString> substitutes;
    std::map<QString, QString> coverage; // family -> characters

    QString installedFamily(const QString& name) override
    {
        const auto it = installed.find(name.toCaseFolded());
        return it == installed.end() ? QString() : it->second;
    }
    QString substitute(const QString& generic) override
    {
        return substitutes[generic.isEmpty() ? u"serif"_qs : generic];
    }
    bool covers(const QString& family, char32_t c) override
    {
        return coverage[family].contains(QString::fromUcs4(&c, 1));
    }
    QString fallback(char32_t c) override
    {
        for (const auto& [family, chars] : fallbacks)
            if (chars.contains(QString::fromUcs4(&c, 1)))
                return family;
        return {};
    }
    std::map<QString, QString> fallbacks; // family -> what the system's fallback finds in it
};

TEST(CssResolve, EachCharacterGoesToTheFirstFontOfTheListThatHasItElseToTheSystemsFallback)
{
    FakeResolver fonts;
    fonts.installed = {{u"dejavu sans"_qs, u"DejaVu Sans"_qs}, {u"ipaゴシック"_qs, u"IPAゴシック"_qs}};
    fonts.substitutes = {{u"serif"_qs, u"DejaVu Serif"_qs}, {u"sans-serif"_qs, u"DejaVu Sans"_qs}};
    fonts.coverage = {{u"DejaVu Sans"_qs, u"abc"_qs},
                      {u"IPAゴシック"_qs, u"abc日本語"_qs},
                      {u"DejaVu Serif"_qs, u"abc"_qs}};
    fonts.fallbacks = {{u"IPAゴシック"_qs, u"日本語"_qs}};

    CssFontCheck check;
    check.scanText(
        "<style>@font-face { font-family: Web; src: url(w.woff) }"
        "@font-face { font-family: Here; src: local(Gone), local('IPAゴシック'), url(h.woff) }</style>"
        "<p style='font-family: Gone, \"dejavu sans\", IPAゴシック'>a日本語</p>"
        "<p style='font-family: \"IPAゴシック\", sans-serif'>a日本語</p>"
        "<p style='font-family: Gone, Lost'>abc</p>"
        "<p style='font-family: Web, sans-serif'>日</p>"
        "<p style='font-family: Gone, sans-serif'>b</p>"
        "<p style='font-family: \"dejavu sans\"'>a日☃</p>"
        "<p style='font-family: Here, serif'>a日</p>");
    const std::vector<ListResolution> r = resolveFamilyLists(check.lists(), check.webFonts(), fonts);
    ASSERT_EQ(r.size(), 7U);

    // A Latin font first and a Japanese one next: each draws its own characters.
    EXPECT_EQ(r[0].resolved, u"DejaVu Sans"_qs);
    EXPECT_EQ(r[0].by, ListResolution::By::Installed);
    EXPECT_EQ(r[0].states,
              (std::vector{FamilyState::Missing, FamilyState::Installed, FamilyState::Installed}));
    EXPECT_EQ(r[0].characters, 4);
    EXPECT_EQ(r[0].uncoveredCount, 0);
    ASSERT_EQ(r[0].drawn.size(), 2U);
    EXPECT_EQ(r[0].drawn[0].family, u"DejaVu Sans"_qs);
    EXPECT_EQ(r[0].drawn[0].characters, std::vector<char32_t>{U'a'});
    EXPECT_EQ(r[0].drawn[1].family, u"IPAゴシック"_qs);
    EXPECT_EQ(characterText(r[0].drawn[1].characters, 10), u"日本語"_qs);
    EXPECT_FALSE(r[0].fails());

    // What the list's fonts lack goes to the system's fallback, or to none: both fail it.
    ASSERT_EQ(r[5].drawn.size(), 3U);
    EXPECT_EQ(r[5].drawn[1].by, DrawnCharacters::By::Fallback);
    EXPECT_EQ(r[5].drawn[1].family, u"IPAゴシック"_qs);
    EXPECT_EQ(r[5].drawn[2].by, DrawnCharacters::By::None);
    EXPECT_EQ(r[5].drawn[2].family, u"DejaVu Sans"_qs);
    EXPECT_EQ(characterText(r[5].uncovered, 10), u"☃日"_qs);
    EXPECT_TRUE(r[5].fails());

    // A web font from local() is the installed font, drawing at once.
    EXPECT_EQ(r[6].states.front(), FamilyState::WebFont);
    EXPECT_EQ(r[6].resolved, u"IPAゴシック"_qs);
    ASSERT_EQ(r[6].drawn.size(), 1U);
    EXPECT_EQ(r[6].drawn[0].characters.size(), 2U);
    EXPECT_FALSE(r[6].fails());

    EXPECT_EQ(r[1].resolved, u"IPAゴシック"_qs);
    EXPECT_EQ(r[1].uncoveredCount, 0);
    EXPECT_FALSE(r[1].fails());

    // Nothing usable: the default draws it, and the check fails even with all text covered.
    EXPECT_EQ(r[2].resolved, u"DejaVu Serif"_qs);
    EXPECT_EQ(r[2].by, ListResolution::By::Default);
    EXPECT_EQ(r[2].uncoveredCount, 0);
    EXPECT_TRUE(r[2].namesNothingUsable());
    EXPECT_TRUE(r[2].fails());

    // A web font is not missing; what follows it draws the text until it loads.
    EXPECT_EQ(r[3].states, (std::vector{FamilyState::WebFont, FamilyState::Generic}));
    EXPECT_EQ(r[3].resolved, u"DejaVu Sans"_qs);
    EXPECT_EQ(r[3].by, ListResolution::By::Generic);
    EXPECT_TRUE(r[3].webFontFirst);
    EXPECT_EQ(r[3].uncoveredCount, 1);
    EXPECT_EQ(r[3].drawn.at(0).by, DrawnCharacters::By::Fallback);
    EXPECT_FALSE(r[3].fails());

    EXPECT_EQ(r[4].states, (std::vector{FamilyState::Missing, FamilyState::Generic}));
    EXPECT_FALSE(r[4].fails());

    const QString text = cssCheckText(r, check.webFonts());
    EXPECT_TRUE(text.startsWith(u"ok\tGone, \"dejavu sans\", IPAゴシック\n"
                                "\tresolves to\tDejaVu Sans (installed)\n"
                                "\tmissing\tGone\n"
                                "\tinstalled\tdejavu sans\n"
                                "\tinstalled\tIPAゴシック\n"
                                "\tdrawn by list\tDejaVu Sans\t1\ta\n"
                                "\tdrawn by list\tIPAゴシック\t3\t日本語\n"
                                "\tuncovered\t0 of 4\n"_qs))
        << text.toStdString();
    EXPECT_TRUE(text.contains(u"\tdrawn by fallback\tIPAゴシック\t1\t日\n"
                              "\tdrawn by none\tDejaVu Sans\t1\t☃\n"
                              "\tuncovered\t2 of 3\t☃日\n"_qs))
        << text.toStdString();
    EXPECT_TRUE(text.contains(u"\nweb-font\tWeb\turl(w.woff)\n"_qs)) << text.toStdString();
}

TEST(CssResolve, UncoveredCharactersShowAsCodePointsWhenInvisible)
{
    EXPECT_EQ(characterText({U'a', 0x0301, 0xE000, U'b'}, 10), u"aU+0301U+E000b"_qs);
    EXPECT_EQ(characterText({U'a', U'b', U'c'}, 2), u"ab"_qs);
}

} // namespace
