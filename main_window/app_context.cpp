#include "main_window/app_context.h"

#include "core/qt_platform.h"

namespace typecask {

const SortedFontLists& AppContext::sortedLists()
{
    if (!m_sorted)
        m_sorted = std::make_unique<SortedFontLists>(catalog);
    return *m_sorted;
}

void AppContext::useQtServicesWhereMissing()
{
    if (!clipboard)
        clipboard = std::make_shared<QtClipboard>();
    if (!shell)
        shell = std::make_shared<QtShell>();
    if (!messageBox)
        messageBox = std::make_shared<QtMessageBox>();
    if (!fileDialog)
        fileDialog = std::make_shared<QtFileDialog>();
    if (!random)
        random = std::make_shared<ClockRandom>();
}

} // namespace typecask
