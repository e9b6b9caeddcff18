// The font popup menu (face_bar) of the font list, the preview and the favourites: what it
// offers for ContextFontName. Its opener sets that name first.
#pragma once

#include "widgets/font_menu_form.h"

#include <QMenu>
#include <functional>

namespace typecask {

struct AppState;
class Clipboard;
class FontListModel;
class MessageBox;

class FontMenu final : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontMenu)
public:
    using Form = FontMenuForm;

    // The menu adds to favorites and copies the name itself; canRemove (a favourite is
    // selected) is asked each time it opens.
    FontMenu(AppState& state, FontListModel& favorites, Clipboard& clipboard, MessageBox& messages,
             std::function<bool()> canRemove, QWidget* parent);

    void open(Form form, const QPoint& globalPos);

Q_SIGNALS:
    void removeFavoriteRequested();
    void htmlCopyRequested();
    void rtfCopyRequested();
    // The details window for the menu's family, else the previewed one.
    void detailsRequested(const QString& name);

private:
    void face_bar_Click();
    void popupcopy_bar4_Click();

    AppState& m_state;
    std::function<bool()> m_canRemove;
    QAction* m_popupcopy_bar6; // 削除
    QAction* m_popupcopy_bar5; // お気に入りに追加
};

} // namespace typecask
