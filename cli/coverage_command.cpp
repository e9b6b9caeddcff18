// coverage: how many characters of each Japanese set the families map, for scripts.
#include "cli/cli_support.h"
#include "cli/commands.h"

#include "core/character_coverage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace typecask::cli {

int coverageCommand(const QStringList& args, Streams io)
{
    ArgReader r("coverage", args, io);
    std::vector<int> sets;
    bool json = false;
    QStringList named;
    while (!r.done()) {
        const QString& a = r.next();
        if (a == u"--") {
            named += r.rest();
            break;
        }
        if (!a.startsWith(u"--")) {
            named.append(a);
            continue;
        }
        if (answerStandardOption(u"coverage"_qs, a, io))
            return 0;
        if (a == u"--json") {
            json = true;
        } else if (a == u"--set") {
            const std::optional<QString> v = r.value(a);
            if (!v)
                return 2;
            const int set = japaneseSetIndex(*v);
            if (set < 0)
                return r.fail(u"unknown set '"_qs + *v + u"' (the sets: "_qs + japaneseSetNames() + u')');
            sets.push_back(set);
        } else {
            return r.fail(u"unknown option "_qs + a);
        }
    }
    if (sets.empty())
        for (int i = 0; i < static_cast<int>(japaneseSets().size()); ++i)
            sets.push_back(i);

    InstalledFonts fonts;
    const FontCatalog& catalog = fonts.catalog;
    std::vector<const FontCatalog::Entry*> entries;
    if (named.isEmpty()) {
        // Every family once, in the listing's order.
        QSet<QString> seen;
        for (const FontCatalog::Entry& e : catalog.entries())
            if (!seen.contains(e.font.faceName)) {
                seen.insert(e.font.faceName);
                entries.push_back(&e);
            }
    }
    for (const QString& name : std::as_const(named)) {
        const FontCatalog::Entry* e = catalog.find(name);
        if (!e)
            return r.fail(u"no installed family is named '"_qs + name + u'\'');
        entries.push_back(e);
    }

    const std::span<const JapaneseSet> all = japaneseSets();
    if (json) {
        QJsonArray setArray;
        for (int s : sets)
            setArray.append(QJsonObject{{u"name"_qs, all[static_cast<std::size_t>(s)].name},
                                        {u"label"_qs, all[static_cast<std::size_t>(s)].label},
                                        {u"total"_qs, all[static_cast<std::size_t>(s)].total}});
        QJsonArray familyArray;
        for (const FontCatalog::Entry* e : entries) {
            const std::vector<int>& counts = catalog.coverage(*e);
            QJsonObject covered;
            for (int s : sets)
                covered.insert(all[static_cast<std::size_t>(s)].name, counts[static_cast<std::size_t>(s)]);
            QJsonObject family{{u"family"_qs, e->font.faceName}, {u"covered"_qs, covered}};
            // The face counted, so that another tool can count the same one.
            if (const FontconfigSource::Family* f = fonts.source->familyNamed(e->font.faceName)) {
                family.insert(u"file"_qs, QString::fromUtf8(f->file));
                family.insert(u"index"_qs, f->faceIndex);
            }
            familyArray.append(family);
        }
        const QJsonObject report{{u"version"_qs, 1}, {u"sets"_qs, setArray}, {u"families"_qs, familyArray}};
        io.out << QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented));
        return 0;
    }
    io.out << "family";
    for (int s : sets)
        io.out << '\t' << all[static_cast<std::size_t>(s)].name;
    io.out << '\n';
    for (const FontCatalog::Entry* e : entries) {
        const std::vector<int>& counts = catalog.coverage(*e);
        io.out << e->font.faceName;
        for (int s : sets)
            io.out << '\t' << counts[static_cast<std::size_t>(s)];
        io.out << '\n';
    }
    return 0;
}

} // namespace typecask::cli
