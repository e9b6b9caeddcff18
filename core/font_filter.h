// The font list's filters and the names they let through, in the list box's order.
#pragma once

#include "core/font_catalog.h"

#include <QString>
#include <QStringList>
#include <array>

namespace typecask {

struct FontFilter
{
    std::array<bool, 4> categories{true, true, false,
                                   false}; // Check4(0..3): Japanese, Western, symbol, other
    bool allFontTypes = false;             // Option1(0)
    bool showVerticalFonts = false;        // ShowVerticalFonts
};

// The names ListChenge adds, in the order it adds them: TrueType lists first, then (all font
// types) the others, each pass in category order, "@" names only when shown.
QStringList filteredNames(const FontCatalog& catalog, const FontFilter& filter);

// The list box's order: alphabetical ignoring case; equal names keep their insertion order.
void sortIgnoringCase(QStringList& names);

// filteredNames then sortIgnoringCase, without sorting the whole set again on every call.
class SortedFontLists
{
public:
    explicit SortedFontLists(const FontCatalog& catalog);
    QStringList names(const FontFilter& filter) const;

private:
    struct Item
    {
        QString key; // case-folded
        int list;
        int index;
    };
    const FontCatalog& m_catalog;
    std::vector<Item> m_sorted; // every catalog name, sorted once
};

bool lessIgnoringCase(const QString& a, const QString& b);

} // namespace typecask
