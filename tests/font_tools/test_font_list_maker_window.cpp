// The HTML font list maker opened from the Edit menu, driven through its controls.
#include "font_tools/font_list_maker_window.h"
#include "main_window/started_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace typecask;

namespace {

class ListMaker : public uitest::StartedWindow
{
protected:
    // Opens the window from the menu and runs act on it while it is shown.
    void withWindow(const std::function<void(Form4&)>& act)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<Form4*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            ran = true;
            act(*form);
            if (form->isVisible())
                form->reject();
        });
        action(u"MakeItiran_Bar"_qs)->trigger();
        EXPECT_TRUE(ran);
    }

    QString page(int n) const { return dir.filePath(u"List/FontList%1.Html"_qs.arg(n)); }
};

TEST_F(ListMaker, StartsFromTheMainWindowAndWritesOnePage)
{
    form1->Text1->setText(u"Sample あ"_qs);
    withWindow([&](Form4& f) {
        EXPECT_EQ(f.windowTitle(), u"一覧作成");
        EXPECT_EQ(f.Combo1->currentText(), u"ALL");
        EXPECT_EQ(f.Label14->text(), u"1");
        EXPECT_EQ(f.Combo2->currentText(), u"3");
        EXPECT_EQ(f.Text1->text(), u"Sample あ");
        EXPECT_EQ(findNamed<QLabel>(&f, u"Label2"_qs)->text(), u"#000000");
        EXPECT_EQ(findNamed<QLabel>(&f, u"Label4"_qs)->text(), u"#FFFFFF");
        EXPECT_EQ(findNamed<QLabel>(&f, u"Label8"_qs)->text(), dir.path());
        EXPECT_EQ(findNamed<QLabel>(&f, u"Label15"_qs)->text(), QString::number(model->count()));
        EXPECT_EQ(f.outputNames(), model->names());
        EXPECT_EQ(findNamed<QCheckBox>(&f, u"Check4"_qs)->toolTip(),
                  u"サンプルにItalic-Boldも追加するか しないかを指定");
        f.Check4->setChecked(true);
        f.Command1_Click();
        EXPECT_FALSE(f.isVisible());
    });
    QFile written(page(1));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.contains(R"(FACE="IPAゴシック">Sample あ</FONT></I></B></TD>)"));
    EXPECT_EQ(bytes.count("<TR>"), model->count());
    // Without the browser box the folder is opened.
    EXPECT_EQ(shell->opened, QStringList{dir.filePath(u"List"_qs)});
}

TEST_F(ListMaker, PageCountFollowsTheBoxAndBadCountsWriteNothing)
{
    withWindow([&](Form4& f) {
        f.Combo1->setEditText(u"2"_qs);
        EXPECT_EQ(f.Label14->text(), u"2"); // three fonts, two a page
        for (const char* bad : {"0", "-1", "abc"}) {
            f.Combo1->setEditText(QString::fromLatin1(bad));
            EXPECT_EQ(f.Label14->text(), u"??????") << bad;
            f.Command1_Click();
            EXPECT_TRUE(f.isVisible());
        }
        // Beyond a 16-bit count: refused with a message, the window stays.
        f.Combo1->setEditText(u"40000"_qs);
        EXPECT_EQ(f.Label14->text(), u"1");
        f.Command1_Click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(messages->messages.size(), 1);
    });
    EXPECT_FALSE(QFile::exists(page(1)));
}

TEST_F(ListMaker, FavouritesAndOpeningTheFirstPage)
{
    session->favorites.setNames({u"Zeta"_qs, u"alpha"_qs});
    withWindow([&](Form4& f) {
        f.Option1[1]->click();
        EXPECT_EQ(f.outputNames(), (QStringList{u"alpha"_qs, u"Zeta"_qs}));
        EXPECT_EQ(findNamed<QLabel>(&f, u"Label15"_qs)->text(), u"2");
        f.Combo1->setEditText(u"1"_qs);
        f.Check1->click();
        f.Command1_Click();
    });
    EXPECT_TRUE(QFile::exists(page(2)));
    EXPECT_EQ(shell->opened, QStringList{page(1)});
}

TEST_F(ListMaker, AFolderThatCannotBeWrittenIsReportedAndTheWindowStays)
{
    QFile blocker(dir.filePath(u"List"_qs));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    withWindow([&](Form4& f) {
        f.Command1_Click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_TRUE(f.isEnabled());
        ASSERT_EQ(messages->messages.size(), 1);
        EXPECT_TRUE(messages->messages.first().contains(dir.filePath(u"List"_qs)));
    });
    EXPECT_TRUE(shell->opened.isEmpty());
}

} // namespace
