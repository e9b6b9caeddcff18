#include "main_window/start_up.h"

#include "core/font_catalog.h"
#include "core/session.h"
#include "main_window/main_window.h"
#include "main_window/progress_window.h"
#include "platform/qt_services.h"
#include "platform/qt_translations.h"
#include "storage/favorites_file.h"
#include "storage/settings_file.h"
#include "storage/stored_files.h"

#include <QCoreApplication>

#include <csignal>
#include <future>

namespace typecask {

std::unique_ptr<MDIForm1> StartUp(Session& session, Services& services, std::shared_ptr<FontSource> fonts,
                                  const QStringList& htmlPaths)
{
    // Past a file-size limit (ulimit -f) the kernel would end the program at the write that
    // crosses it; ignored, that write fails with EFBIG and the save reports it like any other.
    std::signal(SIGXFSZ, SIG_IGN);
    // The families are read on a second thread while Qt, on this one, builds its own font
    // database for the progress window's first text: with thousands of fonts each takes a
    // good part of the start, and fontconfig allows both at once on its loaded configuration.
    std::future<void> reading = std::async(std::launch::async, [fonts] { fonts->prepare(); });
    useJapaneseQtTexts();
    auto progress = std::make_unique<Form6>();
    progress->show();
    progress->setStatus(u"初期化中"_qs);
    QCoreApplication::processEvents();

    session.state = AppState{};
    session.catalog.clear();
    session.resetSortedLists();
    useQtServicesWhereMissing(services);

    progress->setStatus(u"フォント読み込み中"_qs);
    session.catalog.setSource(fonts);
    reading.get();
    enumerateFonts(session.catalog, *fonts);

    progress->setStatus(u"設定ファイル読み込み中"_qs);
    QCoreApplication::processEvents();
    removeStaleSaveFiles(session.programFolder); // what a killed save left behind
    const SettingsLines settings = loadSettings(session.programFolder);

    progress->setStatus(u"お気に入り読み込み中"_qs);
    QCoreApplication::processEvents();
    const QStringList favorites = loadFavorites(session.programFolder);

    progress->setStatus(u"ロード中"_qs);
    QCoreApplication::processEvents();

    auto main = std::make_unique<MDIForm1>(session, services);
    main->MDIForm_Load(settings, favorites, htmlPaths);
    QCoreApplication::processEvents();
    main->show();
    progress.reset();
    return main;
}

} // namespace typecask
