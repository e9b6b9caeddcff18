// The main window's menu bar. Items whose windows later parts of the program build are
// shown disabled.
#include "main_window/mdi_form1.h"

#include "export/copy_commands.h"
#include "main_window/app_context.h"
#include "main_window/menu_items.h"

#include <QCheckBox>
#include <QDir>
#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QToolButton>

namespace typecask {

namespace {

QAction* item(QMenu* menu, const QString& caption, const QString& name, bool enabled = true)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    return a;
}

QMenu* submenu(QMenu* parent, const QString& caption, const QString& name)
{
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction* checkable(QAction* a)
{
    a->setCheckable(true);
    return a;
}

} // namespace

void addFontNameForms(QMenu* menu, const QString& first, const QString& name,
                      const std::function<void(int)>& chosen)
{
    const QString forms[7] = {first,
                              QString(),
                              u"FACE=\"フォント名\""_qs,
                              u"FACE=フォント名"_qs,
                              u"face=\"フォント名\""_qs,
                              u"face=フォント名"_qs,
                              u"fontfamiliy;フォント名"_qs};
    for (int i = 0; i < 7; ++i) {
        if (i == 1)
            menu->addSeparator()->setObjectName(u"%1(1)"_qs.arg(name));
        else
            QObject::connect(item(menu, forms[i], u"%1(%2)"_qs.arg(name).arg(i)), &QAction::triggered, menu,
                             [chosen, i] { chosen(i); });
    }
}

void MDIForm1::createMenus()
{
    QMenu* file = menuBar()->addMenu(u"ファイル(&F)"_qs);
    file->setObjectName(u"file_bar"_qs);
    item(file, u"開く(&O)"_qs, u"file_bar0(0)"_qs, false); // with the HTML font check
    file->addSeparator();
    connect(item(file, u"終了(&X)"_qs, u"file_bar0(2)"_qs), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(u"編集(&E)"_qs);
    edit->setObjectName(u"Hensyuu_Bar"_qs);
    QMenu* copy = submenu(edit, u"コピー(&C)"_qs, u"Copy_Bar"_qs);
    QMenu* faces = submenu(copy, u"フォント名をコピー(&C)"_qs, u"FaceCopy_bar"_qs);
    addFontNameForms(faces, u"フォント名をコピー(&C)"_qs, u"FaceCopy_bar0"_qs,
                     [this](int i) { CopyFontName(m_context, i); });
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
    item(edit, u"一覧作成((&L)"_qs, u"MakeItiran_Bar"_qs, false);
    item(edit, u"検索(&F)"_qs, u"Make_Kensaku_Bar"_qs, false);
    edit->addSeparator();
    item(edit, u"設定(&O)"_qs, u"Setting_Bar"_qs, false);

    createViewMenu();
    createToolMenus();
    createFontMenu();
}

void MDIForm1::createViewMenu()
{
    QMenu* view = menuBar()->addMenu(u"表示(&V)"_qs);
    view->setObjectName(u"hyouzi_BAR"_qs);
    m_hyouzi_BAR15 = checkable(item(view, u"フォント選択バー"_qs, u"hyouzi_BAR15"_qs));
    m_hyouzi_BAR16 = checkable(item(view, u"お気に入り"_qs, u"hyouzi_BAR16"_qs));
    m_hyouzi_BAR0 = checkable(item(view, u"HTMLバー"_qs, u"hyouzi_BAR0"_qs));
    m_hyouzi_BAR1 = checkable(item(view, u"RTFバー"_qs, u"hyouzi_BAR1"_qs));
    view->addSeparator();
    QMenu* folders = submenu(view, u"フォルダの表示(&F)"_qs, u"hyouzi_BAR3"_qs);
    QAction* fonts = item(folders, u"フォントフォルダ(&F)"_qs, u"hyouzi_BAR4"_qs);
    QAction* current = item(folders, u"カレントフォルダ(&K)"_qs, u"hyouzi_BAR5"_qs);
    view->addSeparator();
    QMenu* filters = submenu(view, u"表示フォント変更(&V)"_qs, u"hyouzi_BAR17"_qs);
    const QString filterCaptions[7] = {
        u"すべてのフォント(&A)"_qs, u"TrueTypeフォント(&T)"_qs, QString(),
        u"日本語フォント(&J)"_qs,   u"欧文フォント(&E)"_qs,     u"特殊記号フォント(&S)"_qs,
        u"その他のフォント(&O)"_qs};
    for (int i = 0; i < 7; ++i) {
        if (i == 2) {
            filters->addSeparator()->setObjectName(u"hyouzifont_BAR(2)"_qs);
            continue;
        }
        m_hyouzifont_BAR[i] = checkable(item(filters, filterCaptions[i], u"hyouzifont_BAR(%1)"_qs.arg(i)));
        connect(m_hyouzifont_BAR[i], &QAction::triggered, this, [this, i] {
            // Through the controls, so their click handlers refill the list.
            if (i < 2)
                m_Option1[i]->click();
            else
                m_Check4[i - 3]->click();
        });
    }
    QMenu* samples = submenu(view, u"サンプル文字変更(&S)"_qs, u"hyouzi_BAR7"_qs);
    QAction* japanese = item(samples, u"日本語(&J)"_qs, u"hyouzi_BAR8"_qs);
    QAction* western = item(samples, u"欧文(&E)"_qs, u"hyouzi_BAR9"_qs);
    QAction* symbol = item(samples, u"記号(&S)"_qs, u"hyouzi_BAR10"_qs);
    view->addSeparator();
    item(view, u"一覧表示(&L)"_qs, u"hyouzi_BAR12"_qs, false); // with the font sample list window
    view->addSeparator();
    m_hyouzi_BAR14 = checkable(item(view, u"常に手前に表示(&T)"_qs, u"hyouzi_BAR14"_qs));

    connect(view, &QMenu::aboutToShow, this, &MDIForm1::hyouzi_BAR_Show);
    connect(filters, &QMenu::aboutToShow, this, &MDIForm1::hyouzi_BAR_Show);
    connect(m_hyouzi_BAR15, &QAction::triggered, this, [this] {
        m_Picture2->setVisible(!m_Picture2->isVisibleTo(this));
        MDIForm_Resize();
    });
    connect(m_hyouzi_BAR16, &QAction::triggered, this, [this] { m_Check10->click(); });
    connect(m_hyouzi_BAR0, &QAction::triggered, this, [this] { m_Check5->click(); });
    connect(m_hyouzi_BAR1, &QAction::triggered, this, [this] { m_Check6->click(); });
    connect(m_hyouzi_BAR14, &QAction::triggered, this, [this] { m_Check3->click(); });
    connect(fonts, &QAction::triggered, this, [this] {
        openFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/fonts"_qs);
    });
    connect(current, &QAction::triggered, this, [this] { openFolder(m_context.programFolder); });
    connect(japanese, &QAction::triggered, this,
            [this] { setSampleText(m_context.state.SampleTextJapanese); });
    connect(western, &QAction::triggered, this, [this] { setSampleText(m_context.state.SampleTextWestern); });
    connect(symbol, &QAction::triggered, this, [this] { setSampleText(m_context.state.SampleTextSymbol); });
}

void MDIForm1::hyouzi_BAR_Show()
{
    // Check marks are set as the menu opens (and triggered items do not keep their own).
    m_hyouzi_BAR0->setChecked(m_Check5->isChecked());
    m_hyouzi_BAR1->setChecked(m_Check6->isChecked());
    m_hyouzi_BAR14->setChecked(m_context.state.AlwaysOnTop);
    m_hyouzi_BAR15->setChecked(m_Picture2->isVisibleTo(this));
    m_hyouzi_BAR16->setChecked(m_Check10->isChecked());
    for (int i = 0; i < 2; ++i)
        m_hyouzifont_BAR[i]->setChecked(m_Option1[i]->isChecked());
    for (int i = 0; i < 4; ++i)
        m_hyouzifont_BAR[i + 3]->setChecked(m_Check4[i]->isChecked());
}

void MDIForm1::createToolMenus()
{
    QMenu* tools = menuBar()->addMenu(u"ﾂｰﾙ(&T)"_qs);
    tools->setObjectName(u"tool_Bar"_qs);
    item(tools, u"文字一覧(&M)"_qs, u"tool_Bar0(0)"_qs, false);
    item(tools, u"サブウインドウ(&S)"_qs, u"tool_Bar0(1)"_qs, false);
    item(tools, u"お気に入りの編集"_qs, u"tool_Bar0(2)"_qs, false);
    tools->addSeparator()->setObjectName(u"tool_Bar0(3)"_qs);
    QMenu* gradient = submenu(tools, u"グラデーション"_qs, u"tool_Bar0(4)"_qs);
    item(gradient, u"HTML"_qs, u"tool_Bar01(0)"_qs, false);
    item(gradient, u"RTF"_qs, u"tool_Bar01(1)"_qs, false);
    QMenu* random = submenu(tools, u"ランダムカラー"_qs, u"tool_Bar0(5)"_qs);
    item(random, u"HTML"_qs, u"tool_Bar02(0)"_qs, false);
    item(random, u"RTF"_qs, u"tool_Bar02(1)"_qs, false);

    QMenu* help = menuBar()->addMenu(u"ﾍﾙﾌﾟ(&H)"_qs);
    help->setObjectName(u"help_bar"_qs);
    item(help, u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_qs, u"ver_Bar"_qs, false);
}

void MDIForm1::openFolder(const QString& path)
{
    QDir().mkpath(path); // a fresh account has no fonts folder yet
    m_context.shell->open(path);
}

} // namespace typecask
