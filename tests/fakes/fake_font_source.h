// A font source with families the test decides.
#pragma once

#include "core/font_catalog.h"

#include <QHash>
#include <vector>

namespace typecask::fakes {

class FakeFontSource final : public FontSource
{
public:
    struct Family
    {
        EnumeratedFont font;
        std::optional<FontDetails> details;
        QStringList otherNames;
        std::vector<char32_t> characters;
    };

    FakeFontSource& add(const QString& name, int charset, int fontType,
                        std::optional<FontDetails> details = {});
    std::vector<Family> families;
    int detailReads = 0;
    int characterReads = 0;

    void enumerate(const std::function<bool(const EnumeratedFont&)>& visit) override;
    std::optional<FontDetails> readDetails(const QString& faceName) override;
    QString resolveFamily(const QString& name) override;
    CharacterPages characters(const QString& faceName) override;
};

// A catalog enumerated from the source.
FontCatalog catalogOf(FontSource& source);

// n families with generated names, spread over every list.
std::shared_ptr<FakeFontSource> manyFamilies(int n);

} // namespace typecask::fakes
