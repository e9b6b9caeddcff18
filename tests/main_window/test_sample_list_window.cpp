// The font sample list window through the real widgets: opened from its button and menu
// items, scrolled, double-clicked and right-clicked.
#include "core/fontconfig_source.h"
#include "main_window/preview_area.h"
#include "main_window/sample_list_window.h"
#include "main_window/started_window.h"
#include "platform/face_text.h"
#include "widgets/family_text.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

using namespace typecask;

namespace {

class SampleList : public uitest::StartedWindow
{
protected:
    // 40 made-up families (drawn in the desktop's fallback face) and one real family listed
    // twice, in two character sets.
    std::shared_ptr<fakes::FakeFontSource> fonts() const override
    {
        auto src = std::make_shared<fakes::FakeFontSource>();
        for (int i = 0; i < 40; ++i)
            src->add(u"Family %1"_qs.arg(i, 2, 10, QChar(u'0')), 0, 4);
        src->add(u"DejaVu Sans"_qs, 0, 4).add(u"DejaVu Sans"_qs, 128, 4).add(u"IPAゴシック"_qs, 128, 4);
        return src;
    }

    // Opens the window through trigger and runs inspect on it while it is shown modal; it is
    // closed afterwards if still open.
    void withSampleList(const std::function<void()>& trigger, const std::function<void(Form18&)>& inspect)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<Form18*>(QApplication::activeModalWidget());
            if (!form)
                return;
            ran = true;
            inspect(*form);
            if (form->isVisible())
                form->reject();
        });
        trigger();
        EXPECT_TRUE(ran);
    }

    // Room for exactly rows whole rows.
    static void fitRows(Form18& form, int rows)
    {
        form.resize(form.width(), form.rowHeight() * rows + 3);
        QCoreApplication::processEvents(); // the platform confirms the new size
    }

    static QStringList labels(const Form18& form, int rows)
    {
        QStringList l;
        for (int i = 0; i < rows; ++i)
            l.append(form.row(i)->content().label);
        return l;
    }

    void clickButton(const QString& name) { child<QAbstractButton>(name)->click(); }
};

} // namespace

TEST_F(SampleList, FiveFavouritesWithRoomForTenRowsDoNotScroll)
{
    const QStringList five{u"A1"_qs, u"B2"_qs, u"C3"_qs, u"D4"_qs, u"E5"_qs};
    session->favorites.setNames(five);
    withSampleList([&] { clickButton(u"Command16"_qs); },
                   [&](Form18& f) {
                       EXPECT_EQ(f.objectName(), u"Form18");
                       EXPECT_EQ(f.windowTitle(), u"フォント一覧");
                       EXPECT_EQ(f.size(), main->size());
                       fitRows(f, 10);
                       EXPECT_FALSE(f.VScroll1->isEnabled());
                       EXPECT_EQ(labels(f, 6), (QStringList{u"1: A1"_qs, u"2: B2"_qs, u"3: C3"_qs,
                                                            u"4: D4"_qs, u"5: E5"_qs, QString()}));
                       QTest::keyClick(&f, Qt::Key_Down);
                       QTest::keyClick(&f, Qt::Key_PageDown);
                       EXPECT_EQ(f.VScroll1->value(), 0);
                       EXPECT_EQ(f.row(0)->content().label, u"1: A1");
                       // Keys act only while the list scrolls.
                       QTest::keyClick(&f, Qt::Key_Escape);
                       EXPECT_TRUE(f.isVisible());
                   });
}

TEST_F(SampleList, RowsCountFromOneAndDrawTheSampleOnOneLineInTheirFamily)
{
    main->setSampleText(u"ab\r\ncd"_qs);
    ASSERT_TRUE(form1->Text1->text().contains(u"\r\n"_qs));
    withSampleList([&] { clickButton(u"Command5"_qs); },
                   [&](Form18& f) {
                       const SampleRowContent first = f.row(0)->content();
                       EXPECT_EQ(first.label, u"1: "_qs + model->names().first());
                       EXPECT_EQ(first.family, model->names().first());
                       EXPECT_EQ(first.sample, u"abcd"_qs);
                       EXPECT_EQ(f.names().count(), model->count());
                       // ListRowCount is recomputed from the screen and the rows exist for it.
                       EXPECT_EQ(state().ListRowCount, f.screen()->geometry().height() / f.rowHeight() + 2);
                       EXPECT_EQ(f.rowCount(), state().ListRowCount + 1);
                   });
}

