// The font search through its real widgets, beside the started main window.
#include "core/font_list_model.h"
#include "dialogs/favorites_editor_window.h"
#include "font_tools/font_search_window.h"
#include "font_tools/search_panel.h"
#include "main_window/sample_list_window.h"
#include "main_window/started_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

using namespace typecask;

namespace {

// Reads each family's details slowly, as opening a large font file can be.
class SlowSource final : public FontSource
{
public:
    explicit SlowSource(std::shared_ptr<FontSource> fonts) : m_fonts(std::move(fonts)) {}
    void enumerate(const std::function<bool(const EnumeratedFont&)>& visit) override
    {
        m_fonts->enumerate(visit);
    }
    std::optional<FontDetails> readDetails(const QString& faceName) override
    {
        ++reads;
        QThread::msleep(4);
        return m_fonts->readDetails(faceName);
    }
    QString resolveFamily(const QString& name) override { return m_fonts->resolveFamily(name); }
    int reads = 0;

private:
    std::shared_ptr<FontSource> m_fonts;
};

class Search : public uitest::StartedWindow
{
protected:
    std::shared_ptr<fakes::FakeFontSource> fonts() const override
    {
        FontDetails wide;
        wide.pitchAndFamily = 0x31;
        wide.logicalHeight = 20;
        wide.logicalWidth = 10;
        auto src = std::make_shared<fakes::FakeFontSource>();
        src->add(u"DejaVu Serif"_qs, 0, 4)
            .add(u"IPAゴシック"_qs, 128, 4)
            .add(u"DejaVu Sans"_qs, 0, 4)
            .add(u"Fixed"_qs, 0, 1, wide)
            .add(u"DejaVu Sans Mono"_qs, 0, 4)
            .add(u"IPA明朝"_qs, 128, 4);
        return src;
    }

    Form10* open()
    {
        child<QAbstractButton>(u"Command13"_qs)->click();
        Form10* form = main->findChild<Form10*>(u"Form10"_qs);
        EXPECT_NE(form, nullptr);
        return form;
    }

    QStringList search(Form10* form, const QString& text)
    {
        form->Text1()->setText(text);
        QTest::keyClick(form->Text1(), Qt::Key_Return);
        return form->results()->names();
    }

    template <typename T = QWidget> static T* in(Form10* form, const QString& name)
    {
        return findNamed<T>(form, name);
    }
};

TEST_F(Search, OpensBesideTheMainWindowAndFindsByName)
{
    Form10* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->windowTitle(), u"検索");
    // The menu item raises the same window.
    action(u"Make_Kensaku_Bar"_qs)->trigger();
    EXPECT_EQ(main->findChildren<Form10*>().size(), 1);

    EXPECT_EQ(search(form, u"ipa"_qs), (QStringList{u"IPAゴシック"_qs, u"IPA明朝"_qs}));
    EXPECT_EQ(form->windowTitle(), u"検索終了[2]");
    EXPECT_EQ(search(form, u"ＳＡＮＳ dejavu"_qs), (QStringList{u"DejaVu Sans"_qs, u"DejaVu Sans Mono"_qs}));
    EXPECT_TRUE(search(form, u"nothing"_qs).isEmpty());
    EXPECT_EQ(form->windowTitle(), u"検索終了[0]");
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(Search, NarrowingNeedsThreeResultsAndSwitchesItselfOff)
{
    Form10* form = open();
    auto* narrow = in<QCheckBox>(form, u"Check4"_qs);
    EXPECT_FALSE(narrow->isEnabled());
    EXPECT_EQ(search(form, u"dejavu"_qs).size(), 3);
    ASSERT_TRUE(narrow->isEnabled());
    narrow->setChecked(true);
    // Narrowing searches the results only: "IPA" names are not among them.
    EXPECT_EQ(search(form, u"sans"_qs), (QStringList{u"DejaVu Sans"_qs, u"DejaVu Sans Mono"_qs}));
    EXPECT_FALSE(narrow->isEnabled());
    EXPECT_FALSE(narrow->isChecked());
    // Off again, the whole catalog is searched.
    EXPECT_EQ(search(form, QString()).size(), 6);
    EXPECT_TRUE(narrow->isEnabled());
}

TEST_F(Search, DetailedPanelWidensTheWindowAndFilters)
{
    Form10* form = open();
    const int narrow = form->width();
    SearchPanel* panel = form->Picture1();
    EXPECT_FALSE(panel->isVisible());
    in<QCheckBox>(form, u"Check5"_qs)->click();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->isEnabled());
    EXPECT_GE(form->width(), narrow + panel->width());
    EXPECT_FALSE(panel->Frame2()->isEnabled()); // the ratio's controls follow Check3

    // Raster fonts only.
    for (int i : {0, 1, 3})
        in<QCheckBox>(form, u"Check1(%1)"_qs.arg(i))->setChecked(false);
    EXPECT_EQ(search(form, QString()), QStringList{u"Fixed"_qs});
    in<QCheckBox>(form, u"Check1(1)"_qs)->setChecked(true);
    in<QCheckBox>(form, u"Check2(1)"_qs)->setChecked(false); // no Japanese
    EXPECT_EQ(search(form, QString()).size(), 4);

