// The Qt services as a user meets them: the standard dialogs in Japanese like every window.
#include "dialogs/modal_helpers.h"
#include "platform/qt_services.h"
#include "platform/qt_translations.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace typecask;

TEST(QtServices, TheOpenDialogSpeaksJapaneseAndShowsItsFilterCaptionOnce)
{
    ASSERT_TRUE(useJapaneseQtTexts()) << "Qt's Japanese translation is missing (qt6-translations-l10n)";
    QTemporaryDir dir;
    QtFileDialog files;
    uitest::withModal<QFileDialog>(
        [&] { files.openHtmlFile(dir.path()); },
        [](QFileDialog& d) {
            // The filter's caption once, not followed by Qt's own list.
            EXPECT_EQ(d.findChild<QComboBox*>(u"fileTypeCombo"_qs)->currentText(), u"HTMファイル(*.html)");
            EXPECT_EQ(d.findChild<QLabel*>(u"lookInLabel"_qs)->text(), u"アドレス:");
            EXPECT_EQ(d.findChild<QLabel*>(u"fileNameLabel"_qs)->text(), u"ファイル名(&N):");
            auto* buttons = d.findChild<QDialogButtonBox*>(u"buttonBox"_qs);
            EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), u"開く(&O)");
            EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), u"キャンセル");
        });
}

TEST(QtServices, AShortMessageLeavesRoomForTheTitle)
{
    QtMessageBox messages;
    uitest::withModal<QMessageBox>([&] { messages.notice(u"多すぎます"_qs); },
                                   [](QMessageBox& box) {
                                       EXPECT_GE(box.width(),
                                                 box.fontMetrics().horizontalAdvance(u"Typecask"_qs) + 160);
                                   });
}
