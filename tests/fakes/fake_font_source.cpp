#include "fakes/fake_font_source.h"

namespace typecask::fakes {

FakeFontSource& FakeFontSource::add(const QString& name, int charset, int fontType,
                                    std::optional<FontDetails> details)
{
    families.push_back(Family{EnumeratedFont{name, charset, fontType}, details, {}, {}});
    return *this;
}

void FakeFontSource::enumerate(const std::function<bool(const EnumeratedFont&)>& visit)
{
    for (const Family& f : families)
        if (!visit(f.font))
            return;
}

std::optional<FontDetails> FakeFontSource::readDetails(const QString& faceName)
{
    ++detailReads;
    for (const Family& f : families)
        if (f.font.faceName == faceName)
            return f.details;
    return std::nullopt;
}

QString FakeFontSource::resolveFamily(const QString& name)
{
    for (const Family& f : families) {
        if (f.font.faceName.compare(name, Qt::CaseInsensitive) == 0)
            return f.font.faceName;
        for (const QString& o : f.otherNames)
            if (o.compare(name, Qt::CaseInsensitive) == 0)
                return f.font.faceName;
    }
    return {};
}

CharacterPages FakeFontSource::characters(const QString& faceName)
{
    ++characterReads;
    for (const Family& f : families)
        if (f.font.faceName == faceName)
            return CharacterPages::fromCharacters(f.characters);
    return {};
}

FontCatalog catalogOf(FontSource& source)
{
    FontCatalog c;
    enumerateFonts(c, source);
    return c;
}

std::shared_ptr<FakeFontSource> manyFamilies(int n)
{
    auto src = std::make_shared<FakeFontSource>();
    static const int charsets[] = {128, 0, 2, 161};
    src->families.reserve(n);
    for (int i = 0; i < n; ++i) {
        // A scrambled order, so sorting has work to do.
        const int k = (i * 7919) % n;
        QString name = (k % 3 ? u"Family "_qs : u"family "_qs) + QString::number(k);
        if (k % 50 == 0)
            name.prepend(u'@');
        src->add(name, charsets[k % 4], k % 5 ? TrueTypeFontType : 0);
    }
    return src;
}

} // namespace typecask::fakes
