#include "core/japanese_sets.h"

#include <QStringList>
#include <vector>

namespace typecask {

namespace {

QString labelOf(const QString& name)
{
    if (name == u"joyo")
        return u"常用漢字"_qs;
    if (name == u"jinmeiyo")
        return u"人名用漢字"_qs;
    if (name.startsWith(u"jis") && name.size() == 4)
        return u"JIS第"_qs + name.back() + u"水準"_qs;
    if (name == u"hojo")
        return u"補助漢字"_qs;
    if (name == u"kana")
        return u"かな"_qs;
    if (name == u"jis-nonkanji")
        return u"JIS非漢字"_qs;
    if (name.startsWith(u"aj1-"))
        return u"Adobe-Japan1-"_qs + name.mid(4);
    return name;
}

} // namespace

std::span<const JapaneseSet> japaneseSets()
{
    static const std::vector<JapaneseSet> sets = [] {
        std::vector<JapaneseSet> v;
        for (std::size_t i = 0; i < JapaneseSetCount; ++i) {
            const JapaneseSetData& d = JapaneseSetTable[i];
            const QString name = QString::fromLatin1(d.name);
            v.push_back({name, labelOf(name), {d.ranges, d.rangeCount}, d.total});
        }
        return v;
    }();
    return sets;
}

int japaneseSetIndex(const QString& name)
{
    const std::span<const JapaneseSet> sets = japaneseSets();
    for (std::size_t i = 0; i < sets.size(); ++i)
        if (sets[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString japaneseSetNames()
{
    QStringList names;
    for (const JapaneseSet& s : japaneseSets())
        names.append(s.name);
    return names.join(u", ");
}

} // namespace typecask
