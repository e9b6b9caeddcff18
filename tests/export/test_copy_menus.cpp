// The copy commands of the main window, its font menu and its drag areas, driven through
// the real widgets.
#include "export/html_tag.h"
#include "export/rtf_writer.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"
#include "platform/qt_services.h"
#include "widgets/drag_area.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>

using namespace typecask;

namespace {

class CopyMenus : public uitest::StartedWindow
{
protected:
    // The HTML and RTF bars, opened as a user opens them to reach their buttons.
    void openBars()
    {
        child<QAbstractButton>(u"Check5"_qs)->click();
        child<QAbstractButton>(u"Check6"_qs)->click();
    }

    // The preview in a Japanese face, bold, red, centred, with a Japanese sample.
    void styledPreview()
    {
        openBars();
        clickRow(list, rowOf(u"IPAゴシック"_qs));
        child<QAbstractButton>(u"Check1"_qs)->click();
        form1->Picture1->setForeColor(QColor(255, 0, 0));
        child<QRadioButton>(u"Option3(1)"_qs)->click();
        form1->Text1->setText(u"あいう Ab"_qs);
    }

    QByteArray expectedRtf(Alignment alignment = Alignment::Center) const
    {
        const AppState& s = session->state;
        return sampleRtf(session->catalog, s.CurrentFontName, form1->Text1->text(), s.PreviewSize, 255,
                         s.PreviewItalic, s.PreviewBold, alignment);
    }

    QString expectedTag() const
    {
        const AppState& s = session->state;
        return sampleHtml(s.CurrentFontName, form1->Text1->text(), 255, s.PreviewBold, s.PreviewItalic,
                          htmlTagOptionsFrom(session->html, child<QComboBox>(u"Combo2"_qs)->currentText(),
                                             child<QComboBox>(u"Combo3"_qs)->currentText()));
    }

    // Runs a command and gives what it left on the clipboard (none when it set nothing).
    std::optional<ClipboardContent> after(const std::function<void()>& command)
    {
        const int before = clipboard->sets;
        command();
        if (clipboard->sets == before)
            return std::nullopt;
        EXPECT_EQ(clipboard->sets, before + 1);
        return clipboard->content;
    }
};

TEST_F(CopyMenus, MenuCopiesBeforeTheBarsWereEverShownUseTheirSizes)
{
    Q_EMIT child<QComboBox>(u"Combo1"_qs)->activated(0); // 8 points
    form1->Picture1->setForeColor(QColor(255, 0, 0));
    const std::optional<ClipboardContent> html = after([&] { action(u"HTMLcopy_Bar"_qs)->trigger(); });
    const std::optional<ClipboardContent> rtf = after([&] { action(u"RTFcopy_BAR"_qs)->trigger(); });
    ASSERT_EQ(main->findChild<QWidget*>(u"Picture3"_qs), nullptr); // built only when first shown
    ASSERT_TRUE(html && rtf);
    openBars();
    EXPECT_EQ(child<QComboBox>(u"Combo2"_qs)->currentText(), u"1");
    EXPECT_EQ(child<QComboBox>(u"Combo3"_qs)->currentText(), u"12");
    EXPECT_EQ(html->text, expectedTag()); // what the boxes now show
    EXPECT_EQ(rtf->rtf, expectedRtf(Alignment::Left));
}

TEST_F(CopyMenus, RtfAndHtmlCopiesFromEveryPlace)
{
    styledPreview();
    ASSERT_TRUE(action(u"Copy_Bar"_qs)->isEnabled());
    const auto rtfCopies = {std::function<void()>([&] { action(u"RTFcopy_BAR"_qs)->trigger(); }),
                            std::function<void()>([&] { child<QAbstractButton>(u"Command7"_qs)->click(); }),
                            std::function<void()>([&] { action(u"popupcopy_bar2"_qs)->trigger(); })};
    for (const auto& copy : rtfCopies) {
        const std::optional<ClipboardContent> c = after(copy);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->rtf, expectedRtf());
        EXPECT_EQ(c->text, u"あいう Ab");
    }
    // The document carries what the preview shows.
    const QByteArray rtf = clipboard->content.rtf;
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\fcharset128"));
    EXPECT_TRUE(rtf.contains("\\red255\\green0\\blue0;"));
    EXPECT_TRUE(rtf.contains(QByteArray("\\plain\\f2\\fs")
                                 .append(QByteArray::number(2 * state().PreviewSize))
                                 .append("\\cf1\\b\\qc")));

    const auto htmlCopies = {std::function<void()>([&] { action(u"HTMLcopy_Bar"_qs)->trigger(); }),
                             std::function<void()>([&] { child<QAbstractButton>(u"Command3"_qs)->click(); }),
                             std::function<void()>([&] { action(u"popupcopy_bar3"_qs)->trigger(); })};
    for (const auto& copy : htmlCopies) {
        const std::optional<ClipboardContent> c = after(copy);
        ASSERT_TRUE(c);
        EXPECT_TRUE(c->rtf.isEmpty());
        EXPECT_EQ(c->text, expectedTag());
    }
    EXPECT_TRUE(clipboard->content.text.contains(u"FACE=\"IPAゴシック\""_qs));
    EXPECT_TRUE(clipboard->content.text.contains(u"あいう Ab"_qs));

