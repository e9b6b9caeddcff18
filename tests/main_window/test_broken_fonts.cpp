// The program over a font folder of damaged files (tests/main_window/broken_fonts.sh makes them
// and points FONTCONFIG_FILE at them): start-up, every family of the list previewed, the details
// window, the detailed search and the sample list of every family, without a crash or a hang.
#include "core/fontconfig_source.h"
#include "core/session.h"
#include "fakes/fake_platform.h"
#include "font_tools/font_search.h"
#include "main_window/font_browser.h"
#include "main_window/main_window.h"
#include "main_window/preview_area.h"
#include "main_window/start_up.h"
#include "widgets/font_list_view.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

// Closes every modal window as soon as it shows, counting them.
class ModalCloser
{
public:
    ModalCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ++closed;
                w->close();
            }
        });
        m_timer.start(10);
    }
    int closed = 0;

private:
    QTimer m_timer;
};

} // namespace

TEST(BrokenFonts, EveryWindowOverEveryFamily)
{
    if (qEnvironmentVariable("TYPECASK_BROKEN_FONTS").isEmpty())
        GTEST_FAIL() << "run it through broken_fonts.sh, which makes the fonts";
    QTemporaryDir dir;
    Session session;
    session.programFolder = dir.path();
    fakes::FakeServices fake;
    auto source = std::make_shared<FontconfigSource>();
    std::unique_ptr<MDIForm1> main = StartUp(session, fake.services, source);
    ASSERT_GT(session.catalog.entries().size(), 0u);

    // Every family, listed and previewed.
    session.filter.categories = {true, true, true, true};
    session.filter.allFontTypes = true;
    main->ListChenge();
    Form1* browser = main->form1();
    const int rows = browser->fontModel()->count();
    for (int row = 0; row < rows; ++row) {
        browser->List1->selectRow(row);
        Q_EMIT browser->List1->selectionClicked(); // as a click on the row
        QApplication::processEvents();
        EXPECT_FALSE(browser->Picture1->grab().isNull());
    }

    QStringList names;
    for (const FontCatalog::Entry& e : session.catalog.entries())
        names.append(e.font.faceName);
    ModalCloser closer;
    for (const QString& name : names)
        main->showFontDetails(name);
    main->openSampleList(names, nullptr);
    EXPECT_EQ(closer.closed, names.size() + 1);

    SearchRequest everything{QString(), DetailedConditions{}, {}};
    everything.detailed->ratio = true;
    everything.detailed->threshold = 0;
    const FontNameIndex index(session.catalog);
    searchFonts(session.catalog, index, everything);
    main->close();
    std::printf("%d families listed, %lld in the catalog\n", rows, static_cast<long long>(names.size()));
}
