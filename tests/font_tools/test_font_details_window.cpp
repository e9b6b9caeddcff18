// The font details window and the places that open it, through the real widgets.
#include "font_tools/font_details_window.h"
#include "main_window/preview_area.h"
#include "main_window/started_window.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace typecask;

namespace {

class Details : public uitest::StartedWindow
{
protected:
    // The label texts of the window the next command opens.
    std::shared_ptr<QStringList> captureLabels()
    {
        auto labels = std::make_shared<QStringList>();
        seen = onNextModal([labels](QWidget* w) {
            for (int i = 0; i < FontDetailsLabelCount; ++i) {
                auto* l = w->findChild<QLabel*>(u"Label1(%1)"_qs.arg(i));
                labels->append(l ? l->text() : u"(missing)"_qs);
            }
        });
        return labels;
    }

    std::shared_ptr<QStringList> seen;
};

TEST_F(Details, JapaneseTrueTypeFamilyFromTheListDoubleClick)
{
    form1->Text1->setText(u"Ab"_qs);
    const auto labels = captureLabels();
    const QRect r = list->visualRect(list->model()->index(rowOf(u"IPAゴシック"_qs), 0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_EQ(*seen, QStringList{u"Form9"_qs});
    ASSERT_EQ(labels->size(), FontDetailsLabelCount);
    EXPECT_EQ(labels->at(DetailsFaceName), u"IPAゴシック");
    EXPECT_EQ(labels->at(DetailsCharset), u"日本語");
    EXPECT_EQ(labels->at(DetailsFontType), u"TRUETYPE");
    const QStringList sample = labels->at(DetailsSample).split(u"\r\n"_qs);
    ASSERT_EQ(sample.size(), 3);
    EXPECT_EQ(sample[2], u"あいうえおかきくけこ亜意宇江尾");
    // The table measures the sample text: wider and taller at 12 points than at 9.
    EXPECT_GT(labels->at(Details9PointWidth).toDouble(), 0);
    EXPECT_GT(labels->at(Details12PointWidth).toDouble(), labels->at(Details9PointWidth).toDouble());
    EXPECT_GT(labels->at(Details12PointHeight).toDouble(), labels->at(Details9PointHeight).toDouble());
    EXPECT_EQ(labels->at(DetailsPreviewSize), QString::number(state().PreviewSize));
}

TEST_F(Details, UnknownNameKeepsTheDesignCaptions)
{
    const auto labels = captureLabels();
    main->showFontDetails(u"No Such Family"_qs);
    ASSERT_EQ(*seen, QStringList{u"Form9"_qs});
    const auto design = fontDetailsDesignCaptions();
    EXPECT_EQ(*labels, QStringList(design.begin(), design.end()));
    EXPECT_EQ(labels->at(DetailsHeightHeading), u"文字の高さ");
}

TEST_F(Details, WindowFitsTheSampleAndClosesOnAClickOrAKeyOfItsOwn)
{
    auto* form = new Form9(main.get());
    form->fill(fontDetailsView(session->catalog, u"IPAゴシック"_qs, {}));
    const QRect sample = form->label(DetailsSample)->geometry();
    EXPECT_GE(form->height(), sample.bottom());
    EXPECT_GE(form->width(), sample.right());
    EXPECT_EQ(form->label(DetailsSample)->font().family(), u"IPAゴシック");
    // Without a measurer the table keeps its design values.
    EXPECT_EQ(form->label(Details9PointWidth)->text(), u"0");
    delete form;

    // Enter in the font list opens the window; letting go of Enter must not close it.
    clickRow(list, rowOf(u"DejaVu Serif"_qs));
    bool openAfterRelease = false;
    bool closedByKey = false;
    seen = onNextModal([&](QWidget* w) {
        QTest::keyRelease(w, Qt::Key_Return);
        openAfterRelease = w->isVisible();
        QTest::keyClick(w, Qt::Key_A);
        closedByKey = !w->isVisible();
    });
    list->setFocus();
    QTest::keyPress(list, Qt::Key_Return);
    EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_TRUE(openAfterRelease);
    EXPECT_TRUE(closedByKey);

    // A click on a label closes it too (onNextModal clicks the window itself).
    bool closedByLabel = false;
    seen = onNextModal([&](QWidget* w) {
        QTest::mouseClick(w->findChild<QLabel*>(u"Label1(10)"_qs), Qt::LeftButton);
        closedByLabel = !w->isVisible();
    });
    main->showFontDetails(u"DejaVu Serif"_qs);
    EXPECT_TRUE(closedByLabel);
}

TEST_F(Details, PopupDetailsShowTheContextNameOrThePreviewFont)
{
    clickRow(list, rowOf(u"IPAゴシック"_qs));
    clickRow(list, rowOf(u"DejaVu Sans"_qs), Qt::RightButton); // acts on the selected row
    main->fontMenu()->close();
    auto labels = captureLabels();
    action(u"popupcopy_bar4"_qs)->trigger();
    ASSERT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_EQ(labels->at(DetailsFaceName), u"IPAゴシック");
    EXPECT_TRUE(state().ContextFontName.isEmpty());

    // From the preview area: the previewed font.
    clickRow(list, rowOf(u"DejaVu Serif"_qs));
    QTest::mouseClick(form1->Picture1, Qt::RightButton, {}, QPoint(5, 5));
    main->fontMenu()->close();
    labels = captureLabels();
    action(u"popupcopy_bar4"_qs)->trigger();
    EXPECT_EQ(labels->at(DetailsFaceName), u"DejaVu Serif");

    // With no name set by a menu, the preview font too.
    labels = captureLabels();
    action(u"popupcopy_bar4"_qs)->trigger();
    EXPECT_EQ(labels->at(DetailsFaceName), u"DejaVu Serif");
    EXPECT_TRUE(state().ContextFontName.isEmpty());
}

TEST_F(Details, FavouritesArrowKeysPreviewNothingWithoutASelection)
{
    child<QAbstractButton>(u"Check10"_qs)->click();
    main->favorites()->setNames({u"DejaVu Sans"_qs, u"IPAゴシック"_qs});
    FontListView* favorites = main->favoritesView();
    clickRow(list, rowOf(u"DejaVu Serif"_qs));

    // No selection: no window, and the preview font stays.
    seen = onNextModal();
    favorites->setFocus();
    QTest::keyClick(favorites, Qt::Key_Right);
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen->isEmpty());
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Serif");

    clickRow(favorites, 1);
    auto labels = captureLabels();
    QTest::keyClick(favorites, Qt::Key_Left);
    EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_EQ(labels->at(DetailsFaceName), u"IPAゴシック");
    EXPECT_EQ(state().CurrentFontName, u"IPAゴシック");
}

TEST_F(Details, OpeningGivesUpAlwaysInFront)
{
    child<QAbstractButton>(u"Check3"_qs)->click();
    ASSERT_TRUE(state().AlwaysOnTop);
    seen = onNextModal();
    main->showFontDetails(u"DejaVu Sans"_qs);
    EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_FALSE(state().AlwaysOnTop);
    EXPECT_FALSE(child<QAbstractButton>(u"Check3"_qs)->isChecked());
}

} // namespace

namespace {

// IPAゴシック with every 常用漢字 but 一 (U+4E00) and 丁 (U+4E01), and the kana.
class Coverage : public Details
{
protected:
    std::shared_ptr<fakes::FakeFontSource> fonts() const override
    {
        auto src = Details::fonts();
        std::vector<char32_t>& chars = src->families[1].characters;
        for (const CodePointRange& r :
             japaneseSets()[static_cast<std::size_t>(japaneseSetIndex(u"joyo"_qs))].ranges)
            for (char32_t c = r.first; c <= r.last; ++c)
                if (c > 0x4E01)
                    chars.push_back(c);
        for (const CodePointRange& r :
             japaneseSets()[static_cast<std::size_t>(japaneseSetIndex(u"kana"_qs))].ranges)
            for (char32_t c = r.first; c <= r.last; ++c)
                chars.push_back(c);
        return src;
    }
};

} // namespace

TEST_F(Coverage, SetsBelowTheSampleWithTheMissingCharactersToCopy)
{
    auto* form = new Form9(main.get());
    form->fill(fontDetailsView(session->catalog, u"IPAゴシック"_qs, {}));
    const int joyo = japaneseSetIndex(u"joyo"_qs);
    const int kana = japaneseSetIndex(u"kana"_qs);
    EXPECT_EQ(form->coverageLabel(joyo)->text(), u"常用漢字 2134 / 2136");
    EXPECT_EQ(form->coverageLabel(kana)->text(), u"かな 169 / 169");
    EXPECT_EQ(form->coverageLabel(japaneseSetIndex(u"jis4"_qs))->text(), u"JIS第4水準 0 / 2436");
    QLineEdit* missing = form->missingBox(joyo);
    EXPECT_EQ(missing->text(), u"一丁");
    EXPECT_TRUE(missing->isReadOnly());
    EXPECT_TRUE(form->missingBox(kana)->isHidden()); // nothing missing
    // A long list shows its beginning, and all of it once clicked for selecting.
    QLineEdit* level4 = form->missingBox(japaneseSetIndex(u"jis4"_qs));
    EXPECT_TRUE(level4->text().endsWith(u'…'));
    EXPECT_LT(level4->text().size(), 100);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::mouseClick(level4, Qt::LeftButton);
    EXPECT_EQ(level4->text().toUcs4().size(), 2436);
    form->hide();
    // The section lies below the sample, inside the window.
    QWidget* section = form->findChild<QWidget*>(u"Coverage"_qs);
    EXPECT_GT(section->geometry().top(), form->label(DetailsSample)->geometry().bottom());
    EXPECT_LE(section->geometry().bottom(), form->height());

    // No family, no section.
    form->fill(fontDetailsView(session->catalog, u"No Such Family"_qs, {}));
    EXPECT_TRUE(section->isHidden());
    delete form;

    // Keys typed in the box select and copy; they do not close the window, Escape does.
    bool openAfterCopy = false;
    bool closedByEscape = false;
    QString copied;
    seen = onNextModal([&](QWidget* w) {
        auto* box = w->findChild<QLineEdit*>(u"CoverageMissing(%1)"_qs.arg(joyo));
        EXPECT_FALSE(box->hasFocus()); // the window keeps the keys until the box is clicked
        QTest::mouseClick(box, Qt::LeftButton);
        openAfterCopy = w->isVisible();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        openAfterCopy = openAfterCopy && w->isVisible();
        copied = QApplication::clipboard()->text();
        QTest::keyClick(box, Qt::Key_Escape);
        closedByEscape = !w->isVisible();
    });
    main->showFontDetails(u"IPAゴシック"_qs);
    EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_TRUE(openAfterCopy);
    EXPECT_EQ(copied, u"一丁");
    EXPECT_TRUE(closedByEscape);
}