    // The ratio: Fixed is as wide as half its height; the others have no details here.
    panel->Check3()->click();
    EXPECT_TRUE(panel->Frame2()->isEnabled());
    panel->Text2()->setText(QString());
    EXPECT_EQ(search(form, QString()), QStringList{u"Fixed"_qs});
    EXPECT_EQ(panel->Text2()->text(), u"50"); // an empty threshold searches with 50
    panel->Command2()->click();
    EXPECT_EQ(panel->Command2()->text(), u"<");
    EXPECT_EQ(search(form, QString()), QStringList{u"Fixed"_qs}); // equal passes both ways
    panel->Text2()->setText(u"49"_qs);
    EXPECT_TRUE(search(form, QString()).isEmpty());

    // Off: the window narrows back and the conditions no longer apply.
    in<QCheckBox>(form, u"Check5"_qs)->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(form->width(), narrow);
    EXPECT_EQ(search(form, QString()).size(), 6);
}

TEST_F(Search, ResultsActLikeTheMainList)
{
    Form10* form = open();
    search(form, u"dejavu"_qs);
    FontListView* results = form->List1();
    clickRow(results, 1); // DejaVu Sans Mono
    EXPECT_EQ(state().CurrentFontName, u"DejaVu Sans Mono");
    EXPECT_EQ(main->windowTitle(), u"DejaVu Sans Mono -Typecask v201");
    EXPECT_EQ(list->selectedRow(), -1); // the main list is not touched by a click

    // Double click and Enter select the family in the main list.
    const QRect r = results->visualRect(results->model()->index(2, 0));
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(list->selectedName(), u"DejaVu Serif");
    clickRow(results, 0);
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_EQ(list->selectedName(), u"DejaVu Sans");

    // Left or Right: the details window for the selected family.
    clickRow(results, 2);
    QString shown;
    auto seen = onNextModal([&shown](QWidget* w) { shown = w->findChild<QLabel*>(u"Label1(0)"_qs)->text(); });
    QTest::keyClick(results, Qt::Key_Right);
    EXPECT_EQ(*seen, QStringList{u"Form9"_qs});
    EXPECT_EQ(shown, u"DejaVu Serif");

    // The right button: the font menu for the selected family, offering to add it.
    QTest::mouseClick(results->viewport(), Qt::RightButton, {}, r.center());
    EXPECT_EQ(state().ContextFontName, u"DejaVu Serif");
    ASSERT_TRUE(main->fontMenu()->isVisible());
    EXPECT_TRUE(action(u"popupcopy_bar5"_qs)->isVisible());
    EXPECT_FALSE(action(u"popupcopy_bar6"_qs)->isVisible());
    main->fontMenu()->close();
}

TEST_F(Search, FunctionKeysSetTheSampleTextAndCommand4Closes)
{
    state().SampleTextWestern = u"west"_qs;
    state().SampleTextJapanese = u"日本"_qs;
    state().SampleTextSymbol = u"#&"_qs;
    Form10* form = open();
    form->activateWindow();
    form->Text1()->setFocus();
    QTest::keyClick(form->Text1(), Qt::Key_F3);
    EXPECT_EQ(form1->Text1->text(), u"日本");
    QTest::keyClick(form->Text1(), Qt::Key_F4);
    EXPECT_EQ(form1->Text1->text(), u"#&");
    QTest::keyClick(form->Text1(), Qt::Key_F2);
    EXPECT_EQ(form1->Text1->text(), u"west");

    // Closing unloads the window: the next opening starts afresh.
    search(form, u"ipa"_qs);
    const QPointer<Form10> closed(form);
    in<QPushButton>(form, u"Command4"_qs)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    form = open();
    EXPECT_TRUE(form->results()->names().isEmpty());
}

TEST_F(Search, ResultsGoToTheSampleListAndTheFavouritesEditor)
{
    Form10* form = open();
    const QStringList found = search(form, u"dejavu"_qs);
    ASSERT_EQ(found.size(), 3);
    QStringList listed;
    auto seen = onNextModal([&listed](QWidget* w) {
        const auto* list = static_cast<Form18*>(w);
        for (int i = 0; i < list->names().count(); ++i)
            listed.append(list->names().at(i));
        static_cast<QDialog*>(w)->reject();
    });
    in<QPushButton>(form, u"Command3"_qs)->click();
    EXPECT_EQ(*seen, QStringList{u"Form18"_qs});
    EXPECT_EQ(listed, found);

    seen = onNextModal([&listed](QWidget* w) {
        listed = static_cast<Form11*>(w)->source()->names();
        static_cast<QDialog*>(w)->reject();
    });
    in<QAbstractButton>(form, u"Command5"_qs)->click();
    EXPECT_EQ(*seen, QStringList{u"Form11"_qs});
    EXPECT_EQ(listed, found);

    // F1 is Command3.
    seen = onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    QTest::keyClick(form->List1(), Qt::Key_F1);
    EXPECT_EQ(*seen, QStringList{u"Form18"_qs});
}

