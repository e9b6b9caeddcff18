// The settings dialog through the real widgets.
#include "dialogs/modal_helpers.h"
#include "dialogs/settings_dialog.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

using namespace typecask;

namespace {

class Settings : public uitest::StartedWindow
{
protected:
    std::shared_ptr<fakes::FakeFontSource> fonts() const override
    {
        auto src = uitest::StartedWindow::fonts();
        src->add(u"@IPAゴシック"_qs, 128, 4);
        return src;
    }

    void withSettings(const std::function<void(Form17&)>& inspect)
    {
        uitest::withModal<Form17>([this] { action(u"Setting_Bar"_qs)->trigger(); }, inspect);
    }
    static void click(Form17& f, const char* name)
    {
        f.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    }
    SampleTexts texts() const
    {
        return {session->state.SampleTextJapanese, session->state.SampleTextWestern,
                session->state.SampleTextSymbol};
    }
};

} // namespace

TEST_F(Settings, ShowsTheSessionAndLongThenCancelChangesNothing)
{
    state().ListSampleSize = 30;
    state().ListVertical = false;
    state().PreviewAreaSize = 0;
    const SampleTexts before = texts();
    ASSERT_EQ(before, resetSampleTexts());
    withSettings([&](Form17& f) {
        EXPECT_EQ(f.windowTitle(), u"設定");
        EXPECT_EQ(f.Text1->toPlainText(), before.japanese);
        EXPECT_EQ(f.Text3->toPlainText(), before.symbol);
        EXPECT_FALSE(f.Check1->isChecked());
        EXPECT_EQ(f.Combo1->currentText(), u"30");
        EXPECT_TRUE(f.Option1[1]->isChecked());
        EXPECT_TRUE(f.Option2[0]->isChecked());
        click(f, "Command4");
        EXPECT_EQ(f.Text2->toPlainText(), longSampleTexts().western);
        click(f, "Command2");
    });
    EXPECT_EQ(texts(), before);
    // The close box drops the edits too.
    withSettings([&](Form17& f) {
        click(f, "Command4");
        f.close();
    });
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(state().ListSampleSize, 30);
}

TEST_F(Settings, OkStoresTypedLinesAsOneAndTheButtonTexts)
{
    withSettings([&](Form17& f) {
        click(f, "Command4");
        f.Text1->clear();
        f.Text1->setFocus();
        QTest::keyClicks(f.Text1, u"ab"_qs);
        QTest::keyClick(f.Text1, Qt::Key_Return);
        QTest::keyClicks(f.Text1, u"cd"_qs);
        ASSERT_EQ(f.Text1->document()->blockCount(), 2);
        f.Combo1->setCurrentIndex(f.Combo1->findText(u"36"_qs));
        click(f, "Command1");
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(state().SampleTextJapanese, u"abcd");
    EXPECT_EQ(state().SampleTextWestern, longSampleTexts().western);
    EXPECT_EQ(state().SampleTextSymbol, longSampleTexts().symbol);
    EXPECT_EQ(state().ListSampleSize, 36);
    // The sample-text button uses the stored text at once.
    child<QAbstractButton>(u"Command10"_qs)->click();
    EXPECT_EQ(form1->Text1->text(), u"abcd");

    withSettings([&](Form17& f) {
        click(f, "Command3");
        click(f, "Command1");
    });
    EXPECT_EQ(texts(), resetSampleTexts());
}

TEST_F(Settings, OkRebuildsTheFontListAndReStacksTheBrowserAtOnce)
{
    ASSERT_EQ(rowOf(u"@IPAゴシック"_qs), -1);
    const int previewHeight = form1->Picture1->height();
    withSettings([&](Form17& f) {
        f.Check1->click();
        f.Option2[2]->click();
        f.Option1[1]->click();
        click(f, "Command1");
    });
    EXPECT_TRUE(session->filter.showVerticalFonts);
    EXPECT_GE(rowOf(u"@IPAゴシック"_qs), 0);
    EXPECT_EQ(state().PreviewAreaSize, 2);
    EXPECT_GT(form1->Picture1->height(), previewHeight);
    EXPECT_FALSE(state().ListVertical);

    // And back.
    withSettings([&](Form17& f) {
        EXPECT_TRUE(f.Check1->isChecked());
        EXPECT_TRUE(f.Option2[2]->isChecked());
        f.Check1->click();
        click(f, "Command1");
    });
    EXPECT_EQ(rowOf(u"@IPAゴシック"_qs), -1);
}

TEST_F(Settings, TwoLinesFitTheirBoxesAndTheSizeListPopsUpAsAShortList)
{
    withSettings([&](Form17& f) {
        for (QPlainTextEdit* box : {f.Text1, f.Text2, f.Text3}) {
            box->setPlainText(u"Typecask 日本語\nあいうえお Ag"_qs);
            QCoreApplication::processEvents();
            EXPECT_FALSE(box->verticalScrollBar()->isVisible()) << box->objectName().toStdString();
            box->setPlainText(u"一\n二\n三"_qs);
            QCoreApplication::processEvents();
            EXPECT_TRUE(box->verticalScrollBar()->isVisible()) << box->objectName().toStdString();
        }
        f.Combo1->showPopup();
        QWidget* popup = f.Combo1->view()->window();
        ASSERT_TRUE(popup->isVisible());
        EXPECT_LE(popup->height(), f.Combo1->view()->sizeHintForRow(0) * 20);
        f.Combo1->hidePopup();
    });
}
