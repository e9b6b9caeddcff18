// The installed fonts as fontconfig knows them: families from its cache at start-up,
// per-family metrics read through FreeType only when asked for.
#pragma once

#include "core/font_catalog.h"

#include <QHash>
#include <QString>
#include <vector>

namespace typecask {

class FontconfigSource final : public FontSource
{
public:
    FontconfigSource();
    ~FontconfigSource() override;
    FontconfigSource(const FontconfigSource&) = delete;
    FontconfigSource& operator=(const FontconfigSource&) = delete;

    void enumerate(const std::function<bool(const EnumeratedFont&)>& visit) override;
    std::optional<FontDetails> readDetails(const QString& faceName) override;
    QString resolveFamily(const QString& name) override;

    struct Family
    {
        EnumeratedFont font;
        QStringList allNames;
        QByteArray file; // the representative (regular, else first) face
        int faceIndex = 0;
        int spacing = 0; // fontconfig FC_SPACING
        bool outline = true;
        int score = 0; // how close that face is to regular
    };

private:
    void load();
    bool m_loaded = false;
    std::vector<Family> m_families;
    QHash<QString, int> m_byFaceName;
    QHash<QString, int> m_byFoldedName;
};

// The charset rule for a family's language coverage (exposed for tests).
struct LanguageCoverage
{
    std::function<bool(const char*)> has;
    bool symbol = false;
    bool empty = false;
};
int charsetForCoverage(const LanguageCoverage& coverage);

// The font-type rule for fontconfig's fontformat and outline values.
int fontTypeForFormat(const QByteArray& fontFormat, bool outline);

} // namespace typecask
