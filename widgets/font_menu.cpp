#include "widgets/font_menu.h"

#include "core/favorites_edit.h"
#include "export/copy_commands.h"
#include "widgets/menu_items.h"

namespace typecask {

FontMenu::FontMenu(AppState& state, FontListModel& favorites, Clipboard& clipboard, MessageBox& messages,
                   std::function<bool()> canRemove, QWidget* parent)
    : QMenu(u"popupcopy_bar"_qs, parent), m_state(state), m_canRemove(std::move(canRemove))
{
    setObjectName(u"face_bar"_qs);
    m_popupcopy_bar6 = addAction(u"削除"_qs);
    m_popupcopy_bar6->setObjectName(u"popupcopy_bar6"_qs);
    m_popupcopy_bar5 = addAction(u"お気に入りに追加"_qs);
    m_popupcopy_bar5->setObjectName(u"popupcopy_bar5"_qs);
    addSeparator();
    QMenu* names = addMenu(u"フォント名をコピー"_qs);
    names->menuAction()->setObjectName(u"popupcopy_bar1"_qs);
    names->setObjectName(u"FontCoy_Bar"_qs);
    addFontNameForms(names, u"フォント名をコピー"_qs, u"FontCoy_Bar"_qs,
                     [&state, &clipboard](int i) { copyFontName(state, clipboard, i); });
    addSeparator();
    QAction* html = addAction(u"HTML形式でコピー"_qs);
    html->setObjectName(u"popupcopy_bar3"_qs);
    QAction* rtf = addAction(u"RTF形式でコピー"_qs);
    rtf->setObjectName(u"popupcopy_bar2"_qs);
    addSeparator();
    QAction* details = addAction(u"詳細"_qs);
    details->setObjectName(u"popupcopy_bar4"_qs);

    connect(this, &QMenu::aboutToShow, this, &FontMenu::face_bar_Click);
    connect(m_popupcopy_bar6, &QAction::triggered, this, &FontMenu::removeFavoriteRequested);
    connect(m_popupcopy_bar5, &QAction::triggered, this,
            [&state, &favorites, &messages] { addContextFavorite(state, favorites, messages); });
    connect(html, &QAction::triggered, this, &FontMenu::htmlCopyRequested);
    connect(rtf, &QAction::triggered, this, &FontMenu::rtfCopyRequested);
    connect(details, &QAction::triggered, this, &FontMenu::popupcopy_bar4_Click);
}

void FontMenu::face_bar_Click()
{
    m_popupcopy_bar5->setEnabled(!m_state.ContextFontName.isEmpty());
    m_popupcopy_bar6->setEnabled(m_canRemove());
}

void FontMenu::popupcopy_bar4_Click()
{
    if (m_state.ContextFontName.isEmpty())
        m_state.ContextFontName = m_state.CurrentFontName;
    Q_EMIT detailsRequested(m_state.ContextFontName);
    m_state.ContextFontName.clear(); // the name is used up
}

void FontMenu::open(Form form, const QPoint& globalPos)
{
    const bool favorites = form == Form::Favorites;
    m_popupcopy_bar6->setVisible(favorites);
    m_popupcopy_bar5->setVisible(!favorites);
    // Not exec(): the caller's event handler returns and the menu acts when chosen.
    popup(globalPos);
}

} // namespace typecask