TEST_F(SampleList, ScrollingToTheEndDrawsTheLastNames)
{
    const QStringList names = model->names();
    const int n = static_cast<int>(names.size());
    ASSERT_EQ(n, 43);
    withSampleList([&] { action(u"hyouzi_BAR12"_qs)->trigger(); },
                   [&](Form18& f) {
                       fitRows(f, 10);
                       ASSERT_TRUE(f.VScroll1->isEnabled());
                       EXPECT_EQ(f.VScroll1->maximum(), n - 10);
                       EXPECT_EQ(f.VScroll1->pageStep(), 10);

                       QTest::keyClick(&f, Qt::Key_Down);
                       EXPECT_EQ(f.row(0)->content().label, u"2: "_qs + names[1]);
                       QTest::keyClick(&f, Qt::Key_Up);
                       QTest::keyClick(&f, Qt::Key_Up); // not below the minimum
                       EXPECT_EQ(f.VScroll1->value(), 0);
                       QTest::keyClick(&f, Qt::Key_PageDown);
                       EXPECT_EQ(f.VScroll1->value(), 10);
                       // The wheel moves the same bar, wherever the mouse is.
                       QWheelEvent wheel(QPointF(10, 10), f.row(2)->mapToGlobal(QPointF(10, 10)), QPoint(),
                                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                         false);
                       QApplication::sendEvent(f.row(2), &wheel);
                       EXPECT_GT(f.VScroll1->value(), 10);

                       QTest::keyClick(&f, Qt::Key_End);
                       EXPECT_EQ(f.VScroll1->value(), n - 10);
                       EXPECT_EQ(f.row(9)->content().label, QString::number(n) + u": "_qs + names.last());
                       EXPECT_EQ(f.row(0)->content().family, names[n - 10]);
                       // The page draws two rows more than fit; past the last name they stay cleared.
                       EXPECT_TRUE(f.row(10)->content().label.isEmpty());
                       EXPECT_TRUE(f.row(11)->content().label.isEmpty());

                       // Dragging the thumb is a change too.
                       f.VScroll1->setValue(5);
                       EXPECT_EQ(f.row(0)->content().label, u"6: "_qs + names[5]);
                   });
}

TEST_F(SampleList, DoubleClickSelectsTheFirstOccurrenceAndCloses)
{
    const int first = rowOf(u"DejaVu Sans"_qs);
    ASSERT_EQ(model->at(first + 1), u"DejaVu Sans");
    withSampleList([&] { clickButton(u"Command5"_qs); },
                   [&](Form18& f) {
                       QTest::mouseDClick(f.row(first + 1), Qt::LeftButton);
                       EXPECT_FALSE(f.isVisible());
                   });
    EXPECT_EQ(list->selectedRow(), first);
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans");

    // A favourite the font list does not show closes the window and changes nothing.
    session->favorites.setNames({u"Not Listed"_qs});
    withSampleList([&] { clickButton(u"Command16"_qs); },
                   [&](Form18& f) {
                       // The empty entry after the last name, and the rows past it, do nothing.
                       QTest::mouseDClick(f.row(1), Qt::LeftButton);
                       QTest::mouseDClick(f.row(2), Qt::LeftButton);
                       EXPECT_TRUE(f.isVisible());
                       QTest::mouseDClick(f.row(0), Qt::LeftButton);
                       EXPECT_FALSE(f.isVisible());
                   });
    EXPECT_EQ(list->selectedRow(), first);
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans");
}

