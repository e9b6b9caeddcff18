// Everything the windows share: the process-wide state, the font catalog and the desktop
// services. The program makes one; tests make their own with fakes.
#pragma once

#include "colour_tools/palette_file.h"
#include "core/app_state.h"
#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "core/platform.h"
#include "storage/settings_file.h"

#include <QStringList>
#include <memory>

namespace typecask {

struct AppContext
{
    AppState state;
    FontCatalog catalog;
    QString programFolder;

    // Read by start-up, consumed by the main window's load.
    SettingsLines settingsLines;
    QStringList favoriteLines;
    QStringList commandLinePaths;
    // Files dropped on the main window, for the HTML font check.
    QStringList droppedPaths;

    std::shared_ptr<Clipboard> clipboard;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<MessageBox> messageBox;
    std::shared_ptr<FileDialog> fileDialog;
    std::shared_ptr<RandomSource> random;

    // The colour tools' stored palettes, read from "Color.dat" whenever one of them opens.
    PaletteTable palettes;

    // The catalog's names pre-sorted for the font list; built once after the enumeration.
    const SortedFontLists& sortedLists();
    void resetSortedLists() { m_sorted.reset(); }

    // Qt services everywhere a test has not put a fake.
    void useQtServicesWhereMissing();

private:
    std::unique_ptr<SortedFontLists> m_sorted;
};

} // namespace typecask
