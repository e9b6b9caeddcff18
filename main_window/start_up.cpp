#include "main_window/start_up.h"

#include "core/font_catalog.h"
#include "main_window/app_context.h"
#include "main_window/form6.h"
#include "main_window/mdi_form1.h"
#include "storage/favorites_file.h"
#include "storage/settings_file.h"

#include <QCoreApplication>

namespace typecask {

std::unique_ptr<MDIForm1> StartUp(AppContext& context, std::shared_ptr<FontSource> fonts)
{
    auto progress = std::make_unique<Form6>();
    progress->show();
    progress->setStatus(u"初期化中"_qs);
    QCoreApplication::processEvents();

    AppState& st = context.state;
    st = AppState{};
    context.catalog.clear();
    context.resetSortedLists();
    context.useQtServicesWhereMissing();

    progress->setStatus(u"フォント読み込み中"_qs);
    context.catalog.setSource(fonts);
    EnumerateFonts(context.catalog, *fonts);

    progress->setStatus(u"設定ファイル読み込み中"_qs);
    QCoreApplication::processEvents();
    context.settingsLines = LoadSettings(context.programFolder);

    progress->setStatus(u"お気に入り読み込み中"_qs);
    QCoreApplication::processEvents();
    context.favoriteLines = LoadFavorites(context.programFolder);

    progress->setStatus(u"ロード中"_qs);
    QCoreApplication::processEvents();

    auto main = std::make_unique<MDIForm1>(context);
    main->MDIForm_Load();
    QCoreApplication::processEvents();
    main->show();
    progress.reset();
    return main;
}

} // namespace typecask