TEST_F(Search, ALongDetailedSearchKeepsTheProgramResponsive)
{
    // 60 families whose details take a while to read.
    auto many = std::make_shared<fakes::FakeFontSource>();
    for (int i = 0; i < 60; ++i)
        many->add(u"Family %1"_qs.arg(i, 2, 10, QChar(u'0')), 0, 4);
    auto slow = std::make_shared<SlowSource>(many);
    session->catalog.clear();
    session->catalog.setSource(slow);
    enumerateFonts(session->catalog, *slow);

    Form10* form = open();
    in<QCheckBox>(form, u"Check5"_qs)->click();
    form->Picture1()->Check3()->click(); // the ratio needs every family's details
    // Whatever the timer sees while the search runs.
    QStringList captions;
    bool enabledMidway = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, form, [&] {
        if (form->searching()) {
            captions.append(form->windowTitle());
            enabledMidway = enabledMidway || form->isEnabled();
        }
    });
    watch.start();
    search(form, QString());
    watch.stop();
    // The timer ran during the search: the window was disabled and showed its progress.
    EXPECT_TRUE(std::any_of(captions.begin(), captions.end(), [](const QString& c) {
        return c.endsWith(u'%');
    })) << captions.join(u' ').toStdString();
    EXPECT_FALSE(enabledMidway);
    EXPECT_EQ(slow->reads, 60);
    EXPECT_EQ(form->windowTitle(), u"検索終了[0]");
    EXPECT_TRUE(form->isEnabled());

    // The second search reads nothing; closing the window during a search stops it.
    search(form, QString());
    EXPECT_EQ(slow->reads, 60);
    session->catalog.clear();
    session->catalog.setSource(slow);
    enumerateFonts(session->catalog, *slow);
    const QPointer<Form10> closed(form);
    QTimer::singleShot(30, form, &QWidget::close);
    form->Command1_Click();
    EXPECT_LT(slow->reads, 120);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
}

} // namespace

namespace {

// IPAゴシック has every 常用漢字, IPA明朝 the first half of them; both and DejaVu Sans have "Ab".
class SearchByCharacters : public Search
{
protected:
    std::shared_ptr<fakes::FakeFontSource> fonts() const override
    {
        auto src = Search::fonts();
        std::vector<char32_t> joyo;
        for (const CodePointRange& r :
             japaneseSets()[static_cast<std::size_t>(japaneseSetIndex(u"joyo"_qs))].ranges)
            for (char32_t c = r.first; c <= r.last; ++c)
                joyo.push_back(c);
        for (auto& f : src->families) {
            if (f.font.faceName == u"IPAゴシック")
                f.characters = joyo;
            if (f.font.faceName == u"IPA明朝")
                f.characters.assign(joyo.begin(), joyo.begin() + 1068);
            if (f.font.faceName.startsWith(u"IPA") || f.font.faceName == u"DejaVu Sans")
                f.characters.insert(f.characters.end(), {U'A', U'b'});
        }
        return src;
    }
};

} // namespace

TEST_F(SearchByCharacters, DetailedPanelFindsBySetAndByText)
{
    Form10* form = open();
    in<QCheckBox>(form, u"Check5"_qs)->click();
    SearchPanel* panel = form->Picture1();
    EXPECT_FALSE(panel->setPercent()->isEnabled()); // no set chosen
    panel->setChoice()->setCurrentIndex(japaneseSetIndex(u"joyo"_qs) + 1);
    EXPECT_EQ(panel->setChoice()->currentText(), u"常用漢字");
    EXPECT_TRUE(panel->setPercent()->isEnabled());
    EXPECT_EQ(search(form, QString()), QStringList{u"IPAゴシック"_qs});
    panel->setPercent()->setValue(50); // 1068 of 2136
    EXPECT_EQ(search(form, QString()), (QStringList{u"IPAゴシック"_qs, u"IPA明朝"_qs}));
    panel->setPercent()->setValue(51);
    EXPECT_EQ(search(form, u"ipa"_qs), QStringList{u"IPAゴシック"_qs});

    panel->setChoice()->setCurrentIndex(0);
    panel->coversText()->setText(u"b A"_qs);
    EXPECT_EQ(search(form, QString()), (QStringList{u"DejaVu Sans"_qs, u"IPAゴシック"_qs, u"IPA明朝"_qs}));
    panel->coversText()->setText(u"Ab鬱"_qs); // U+9B31, in the second half
    EXPECT_EQ(search(form, QString()), QStringList{u"IPAゴシック"_qs});
    // Detailed search off: neither condition applies.
    in<QCheckBox>(form, u"Check5"_qs)->click();
    EXPECT_EQ(search(form, QString()).size(), 6);
}