    // The HTML copy reads the size boxes as they are at copy time.
    child<QComboBox>(u"Combo2"_qs)->setCurrentText(u"5"_qs);
    const std::optional<ClipboardContent> sized = after([&] { action(u"HTMLcopy_Bar"_qs)->trigger(); });
    ASSERT_TRUE(sized);
    EXPECT_TRUE(sized->text.contains(u"SIZE=\"5\""_qs) || sized->text.contains(u"SIZE=5"_qs))
        << sized->text.toStdString();
}

TEST_F(CopyMenus, FontNameFormsFromBothMenus)
{
    clickRow(list, rowOf(u"DejaVu Serif"_qs));
    for (const char* menu : {"FaceCopy_bar0", "FontCoy_Bar"}) {
        for (int i = 0; i < FontNameFormCount; ++i) {
            if (i == 1)
                continue;
            const std::optional<ClipboardContent> c =
                after([&] { action(u"%1(%2)"_qs.arg(QLatin1String(menu)).arg(i))->trigger(); });
            ASSERT_TRUE(c) << menu << i;
            EXPECT_EQ(c->text, fontNameForm(i, u"DejaVu Serif"_qs).value()) << menu << i;
            EXPECT_TRUE(c->rtf.isEmpty());
        }
    }
    EXPECT_EQ(action(u"FaceCopy_bar0(3)"_qs)->text(), u"FACE=フォント名");

    // The next family previewed is the next one copied.
    clickRow(list, rowOf(u"IPAゴシック"_qs));
    action(u"FaceCopy_bar0(0)"_qs)->trigger();
    EXPECT_EQ(clipboard->content.text, u"IPAゴシック");
    EXPECT_TRUE(state().ContextFontName.isEmpty());
}

TEST_F(CopyMenus, DismissedPopupLeavesItsNameForTheEditMenu)
{
    clickRow(list, rowOf(u"IPAゴシック"_qs));
    clickRow(list, rowOf(u"IPAゴシック"_qs), Qt::RightButton);
    QMenu* popup = main->fontMenu();
    EXPECT_TRUE(popup->isVisible());
    popup->close();
    clickRow(list, rowOf(u"DejaVu Sans"_qs));
    ASSERT_EQ(state().CurrentFontName, u"DejaVu Sans");

    const std::optional<ClipboardContent> c = after([&] { action(u"FaceCopy_bar0(3)"_qs)->trigger(); });
    ASSERT_TRUE(c);
    EXPECT_EQ(c->text, fontNameForm(3, u"IPAゴシック"_qs).value());
    // The sample copies still follow the preview.
    action(u"RTFcopy_BAR"_qs)->trigger();
    EXPECT_TRUE(clipboard->content.rtf.contains("\\fcharset0"));
}

TEST_F(CopyMenus, DragAreasOfferTheSampleAndTheDefaultSettings)
{
    auto* current = child<DragArea>(u"Picture4"_qs);
    auto* standard = child<DragArea>(u"Picture5"_qs);
    ASSERT_TRUE(current && standard);
    EXPECT_EQ(current->toolTip(), u"ここをドラッグしてＲＴＦ形式でコピーできます。");
    EXPECT_EQ(standard->toolTip(), u"標準の設定をドラッグできます。");

    styledPreview();
    child<QAbstractButton>(u"Check2"_qs)->click();
    Q_EMIT child<QComboBox>(u"Combo1"_qs)->activated(24 - 8);
    ASSERT_EQ(state().PreviewSize, 24);
    child<QRadioButton>(u"Option3(2)"_qs)->click();

    const ClipboardContent sample = current->content();
    EXPECT_EQ(sample.rtf, expectedRtf(Alignment::Right));
    EXPECT_EQ(sample.text, u"あいう Ab");

    // 9 points, black, upright, one space, in the sample box's own font; only the
    // alignment follows the bar.
    const ClipboardContent plain = standard->content();
    EXPECT_EQ(plain.text, u" ");
    const QString boxFamily = QFontInfo(form1->Text1->font()).family();
    EXPECT_EQ(plain.rtf,
              sampleRtf(session->catalog, boxFamily, u" "_qs, 9, 0, false, false, Alignment::Right));
    EXPECT_TRUE(plain.rtf.contains("\\plain\\f2\\fs18\\qr "));
    EXPECT_TRUE(plain.rtf.contains("{\\colortbl\\red0\\green0\\blue0;}"));

    // A drag never touches the clipboard.
    EXPECT_EQ(clipboard->sets, 0);
}

TEST_F(CopyMenus, RtfCopyReachesTheDesktopClipboardInEveryFormat)
{
    fake.services.clipboard = std::make_shared<QtClipboard>();
    clickRow(list, rowOf(u"DejaVu Sans"_qs));
    form1->Text1->setText(u"Ab"_qs);
    action(u"RTFcopy_BAR"_qs)->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    for (const char* format : {"text/rtf", "text/richtext", "application/rtf"})
        EXPECT_TRUE(data->data(QString::fromLatin1(format)).startsWith("{\\rtf1")) << format;
    EXPECT_EQ(data->text(), u"Ab");
    EXPECT_TRUE(data->formats().contains(u"text/plain"_qs));
}

} // namespace
