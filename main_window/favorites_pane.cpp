// The favourites pane (Picture8) and the font context menu's list-dependent items.
#include "main_window/mdi_form1.h"

#include "core/favorites_edit.h"
#include "core/font_list_model.h"
#include "core/qt_platform.h"
#include "export/copy_commands.h"
#include "main_window/app_context.h"
#include "main_window/font_list_view.h"
#include "main_window/form1.h"
#include "main_window/menu_items.h"
#include "main_window/strip_icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace typecask {

QWidget* MDIForm1::createFavoritesPane(QWidget* parent)
{
    auto* pane = new QFrame(parent);
    pane->setObjectName(u"Picture8"_qs);
    pane->setFixedWidth(twipsToPixels(2700)); // a side pane; the browser keeps the room
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(1);
    const auto button = [pane, buttons](const QString& name, const QString& tip) {
        auto* b = new QToolButton(pane);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setIconSize(QSize(16, 16));
        buttons->addWidget(b);
        return b;
    };
    m_Command16 = button(u"Command16"_qs, u"お気に入りの一覧表示"_qs);
    m_Command16->setIcon(stripIcon(StripIcon::FavoritesList));
    m_Command16->setEnabled(false); // the font sample list window comes with its own part
    QToolButton* c17 = button(u"Command17"_qs, u"お気に入りの編集"_qs);
    c17->setIcon(stripIcon(StripIcon::Edit));
    c17->setEnabled(false); // as does the favourites editor
    buttons->addStretch();
    QToolButton* c18 = button(u"Command18"_qs, QString());
    c18->setText(u"×"_qs);
    layout->addLayout(buttons);

    m_List1 = new FontListView(pane);
    m_List1->setObjectName(u"List1"_qs);
    m_List1->setModel(m_favorites);
    m_List1->keyHandler = [this](int key) { return List1_KeyDown(key); };
    m_List1->pressHandler = [this](Qt::MouseButton b, const QPoint& pos) { return List1_MouseDown(b, pos); };
    layout->addWidget(m_List1, 1);

    connect(m_List1, &FontListView::selectionClicked, this, &MDIForm1::List1_Click);
    connect(m_List1, &FontListView::trackerTick, this, &MDIForm1::Timer1_Timer);
    connect(c18, &QToolButton::clicked, this, [this] {
        if (m_Check10->isChecked())
            m_Check10->click();
    });
    return pane;
}

void MDIForm1::List1_Click()
{
    m_context.state.CurrentFontName = m_List1->selectedName();
    m_form1->ShowPreview(m_context.state.CurrentFontName);
}

void MDIForm1::Timer1_Timer()
{
    const int row = m_List1->selectedRow();
    if (row >= 0 && m_favorites->at(row) != m_context.state.CurrentFontName)
        List1_Click();
}

bool MDIForm1::List1_KeyDown(int key)
{
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        removeSelectedFavorite();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Without a selection there is no name to show, and the preview font stays.
        if (m_List1->selectedRow() >= 0) {
            m_context.state.CurrentFontName = m_List1->selectedName();
            showFontDetails(m_context.state.CurrentFontName);
        }
        return true;
    default:
        return false;
    }
}

bool MDIForm1::List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button == Qt::LeftButton)
        return false;
    m_context.state.ContextFontName = m_List1->selectedName();
    openFontMenu(FontMenuForm::Favorites, globalPos);
    return true;
}

void MDIForm1::removeSelectedFavorite()
{
    const int row = m_List1->selectedRow();
    if (row >= 0)
        m_favorites->removeAt(row);
}

void MDIForm1::createFontMenu()
{
    m_faceBar = new QMenu(u"popupcopy_bar"_qs, this);
    m_faceBar->setObjectName(u"face_bar"_qs);
    m_popupcopy_bar6 = m_faceBar->addAction(u"削除"_qs);
    m_popupcopy_bar6->setObjectName(u"popupcopy_bar6"_qs);
    m_popupcopy_bar5 = m_faceBar->addAction(u"お気に入りに追加"_qs);
    m_popupcopy_bar5->setObjectName(u"popupcopy_bar5"_qs);
    m_faceBar->addSeparator();
    QMenu* names = m_faceBar->addMenu(u"フォント名をコピー"_qs);
    names->menuAction()->setObjectName(u"popupcopy_bar1"_qs);
    names->setObjectName(u"FontCoy_Bar"_qs);
    addFontNameForms(names, u"フォント名をコピー"_qs, u"FontCoy_Bar"_qs,
                     [this](int i) { CopyFontName(m_context, i); });
    m_faceBar->addSeparator();
    QAction* html = m_faceBar->addAction(u"HTML形式でコピー"_qs);
    html->setObjectName(u"popupcopy_bar3"_qs);
    QAction* rtf = m_faceBar->addAction(u"RTF形式でコピー"_qs);
    rtf->setObjectName(u"popupcopy_bar2"_qs);
    m_faceBar->addSeparator();
    QAction* details = m_faceBar->addAction(u"詳細"_qs);
    details->setObjectName(u"popupcopy_bar4"_qs);

    connect(m_faceBar, &QMenu::aboutToShow, this, &MDIForm1::face_bar_Click);
    connect(m_popupcopy_bar6, &QAction::triggered, this, &MDIForm1::removeSelectedFavorite);
    connect(m_popupcopy_bar5, &QAction::triggered, this,
            [this] { AddContextFavorite(m_context.state, *m_favorites, *m_context.messageBox); });
    connect(html, &QAction::triggered, this, &MDIForm1::MakeTag);
    connect(rtf, &QAction::triggered, this, &MDIForm1::MakeRTF);
    connect(details, &QAction::triggered, this, &MDIForm1::popupcopy_bar4_Click);
}

void MDIForm1::popupcopy_bar4_Click()
{
    AppState& s = m_context.state;
    if (s.ContextFontName.isEmpty())
        s.ContextFontName = s.CurrentFontName;
    showFontDetails(s.ContextFontName);
    s.ContextFontName.clear();
}

void MDIForm1::face_bar_Click()
{
    m_popupcopy_bar5->setEnabled(!m_context.state.ContextFontName.isEmpty());
    m_popupcopy_bar6->setEnabled(m_List1->selectedRow() >= 0);
}

void MDIForm1::openFontMenu(FontMenuForm form, const QPoint& globalPos)
{
    const bool favorites = form == FontMenuForm::Favorites;
    m_popupcopy_bar6->setVisible(favorites);
    m_popupcopy_bar5->setVisible(!favorites);
    // Not exec(): the caller's event handler returns and the menu acts when chosen.
    m_faceBar->popup(globalPos);
}

} // namespace typecask
