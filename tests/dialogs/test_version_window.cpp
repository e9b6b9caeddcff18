// The version window through the real widgets.
#include "dialogs/modal_helpers.h"
#include "dialogs/version_window.h"
#include "main_window/started_window.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>

using namespace typecask;

namespace {

class Version : public uitest::StartedWindow
{
protected:
    std::shared_ptr<fakes::FakeFontSource> fonts() const override
    {
        auto src = uitest::StartedWindow::fonts();
        src->add(u"IPA明朝"_qs, 128, 4).add(u"OpenSymbol"_qs, 2, 4).add(u"Garuda"_qs, 222, 4);
        return src;
    }
    void withVersion(const std::function<void(Form5&)>& inspect)
    {
        uitest::withModal<Form5>([this] { action(u"ver_Bar"_qs)->trigger(); }, inspect);
    }
};

} // namespace

TEST_F(Version, CountsAreTheCatalogsListSizes)
{
    const FontCatalog& c = session->catalog;
    withVersion([&](Form5& f) {
        EXPECT_EQ(f.windowTitle(), u"ﾊﾞｰｼﾞｮﾝ情報");
        QList<int> shown;
        for (int i = 0; i < VersionCountCount; ++i) {
            EXPECT_EQ(f.count(i)->objectName(), u"Label%1"_qs.arg(8 + i));
            shown.append(f.count(i)->text().toInt());
        }
        QList<int> expected;
        for (bool trueType : {true, false})
            for (int cat = 0; cat < 4; ++cat)
                expected.append(c.count(catalogListIndex(static_cast<FontCategory>(cat), trueType)));
        for (int cat = 0; cat < 4; ++cat)
            expected.append(expected[cat] + expected[4 + cat]);
        expected.append(expected[0] + expected[1] + expected[2] + expected[3]);
        expected.append(expected[4] + expected[5] + expected[6] + expected[7]);
        expected.append(c.totalCount());
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(shown, (QList<int>{2, 2, 1, 1, 0, 1, 0, 0, 2, 3, 1, 1, 6, 1, 7}));
    });
}

TEST_F(Version, AnyKeyClosesIt)
{
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space}) {
        bool closed = false;
        withVersion([&](Form5& f) {
            // Whichever control has the focus.
            QWidget* target = key == Qt::Key_Space ? f.findChild<QWidget*>(u"Command2"_qs) : &f;
            QTest::keyClick(target, key);
            closed = !f.isVisible();
        });
        EXPECT_TRUE(closed) << key;
    }
    EXPECT_TRUE(shell->opened.isEmpty());
    // A modifier alone types nothing and leaves it open.
    withVersion([&](Form5& f) {
        QTest::keyClick(&f, Qt::Key_Shift);
        EXPECT_TRUE(f.isVisible());
    });
}

TEST_F(Version, NameInARandomWesternFamilyTheLastOneIncluded)
{
    // Western TrueType in enumeration order: DejaVu Serif, DejaVu Sans.
    fake.random->values = {0.99};
    withVersion([&](Form5& f) {
        EXPECT_EQ(f.Label1->text(), u"Typecask");
        EXPECT_EQ(f.Label1->font().family(), u"DejaVu Sans");
        EXPECT_EQ(f.Label1->toolTip(), QFontInfo(f.Label1->font()).family());
        EXPECT_EQ(f.Label1->toolTip(), u"DejaVu Sans");
        EXPECT_EQ(f.findChild<QLabel*>(u"Label2"_qs)->text(), u"Ver ２．０１");
    });
}

TEST_F(Version, TheTipNamesTheFamilyAsListedNotAsQtQualifiesIt)
{
    // Z003 comes from two foundries (OpenType and Type 1); Qt calls it "Z003 [urw]".
    session->catalog.clear();
    auto src = std::make_shared<fakes::FakeFontSource>();
    src->add(u"Z003"_qs, 0, 4);
    enumerateFonts(session->catalog, *src);
    withVersion([&](Form5& f) { EXPECT_EQ(f.Label1->toolTip(), u"Z003"); });
}

TEST_F(Version, HomePageOpensTheAddressShownAndOpeningDropsAlwaysOnTop)
{
    child<QAbstractButton>(u"Check3"_qs)->click();
    ASSERT_TRUE(state().AlwaysOnTop);
    withVersion([&](Form5& f) {
        EXPECT_FALSE(state().AlwaysOnTop);
        f.findChild<QAbstractButton*>(u"Command2"_qs)->click();
        QTest::mouseClick(f.Label27, Qt::LeftButton);
        EXPECT_TRUE(f.isVisible());
        f.findChild<QAbstractButton*>(u"Command1"_qs)->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_FALSE(child<QAbstractButton>(u"Check3"_qs)->isChecked());
    EXPECT_EQ(shell->opened, (QStringList{HomePageAddress, HomePageAddress}));
    EXPECT_TRUE(HomePageAddress.startsWith(u"https://"_qs));
}