TEST_F(SampleList, RightButtonOpensTheFontMenuToAddTheRowsFamily)
{
    QMenu* menu = main->fontMenu();
    withSampleList([&] { clickButton(u"Command5"_qs); },
                   [&](Form18& f) {
                       fitRows(f, 10);
                       QTest::keyClick(&f, Qt::Key_Down);
                       QTest::mouseClick(f.row(1), Qt::RightButton);
                       EXPECT_EQ(state().ContextFontName, model->at(2));
                       EXPECT_TRUE(menu->isVisible());
                       EXPECT_FALSE(action(u"popupcopy_bar6"_qs)->isVisible());
                       EXPECT_TRUE(action(u"popupcopy_bar5"_qs)->isVisible());
                       action(u"popupcopy_bar5"_qs)->trigger();
                       menu->close();
                   });
    EXPECT_EQ(session->favorites.names(), QStringList{model->at(2)});
}

TEST_F(SampleList, BothLayoutsClearTheRowsPastTheLastName)
{
    session->favorites.setNames({u"DejaVu Sans"_qs, u"IPAゴシック"_qs});
    const auto pixel = [](const SampleRow* row, int x) {
        return row->image().pixelColor(QPoint(x, row->image().height() - 2)).rgb();
    };
    const QRgb base = form1->palette().color(QPalette::Base).rgb();

    withSampleList([&] { clickButton(u"Command16"_qs); },
                   [&](Form18& f) {
                       EXPECT_EQ(pixel(f.row(2), 1), base);
                       EXPECT_EQ(pixel(f.row(0), 1), base);
                   });

    state().ListVertical = false;
    withSampleList([&] { clickButton(u"Command16"_qs); },
                   [&](Form18& f) {
                       const QRgb box = qRgb(200, 200, 250);
                       // The coloured label box on every row, the empty ones included.
                       for (int r : {0, 1, 2})
                           EXPECT_EQ(pixel(f.row(r), 1), box) << r;
                       EXPECT_EQ(pixel(f.row(0), f.painter()->labelBoxWidth() + 1), base);
                       // The sample starts right of the box: some ink there on a drawn row only.
                       const auto inked = [&](const SampleRow* row) {
                           const QImage& img = row->image();
                           for (int y = 0; y < img.height() - 1; ++y) // above the rows' hairline
                               for (int x = f.painter()->horizontalSampleLeft(); x < img.width(); ++x)
                                   if (img.pixelColor(x, y).rgb() != base)
                                       return true;
                           return false;
                       };
                       EXPECT_TRUE(inked(f.row(1)));
                       EXPECT_FALSE(inked(f.row(2)));
                   });
}

TEST_F(SampleList, LargerSampleSizeMeansTallerRowsAndFewerOfThem)
{
    int smallRows = 0;
    int smallHeight = 0;
    state().ListSampleSize = 10;
    withSampleList([&] { clickButton(u"Command5"_qs); },
                   [&](Form18& f) {
                       smallRows = f.rowCount();
                       smallHeight = f.rowHeight();
                   });
    state().ListSampleSize = 72;
    withSampleList([&] { clickButton(u"Command5"_qs); },
                   [&](Form18& f) {
                       EXPECT_GT(f.rowHeight(), smallHeight);
                       EXPECT_LT(f.rowCount(), smallRows);
                       EXPECT_EQ(f.row(1)->geometry().top(), f.rowHeight());
                   });
}

namespace {

// The image cut to its ink (what differs from its top-right pixel), in grey.
QImage inkOnly(const QImage& image, const QRect& within)
{
    const QRgb back = image.pixel(image.width() - 1, 0);
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixel(x, y) != back)
                ink |= QRect(x, y, 1, 1);
    return image.copy(ink).convertToFormat(QImage::Format_Grayscale8);
}

// How far apart two ink images are: the mean grey difference, 0 to 255, of the two scaled to
// one size a third of theirs, so that glyphs a pixel apart still match.
double difference(const QImage& inkA, const QImage& inkB)
{
    const int w = std::max(1, std::max(inkA.width(), inkB.width()) / 3);
    const int h = std::max(1, std::max(inkA.height(), inkB.height()) / 3);
    const QImage a = inkA.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = inkB.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto grey = [](const QImage& i, int x, int y) {
        return x < i.width() && y < i.height() ? qGray(i.pixel(x, y)) : 255;
    };
    double sum = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            sum += std::abs(grey(a, x, y) - grey(b, x, y));
    return sum / (static_cast<double>(w) * h);
}

} // namespace

