// The main window's menu bar. Items whose windows later parts of the program build are
// shown disabled.
#include "main_window/main_window.h"

#include "core/services.h"
#include "core/session.h"
#include "export/copy_commands.h"
#include "main_window/button_strip.h"
#include "main_window/selection_bar.h"
#include "widgets/menu_items.h"

#include <QDir>
#include <QMenuBar>
#include <QStandardPaths>
#include <QToolButton>

namespace typecask {

void MDIForm1::createMenus()
{
    QMenu* file = menuBar()->addMenu(u"ファイル(&F)"_qs);
    file->setObjectName(u"file_bar"_qs);
    connect(item(file, u"開く(&O)"_qs, u"file_bar0(0)"_qs), &QAction::triggered, this,
            [this] { m_windows.openHtmlFile(); });
    file->addSeparator();
    connect(item(file, u"終了(&X)"_qs, u"file_bar0(2)"_qs), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(u"編集(&E)"_qs);
    edit->setObjectName(u"Hensyuu_Bar"_qs);
    QMenu* copy = submenu(edit, u"コピー(&C)"_qs, u"Copy_Bar"_qs);
    QMenu* faces = submenu(copy, u"フォント名をコピー(&C)"_qs, u"FaceCopy_bar"_qs);
    addFontNameForms(faces, u"フォント名をコピー(&C)"_qs, u"FaceCopy_bar0"_qs,
                     [this](int i) { copyFontName(m_session.state, *m_services.clipboard, i); });
    copy->addSeparator();
    connect(item(copy, u"HTML形式でコピー(&H)"_qs, u"HTMLcopy_Bar"_qs), &QAction::triggered, this,
            &MDIForm1::MakeTag);
    connect(item(copy, u"RTF形式でコピー(&R)"_qs, u"RTFcopy_BAR"_qs), &QAction::triggered, this,
            &MDIForm1::MakeRTF);
    edit->addSeparator();
    connect(item(edit, u"フォントの色を変更(&F)"_qs, u"chenge_FontColor_bar"_qs), &QAction::triggered, this,
            [this] { pickColour(false); });
    connect(item(edit, u"背景色の変更(&B)"_qs, u"chenge_backcolor_Bar"_qs), &QAction::triggered, this,
            [this] { pickColour(true); });
    edit->addSeparator();
    connect(item(edit, u"一覧作成((&L)"_qs, u"MakeItiran_Bar"_qs), &QAction::triggered, this,
            [this] { m_windows.openFontList(); });
    connect(item(edit, u"検索(&F)"_qs, u"Make_Kensaku_Bar"_qs), &QAction::triggered, this,
            [this] { m_windows.openSearch(); });
    edit->addSeparator();
    connect(item(edit, u"設定(&O)"_qs, u"Setting_Bar"_qs), &QAction::triggered, this,
            [this] { m_windows.openSettings(); });

    createViewMenu();
    createToolMenus();
}

void MDIForm1::createViewMenu()
{
    QMenu* view = menuBar()->addMenu(u"表示(&V)"_qs);
    view->setObjectName(u"hyouzi_BAR"_qs);
    QAction* selectionBar = checkable(item(view, u"フォント選択バー"_qs, u"hyouzi_BAR15"_qs));
    buttonItem(view, u"お気に入り"_qs, u"hyouzi_BAR16"_qs, m_Picture1->Check10);
    buttonItem(view, u"HTMLバー"_qs, u"hyouzi_BAR0"_qs, m_Picture1->Check5);
    buttonItem(view, u"RTFバー"_qs, u"hyouzi_BAR1"_qs, m_Picture1->Check6);
    view->addSeparator();
    QMenu* folders = submenu(view, u"フォルダの表示(&F)"_qs, u"hyouzi_BAR3"_qs);
    QAction* fonts = item(folders, u"フォントフォルダ(&F)"_qs, u"hyouzi_BAR4"_qs);
    QAction* current = item(folders, u"カレントフォルダ(&K)"_qs, u"hyouzi_BAR5"_qs);
    view->addSeparator();
    QMenu* filters = submenu(view, u"表示フォント変更(&V)"_qs, u"hyouzi_BAR17"_qs);
    m_Picture2->addFilterItems(filters);
    connect(view, &QMenu::aboutToShow, filters, &QMenu::aboutToShow); // its marks are right from the top too
    QMenu* samples = submenu(view, u"サンプル文字変更(&S)"_qs, u"hyouzi_BAR7"_qs);
    QAction* japanese = item(samples, u"日本語(&J)"_qs, u"hyouzi_BAR8"_qs);
    QAction* western = item(samples, u"欧文(&E)"_qs, u"hyouzi_BAR9"_qs);
    QAction* symbol = item(samples, u"記号(&S)"_qs, u"hyouzi_BAR10"_qs);
    view->addSeparator();
    connect(item(view, u"一覧表示(&L)"_qs, u"hyouzi_BAR12"_qs), &QAction::triggered, this,
            [this] { m_windows.openSampleList(fontListNames()); });
    view->addSeparator();
    buttonItem(view, u"常に手前に表示(&T)"_qs, u"hyouzi_BAR14"_qs, m_Picture1->Check3);

    // Check marks are set as the menu opens (and triggered items do not keep their own).
    connect(view, &QMenu::aboutToShow, this,
            [this, selectionBar] { selectionBar->setChecked(m_session.selectionBarVisible); });
    connect(selectionBar, &QAction::triggered, this,
            [this] { showSelectionBar(!m_session.selectionBarVisible); });
    connect(fonts, &QAction::triggered, this, [this] {
        openFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/fonts"_qs);
    });
    connect(current, &QAction::triggered, this, [this] { openFolder(m_session.programFolder); });
    const AppState& st = m_session.state;
    connect(japanese, &QAction::triggered, this, [this, &st] { setSampleText(st.SampleTextJapanese); });
    connect(western, &QAction::triggered, this, [this, &st] { setSampleText(st.SampleTextWestern); });
    connect(symbol, &QAction::triggered, this, [this, &st] { setSampleText(st.SampleTextSymbol); });
}

void MDIForm1::createToolMenus()
{
    QMenu* tools = menuBar()->addMenu(u"ﾂｰﾙ(&T)"_qs);
    tools->setObjectName(u"tool_Bar"_qs);
    connect(item(tools, u"文字一覧(&M)"_qs, u"tool_Bar0(0)"_qs), &QAction::triggered, this,
            [this] { m_windows.openCharacterMap(); });
    connect(item(tools, u"サブウインドウ(&S)"_qs, u"tool_Bar0(1)"_qs), &QAction::triggered, this,
            [this] { m_windows.openSubWindow(); });
    connect(item(tools, u"お気に入りの編集"_qs, u"tool_Bar0(2)"_qs), &QAction::triggered, this,
            [this] { m_windows.openFavoritesEditor(fontListNames()); });
    tools->addSeparator()->setObjectName(u"tool_Bar0(3)"_qs);
    QMenu* gradient = submenu(tools, u"グラデーション"_qs, u"tool_Bar0(4)"_qs);
    connect(item(gradient, u"HTML"_qs, u"tool_Bar01(0)"_qs), &QAction::triggered, this,
            [this] { m_windows.openGradient(CopyFormat::Html); });
    connect(item(gradient, u"RTF"_qs, u"tool_Bar01(1)"_qs), &QAction::triggered, this,
            [this] { m_windows.openGradient(CopyFormat::Rtf); });
    QMenu* random = submenu(tools, u"ランダムカラー"_qs, u"tool_Bar0(5)"_qs);
    connect(item(random, u"HTML"_qs, u"tool_Bar02(0)"_qs), &QAction::triggered, this,
            [this] { m_windows.openRandomColours(CopyFormat::Html); });
    connect(item(random, u"RTF"_qs, u"tool_Bar02(1)"_qs), &QAction::triggered, this,
            [this] { m_windows.openRandomColours(CopyFormat::Rtf); });

    QMenu* help = menuBar()->addMenu(u"ﾍﾙﾌﾟ(&H)"_qs);
    help->setObjectName(u"help_bar"_qs);
    connect(item(help, u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_qs, u"ver_Bar"_qs), &QAction::triggered, this,
            [this] { m_windows.openVersionInfo(); });
}

void MDIForm1::openFolder(const QString& path)
{
    QDir().mkpath(path); // a fresh account has no fonts folder yet
    m_services.shell->open(path);
}

} // namespace typecask
