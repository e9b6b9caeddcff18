// A started main window over a small fake font set, with fake desktop services, for tests
// that drive the real widgets.
#pragma once

#include "core/font_list_model.h"
#include "core/session.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"
#include "main_window/font_browser.h"
#include "main_window/main_window.h"
#include "main_window/start_up.h"
#include "main_window/ui_helpers.h"
#include "widgets/font_list_view.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace typecask::uitest {

class StartedWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_DATA_HOME", dir.filePath(u"data"_qs).toLocal8Bit());
        start();
    }

    // The font set the window starts with.
    virtual std::shared_ptr<fakes::FakeFontSource> fonts() const
    {
        auto src = std::make_shared<fakes::FakeFontSource>();
        src->add(u"DejaVu Serif"_qs, 0, 4)
            .add(u"IPAゴシック"_qs, 128, 4)
            .add(u"DejaVu Sans"_qs, 0, 4)
            .add(u"Fixed"_qs, 0, 1);
        return src;
    }

    // Starts the program again in the same folder (after quit()).
    void start()
    {
        session = std::make_unique<Session>();
        session->programFolder = dir.path();
        main = StartUp(*session, fake.services, fonts());
        form1 = main->form1();
        list = form1->List1;
        model = form1->fontModel();
    }

    void quit()
    {
        main->close();
        main.reset();
    }

    template <typename T = QWidget> T* child(const QString& name) const
    {
        return findNamed<T>(main.get(), name);
    }

    QAction* action(const QString& name) const { return child<QAction>(name); }

    // The row of a family in the font list.
    int rowOf(const QString& name) const
    {
        return static_cast<int>(form1->fontModel()->names().indexOf(name));
    }

    // Arms the inspection of the next modal window: inspect runs on it, then it gets a
    // left click, which must close it. Returns the names of the windows seen.
    std::shared_ptr<QStringList> onNextModal(std::function<void(QWidget*)> inspect = {})
    {
        auto seen = std::make_shared<QStringList>();
        QTimer::singleShot(0, [seen, inspect] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            seen->append(w->objectName());
            if (inspect)
                inspect(w);
            if (w->isVisible())
                QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
            if (w->isVisible()) {
                seen->append(u"still open"_qs);
                w->close();
            }
        });
        return seen;
    }

    AppState& state() { return session->state; }

    QTemporaryDir dir;
    fakes::FakeServices fake;
    std::shared_ptr<fakes::FakeClipboard> clipboard = fake.clipboard;
    std::shared_ptr<fakes::FakeMessageBox> messages = fake.messageBox;
    std::shared_ptr<fakes::FakeShell> shell = fake.shell;
    std::unique_ptr<Session> session;
    std::unique_ptr<MDIForm1> main;
    Form1* form1 = nullptr;
    FontListView* list = nullptr;
    FontListModel* model = nullptr;
};

} // namespace typecask::uitest