// A row drawn from the font file and the main preview of the same Western family with a
// Japanese sample: the same glyphs, the Japanese ones in the same fallback family, at the same
// size. Gothic and Mincho differ by far more than hinting does: 0 (test fonts) and 3-6 (this
// machine's configuration, light hinting) against 26-33.
TEST_F(SampleList, ARowLooksLikeThePreviewOfItsFamily)
{
    FontconfigSource installed;
    const QString sample = u"亜あ永W"_qs;
    constexpr int Size = 28;
    state().PreviewSize = Size;
    state().PreviewBold = false;
    state().PreviewItalic = false;
    form1->Text1->setText(sample);

    QWidget host;
    SampleRow row(0, &host);
    row.setGeometry(0, 0, 700, 120);
    SampleRowPainter painter(QApplication::font(), Size, &installed);
    for (const QString& family : {u"DejaVu Serif"_qs, u"DejaVu Sans"_qs}) {
        FaceTextRenderer::shared().clear();
        painter.clear(row, SampleListLayout::Vertical, row.width());
        ASSERT_TRUE(painter.draw(row, SampleListLayout::Vertical, {u"1: x"_qs, family, sample}));
        EXPECT_GT(FaceTextRenderer::shared().openFaces(), 0) << "drawn from the font file";
        // Below the label line, above the row's dividing line.
        const int labelBottom = QFontMetrics(QApplication::font()).height() - 2;
        const QImage& drawn = row.image();
        const QImage rowInk =
            inkOnly(drawn, QRect(0, labelBottom + 4, drawn.width(), drawn.height() - labelBottom - 6));

        form1->ShowPreview(family);
        const QImage& preview = form1->Picture1->image();
        const QImage previewInk = inkOnly(preview, preview.rect());
        ASSERT_FALSE(previewInk.isNull());
        if (qEnvironmentVariableIsSet("TYPECASK_KEEP_IMAGES")) {
            rowInk.save(u"/tmp/row-%1.png"_qs.arg(family));
            previewInk.save(u"/tmp/preview-%1.png"_qs.arg(family));
        }
        EXPECT_NEAR(rowInk.width(), previewInk.width(), 3) << family.toStdString();
        EXPECT_NEAR(rowInk.height(), previewInk.height(), 2) << family.toStdString();
        EXPECT_LT(difference(rowInk, previewInk), 12) << family.toStdString();

        // With the other Japanese family behind it, the row would not pass for the preview.
        const QString other =
            japaneseFallbackFor(family) == u"IPAMincho"_qs ? u"IPAGothic"_qs : u"IPAMincho"_qs;
        QImage swapped = drawn;
        swapped.fill(Qt::white);
        ASSERT_TRUE(FaceTextRenderer::shared().draw(swapped, QPointF(4, 60), sample,
                                                    *installed.faceFile(family), *installed.faceFile(other),
                                                    Size, Qt::black));
        EXPECT_GT(difference(rowInk, inkOnly(swapped, swapped.rect())), 20) << family.toStdString();
    }
}

// An "@" family's row: its one column runs along the row from the left (a row is one character
// high), glyphs turned a quarter left as vertical fonts are listed: "一" stands as a bar.
TEST_F(SampleList, AVerticalFamilysRowRunsItsColumnAlongTheRow)
{
    FontconfigSource installed;
    QWidget host;
    SampleRow row(0, &host);
    row.setGeometry(0, 0, 900, 60);
    SampleRowPainter painter(QApplication::font(), 24, &installed);
    painter.clear(row, SampleListLayout::Horizontal, row.width());
    ASSERT_TRUE(
        painter.draw(row, SampleListLayout::Horizontal, {u"1: @IPA明朝"_qs, u"@IPA明朝"_qs, u"一一一"_qs}));
    const QImage& drawn = row.image();
    const int start = painter.horizontalSampleLeft();
    QRect ink;
    for (int y = 0; y < drawn.height() - 1; ++y)
        for (int x = start; x < drawn.width(); ++x)
            if (qGray(drawn.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.left() - start, 24);         // from the left
    EXPECT_GT(ink.height() * 4, ink.width());  // three standing bars, not three lying strokes
    EXPECT_LT(ink.width(), drawn.width() / 4); // in one line
}
