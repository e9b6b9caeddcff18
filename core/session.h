// What the whole program shares while it runs: the process-wide state, the font catalog with
// its sorted lists, the favourites, the palettes and the choices the main window's controls
// show. One lives for the process; tests make their own.
#pragma once

#include "core/app_state.h"
#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "core/font_list_model.h"
#include "core/gradient_colours.h"
#include "core/palette_table.h"
#include "core/sample.h"

#include <QString>
#include <memory>

namespace typecask {

class Session
{
public:
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    AppState state;
    FontCatalog catalog;
    // Where the stored files and the generated pages live.
    QString programFolder;

    // The font list's filters (Option1, Check4, ShowVerticalFonts).
    FontFilter filter;
    // The RTF bar's alignment (Option3).
    Alignment alignment = Alignment::Left;
    HtmlOptions html;
    // Whether the font selection bar (Picture2) is shown.
    bool selectionBarVisible = true;

    // The favourites in the list's order; the main window's pane shows this model.
    FontListModel favorites;
    // The colour tools' palettes, read from "Color.dat" whenever one of them opens.
    PaletteTable palettes;
    // The gradient maker's start, middle and end colours.
    GradientColours gradient;

    // The catalog's names pre-sorted for the font list; built on first use after enumeration.
    const SortedFontLists& sortedLists();
    // The font list's names through the current filter.
    QStringList filteredFontNames() { return sortedLists().names(filter); }
    // Drops the sorted lists; the catalog changed or is going away.
    void resetSortedLists() { m_sorted.reset(); }

private:
    std::unique_ptr<SortedFontLists> m_sorted;
};

} // namespace typecask
