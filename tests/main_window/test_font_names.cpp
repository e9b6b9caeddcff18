// Every name the catalog lists must draw in its own family when handed to QFont (an "@" family's
// name without its "@", as every window that draws with QFont hands it).
#include "core/font_catalog.h"
#include "core/fontconfig_source.h"
#include "core/vertical_text.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

using namespace typecask;

TEST(FontNames, ListedOutlineNamesRenderInTheirFamily)
{
    auto src = std::make_shared<FontconfigSource>();
    FontCatalog catalog;
    catalog.setSource(src);
    enumerateFonts(catalog, *src);
    ASSERT_GT(catalog.totalCount(), 10);
    int checked = 0;
    for (const auto& e : catalog.entries()) {
        if (e.font.fontType == RasterFontType)
            continue;
        QFont font(horizontalFamilyName(e.font.faceName));
        const QString used = QFontInfo(font).family();
        EXPECT_EQ(src->resolveFamily(used), horizontalFamilyName(e.font.faceName))
            << e.font.faceName.toStdString() << " drew in " << used.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 10);
}
