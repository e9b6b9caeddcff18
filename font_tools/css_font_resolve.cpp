#include "font_tools/css_font_resolve.h"

#include "core/fontconfig_source.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace typecask {

// ---- fontconfig ----

struct FontconfigResolver::Cache
{
    explicit Cache(const QString& language) : fontconfig(language) {}
    FontconfigMatcher fontconfig;
    QHash<char32_t, QString> fallbacks;
    QHash<QString, QString> installed;   // name as asked, case folded -> family or ""
    QHash<QString, QString> substitutes; // a name -> the family fontconfig matches for it
};

namespace {

// Families made to replace another with the same metrics, which browsers accept for it.
bool metricCompatible(const QString& asked, const QString& found)
{
    static const QStringList groups[] = {
        {u"Arial"_qs, u"Liberation Sans"_qs, u"Arimo"_qs},
        {u"Times New Roman"_qs, u"Liberation Serif"_qs, u"Tinos"_qs},
        {u"Courier New"_qs, u"Liberation Mono"_qs, u"Cousine"_qs},
        {u"Cambria"_qs, u"Caladea"_qs},
        {u"Calibri"_qs, u"Carlito"_qs},
        {u"Symbol"_qs, u"Symbol Neu"_qs},
    };
    for (const QStringList& g : groups)
        if (g.contains(asked, Qt::CaseInsensitive) && g.contains(found, Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

FontconfigResolver::FontconfigResolver(const QString& language)
    : m_language(fontconfigLanguage([&](const char* name) {
          // --lang stands in for the environment's first choice.
          return !language.isEmpty() && qstrcmp(name, "FC_LANG") == 0 ? language.toLatin1() : qgetenv(name);
      })),
      m_cache(std::make_unique<Cache>(m_language))
{
}

FontconfigResolver::~FontconfigResolver() = default;

QString FontconfigResolver::installedFamily(const QString& name)
{
    const QString key = name.toCaseFolded();
    if (const auto it = m_cache->installed.constFind(key); it != m_cache->installed.cend())
        return *it;
    // As Chromium takes fontconfig's answer: a font of that very family, or of the family
    // fontconfig's rules put first for it (an alias for the language), or one made
    // metric-compatible to replace it; any other substitute fontconfig offers (Nimbus Sans for
    // Helvetica) leaves the name to the next one in the list. "sans", "serif" and "monospace"
    // take whatever fontconfig gives, even written in quotes.
    QString found;
    const QStringList names = m_cache->fontconfig.matchedFamilies(name);
    const bool anyFont = name.compare(u"sans", Qt::CaseInsensitive) == 0 ||
                         name.compare(u"serif", Qt::CaseInsensitive) == 0 ||
                         name.compare(u"monospace", Qt::CaseInsensitive) == 0;
    for (const QString& n : names)
        if (found.isEmpty() && n.compare(name, Qt::CaseInsensitive) == 0)
            found = n;
    if (found.isEmpty() && !names.isEmpty()) {
        const QString substituted = m_cache->fontconfig.substitutedFamily(name);
        for (const QString& n : names)
            if (anyFont || n.compare(substituted, Qt::CaseInsensitive) == 0 || metricCompatible(name, n))
                found = names.front();
    }
    m_cache->installed.insert(key, found);
    return found;
}

QString FontconfigResolver::matchFamily(const QString& name)
{
    if (const auto it = m_cache->substitutes.constFind(name); it != m_cache->substitutes.cend())
        return *it;
    const QStringList names = m_cache->fontconfig.matchedFamilies(name);
    const QString family = names.value(0);
    m_cache->substitutes.insert(name, family);
    return family;
}

QString FontconfigResolver::substitute(const QString& generic)
{
    // Chromium on Linux: serif, sans-serif and monospace (and system-ui, as sans-serif) are
    // fontconfig's substitutes; the page default, cursive and fantasy are named families
    // (Times New Roman, Comic Sans MS, Impact) that fall back to fontconfig's "sans" when not
    // installed.
    const QString g = generic.toLower();
    const auto named = [this](const QString& family) {
        const QString f = installedFamily(family);
        return f.isEmpty() ? matchFamily(u"sans"_qs) : f;
    };
    if (g.isEmpty())
        return named(u"Times New Roman"_qs);
    if (g == u"cursive")
        return named(u"Comic Sans MS"_qs);
    if (g == u"fantasy")
        return named(u"Impact"_qs);
    if (g == u"serif" || g == u"sans-serif" || g == u"monospace")
        return matchFamily(g);
    // system-ui, the ui-* families, emoji, math: Chromium on Linux draws them as its default
    // sans.
    return matchFamily(u"sans-serif"_qs);
}

bool FontconfigResolver::covers(const QString& family, char32_t c)
{
    return m_cache->fontconfig.matchedFontCovers(family, c);
}

QString FontconfigResolver::fallback(char32_t c)
{
    if (const auto it = m_cache->fallbacks.constFind(c); it != m_cache->fallbacks.cend())
        return *it;
    const QString family = m_cache->fontconfig.fallbackFamily(c);
    m_cache->fallbacks.insert(c, family);
    return family;
}

// ---- resolution ----

QString familyStateWord(FamilyState state)
{
    switch (state) {
    case FamilyState::Installed:
        return u"installed"_qs;
    case FamilyState::Missing:
        return u"missing"_qs;
    case FamilyState::Generic:
        return u"generic"_qs;
    case FamilyState::WebFont:
        return u"web-font"_qs;
    }
    return {};
}

bool ListResolution::namesNothingUsable() const
{
    return std::none_of(states.begin(), states.end(),
                        [](FamilyState s) { return s != FamilyState::Missing; });
}

bool ListResolution::fails() const
{
    // The browser's own lists are no author's to mend.
    if (!fromStyleAttribute && !fromStyleSheet)
        return false;
    return namesNothingUsable() || (uncoveredCount > 0 && !webFontFirst);
}

std::vector<ListResolution> resolveFamilyLists(const std::vector<CssFamilyList>& lists,
                                               const std::vector<CssWebFont>& webFonts,
                                               FontResolver& resolver)
{
    std::vector<ListResolution> out;
    out.reserve(lists.size());
    for (const CssFamilyList& list : lists) {
        ListResolution r;
        r.written = list.written;
        r.families = list.families;
        r.fromStyleAttribute = list.sources & static_cast<unsigned char>(CssSource::StyleAttribute);
        r.fromStyleSheet = list.sources & static_cast<unsigned char>(CssSource::StyleSheet);
        r.fromDefaultStyle = list.sources & static_cast<unsigned char>(CssSource::DefaultStyle);
        bool webFontSeen = false;
        std::vector<QString> fonts; // what draws, in list order
        for (const CssFamily& f : list.families) {
            FamilyState state = FamilyState::Missing;
            QString drawn;
            const auto face = std::find_if(webFonts.begin(), webFonts.end(), [&](const CssWebFont& w) {
                return w.family.compare(f.name, Qt::CaseInsensitive) == 0;
            });
            if (f.generic) {
                state = FamilyState::Generic;
                drawn = resolver.substitute(f.name);
            } else if (face != webFonts.end()) {
                // The page brings it: a browser draws with it once loaded, and with what
                // follows in the list until then or when it cannot be loaded; a local() source
                // is an installed font, drawn at once.
                state = FamilyState::WebFont;
                for (const QString& local : face->localNames())
                    if (drawn.isEmpty())
                        drawn = resolver.installedFamily(local);
            } else if (drawn = resolver.installedFamily(f.name); !drawn.isEmpty()) {
                state = FamilyState::Installed;
            }
            r.states.push_back(state);
            if (!drawn.isEmpty() && std::find(fonts.begin(), fonts.end(), drawn) == fonts.end())
                fonts.push_back(drawn);
            if (state == FamilyState::WebFont && drawn.isEmpty() && r.resolved.isEmpty())
                webFontSeen = true;
            if (r.resolved.isEmpty() && !drawn.isEmpty()) {
                r.resolved = drawn;
                r.by = state == FamilyState::Generic ? ListResolution::By::Generic
                                                     : ListResolution::By::Installed;
                r.webFontFirst = webFontSeen;
            }
        }
        if (r.resolved.isEmpty()) {
            r.resolved = resolver.substitute({});
            r.by = ListResolution::By::Default;
            r.webFontFirst = webFontSeen;
        }
        // Character by character, as a browser walks the list: the first of the list's fonts
        // that has it, else the system's fallback for it, else a box.
        if (fonts.empty())
            fonts.push_back(r.resolved);
        std::vector<DrawnCharacters> own(fonts.size());
        for (std::size_t i = 0; i < fonts.size(); ++i)
            own[i].family = fonts[i];
        std::vector<DrawnCharacters> fallbacks;
        DrawnCharacters none{DrawnCharacters::By::None, r.resolved, {}};
        const std::vector<char32_t> text = list.text.toVector();
        r.characters = static_cast<qsizetype>(text.size());
        for (char32_t c : text) {
            const auto font = std::find_if(fonts.begin(), fonts.end(),
                                           [&](const QString& f) { return resolver.covers(f, c); });
            if (font != fonts.end()) {
                own[static_cast<std::size_t>(font - fonts.begin())].characters.push_back(c);
                continue;
            }
            if (r.uncoveredCount < MaxUncoveredKept)
                r.uncovered.push_back(c);
            ++r.uncoveredCount;
            const QString f = resolver.fallback(c);
            if (f.isEmpty()) {
                none.characters.push_back(c);
                continue;
            }
            auto it = std::find_if(fallbacks.begin(), fallbacks.end(),
                                   [&](const DrawnCharacters& d) { return d.family == f; });
            if (it == fallbacks.end())
                it = fallbacks.insert(fallbacks.end(), {DrawnCharacters::By::Fallback, f, {}});
            it->characters.push_back(c);
        }
        for (DrawnCharacters& d : own)
            if (!d.characters.empty())
                r.drawn.push_back(std::move(d));
        for (DrawnCharacters& d : fallbacks)
            r.drawn.push_back(std::move(d));
        if (!none.characters.empty())
            r.drawn.push_back(std::move(none));
        out.push_back(std::move(r));
    }
    return out;
}

// ---- reports ----

QString drawnByWord(DrawnCharacters::By by)
{
    switch (by) {
    case DrawnCharacters::By::List:
        return u"list"_qs;
    case DrawnCharacters::By::Fallback:
        return u"fallback"_qs;
    case DrawnCharacters::By::None:
        return u"none"_qs;
    }
    return {};
}

namespace {
QString codePoint(char32_t c)
{
    return u"U+"_qs + QString::number(c, 16).toUpper().rightJustified(4, u'0');
}
} // namespace

QString characterText(const std::vector<char32_t>& characters, qsizetype count)
{
    QString out;
    qsizetype shown = 0;
    for (char32_t c : characters) {
        if (shown++ == count)
            break;
        const QString s = QString::fromUcs4(&c, 1);
        const QChar::Category cat = QChar::category(c);
        if (cat == QChar::Other_Control || cat == QChar::Other_Format || cat == QChar::Other_Surrogate ||
            cat == QChar::Other_NotAssigned || cat == QChar::Other_PrivateUse || QChar::isSpace(c) ||
            QChar::isMark(c))
            out += codePoint(c);
        else
            out += s;
    }
    return out;
}

QString characterCodes(const std::vector<char32_t>& characters, qsizetype count)
{
    QStringList out;
    for (char32_t c : characters) {
        if (out.size() == count)
            break;
        const QString code = codePoint(c);
        const QString shown = characterText({c}, 1);
        out += shown == code ? code : shown + u' ' + code;
    }
    return out.join(u"  "_qs);
}

namespace {

QString byWord(ListResolution::By by)
{
    switch (by) {
    case ListResolution::By::Installed:
        return u"installed"_qs;
    case ListResolution::By::Generic:
        return u"generic"_qs;
    case ListResolution::By::Default:
        return u"default"_qs;
    }
    return {};
}

} // namespace

QString cssCheckText(const std::vector<ListResolution>& lists, const std::vector<CssWebFont>& webFonts)
{
    QString out;
    for (const ListResolution& r : lists) {
        out += (r.fails() ? u"FAIL\t"_qs : u"ok\t"_qs) + r.written + u'\n';
        out += u"\tresolves to\t"_qs + r.resolved + u" ("_qs + byWord(r.by) + u")\n"_qs;
        for (std::size_t i = 0; i < r.families.size(); ++i)
            out += u'\t' + familyStateWord(r.states[i]) + u'\t' + r.families[i].name + u'\n';
        for (const DrawnCharacters& d : r.drawn) {
            const auto n = static_cast<qsizetype>(d.characters.size());
            out += u"\tdrawn by "_qs + drawnByWord(d.by) + u'\t' + d.family + u'\t' + QString::number(n) +
                   u'\t' + characterText(d.characters, UncoveredShown) +
                   (n > UncoveredShown ? u"…"_qs : QString()) + u'\n';
        }
        out += u"\tuncovered\t"_qs + QString::number(r.uncoveredCount) + u" of "_qs +
               QString::number(r.characters);
        if (r.uncoveredCount > 0)
            out += u'\t' + characterText(r.uncovered, UncoveredShown) +
                   (r.uncoveredCount > UncoveredShown ? u"…"_qs : QString());
        out += u'\n';
    }
    for (const CssWebFont& w : webFonts)
        out += u"web-font\t"_qs + w.family + u'\t' + w.src + u'\n';
    return out;
}

std::vector<CssCheckRow> cssCheckRows(const std::vector<ListResolution>& lists,
                                      const std::vector<CssWebFont>& webFonts)
{
    const auto stateText = [](FamilyState s) {
        switch (s) {
        case FamilyState::Installed:
            return u"ｲﾝｽﾄｰﾙ済み"_qs;
        case FamilyState::Missing:
            return u"未ｲﾝｽﾄｰﾙ"_qs;
        case FamilyState::Generic:
            return u"総称ﾌｧﾐﾘｰ"_qs;
        case FamilyState::WebFont:
            return u"Webﾌｫﾝﾄ"_qs;
        }
        return QString();
    };
    std::vector<CssCheckRow> rows;
    for (const ListResolution& r : lists) {
        CssCheckRow row;
        row.fails = r.fails();
        const bool none = std::any_of(r.drawn.begin(), r.drawn.end(), [](const DrawnCharacters& d) {
            return d.by == DrawnCharacters::By::None;
        });
        const QString verdict = r.namesNothingUsable() ? u"使えるﾌｫﾝﾄなし"_qs
                                : none                 ? u"表示できない文字あり"_qs
                                : r.uncoveredCount > 0 ? u"代替ﾌｫﾝﾄで表示"_qs
                                                       : u"OK"_qs;
        QString uncovered;
        if (r.uncoveredCount > 0)
            uncovered = QString::number(r.uncoveredCount) + u"字: "_qs +
                        characterCodes(r.uncovered, UncoveredShown) +
                        (r.uncoveredCount > UncoveredShown ? u"…"_qs : QString());
        row.columns = {r.written, r.resolved, verdict, uncovered};
        for (std::size_t i = 0; i < r.families.size(); ++i)
            row.children.push_back({r.families[i].name, QString(), stateText(r.states[i]), QString()});
        // Which font draws which characters: the list's own, the system's, or none.
        for (const DrawnCharacters& d : r.drawn) {
            const auto n = static_cast<qsizetype>(d.characters.size());
            const QString chars = QString::number(n) + u"字: "_qs +
                                  characterCodes(d.characters, UncoveredShown) +
                                  (n > UncoveredShown ? u"…"_qs : QString());
            switch (d.by) {
            case DrawnCharacters::By::List:
                row.children.push_back({QString(), d.family, u"表示"_qs, chars});
                break;
            case DrawnCharacters::By::Fallback:
                row.children.push_back({QString(), d.family, u"代替ﾌｫﾝﾄで表示"_qs, chars});
                row.uncoveredFamilies += d.family;
                break;
            case DrawnCharacters::By::None:
                row.children.push_back({QString(), QString(), u"表示できるﾌｫﾝﾄなし"_qs, chars});
                break;
            }
        }
        rows.push_back(std::move(row));
    }
    for (const CssWebFont& w : webFonts)
        rows.push_back({{w.family, QString(), stateText(FamilyState::WebFont), w.src}, {}, false, {}});
    return rows;
}

QByteArray cssCheckJson(const std::vector<CssFileResult>& files, const std::vector<ListResolution>& lists,
                        const std::vector<CssWebFont>& webFonts)
{
    QJsonArray fileArray;
    for (const CssFileResult& f : files) {
        QJsonObject o{{u"path"_qs, f.path},
                      {u"read"_qs, f.status == CssFileResult::Status::Read},
                      {u"encoding"_qs, QString::fromLatin1(f.encoding)},
                      {u"styleSheets"_qs, QJsonArray::fromStringList(f.styleSheets)},
                      {u"unreadStyleSheets"_qs, QJsonArray::fromStringList(f.unreadSheets)}};
        if (!f.error.isEmpty())
            o.insert(u"error"_qs, f.error);
        fileArray.append(o);
    }
    QJsonArray listArray;
    for (const ListResolution& r : lists) {
        QJsonArray families;
        for (std::size_t i = 0; i < r.families.size(); ++i)
            families.append(
                QJsonObject{{u"name"_qs, r.families[i].name}, {u"state"_qs, familyStateWord(r.states[i])}});
        QJsonArray sources;
        if (r.fromStyleAttribute)
            sources.append(u"style-attribute"_qs);
        if (r.fromStyleSheet)
            sources.append(u"style-sheet"_qs);
        if (r.fromDefaultStyle)
            sources.append(u"default-style"_qs);
        QJsonArray uncovered;
        for (char32_t c : r.uncovered)
            uncovered.append(QString::fromUcs4(&c, 1));
        QJsonArray drawn;
        for (const DrawnCharacters& d : r.drawn)
            drawn.append(QJsonObject{
                {u"family"_qs, d.family},
                {u"by"_qs, drawnByWord(d.by)},
                {u"count"_qs, static_cast<qint64>(d.characters.size())},
                {u"characters"_qs,
                 QString::fromUcs4(d.characters.data(), static_cast<qsizetype>(d.characters.size()))}});
        listArray.append(QJsonObject{{u"written"_qs, r.written},
                                     {u"families"_qs, families},
                                     {u"sources"_qs, sources},
                                     {u"resolved"_qs, r.resolved},
                                     {u"resolvedBy"_qs, byWord(r.by)},
                                     {u"webFontFirst"_qs, r.webFontFirst},
                                     {u"characters"_qs, r.characters},
                                     {u"uncoveredCount"_qs, r.uncoveredCount},
                                     {u"uncovered"_qs, uncovered},
                                     {u"drawnBy"_qs, drawn},
                                     {u"ok"_qs, !r.fails()}});
    }
    QJsonArray faces;
    for (const CssWebFont& w : webFonts)
        faces.append(QJsonObject{{u"family"_qs, w.family}, {u"src"_qs, w.src}});
    const QJsonObject root{
        {u"version"_qs, 2}, {u"files"_qs, fileArray}, {u"lists"_qs, listArray}, {u"webFonts"_qs, faces}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace typecask
