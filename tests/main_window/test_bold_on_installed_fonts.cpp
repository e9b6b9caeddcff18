// Bold in the preview over the fonts fontconfig really lists (the program's own start-up path),
// run on the test font set and again on the machine's own configuration.
#include "core/fontconfig_source.h"
#include "core/session.h"
#include "fakes/fake_platform.h"
#include "main_window/font_browser.h"
#include "main_window/main_window.h"
#include "main_window/preview_area.h"
#include "main_window/start_up.h"
#include "main_window/ui_helpers.h"
#include "platform/ui_font.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;

TEST(BoldOnInstalledFonts, EveryFamilyWithoutABoldFaceIsVisiblyBolderAtEverySize)
{
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    fakes::FakeServices fake;
    Session session;
    session.programFolder = dir.path();
    // As the program starts: the Japanese UI font first.
    const QFont appFont = QApplication::font();
    useJapaneseUiFont();
    auto main = StartUp(session, fake.services, std::make_shared<FontconfigSource>());
    auto* sizes = findNamed<QComboBox>(main.get(), u"Combo1"_qs);
    auto* bold = findNamed<QAbstractButton>(main.get(), u"Check1"_qs);
    main->form1()->Text1->setText(u"亜あAb"_qs);
    int checked = 0;
    for (const QString& family : {u"IPA Pゴシック"_qs, u"IPA明朝"_qs}) {
        if (!main->selectFontInList(family)) {
            ADD_FAILURE() << family.toStdString() << " is not installed (fonts-ipafont-gothic, -mincho)";
            continue;
        }
        for (const int size : {12, 32, 47, 48, 72}) {
            Q_EMIT sizes->activated(size - 8);
            ASSERT_EQ(session.state.PreviewSize, size);
            const qint64 regular = ink(main->form1()->Picture1->image());
            bold->click();
            ASSERT_TRUE(session.state.PreviewBold);
            const qint64 thick = ink(main->form1()->Picture1->image());
            bold->click();
            EXPECT_GT(thick, regular * 6 / 5)
                << family.toStdString() << " " << size << "pt: " << regular << " -> " << thick;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 10);
    QApplication::setFont(appFont);
}
