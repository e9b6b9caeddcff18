// The favourites pane (Picture8) at the right of the browser: its buttons and the
// favourites list over the session's favourites.
#pragma once

#include <QFrame>

class QToolButton;

namespace typecask {

class FontListModel;
class FontListView;

class FavoritesPane final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FavoritesPane)
public:
    // currentFontName is the previewed family the selection tracker compares with.
    FavoritesPane(FontListModel& favorites, const QString& currentFontName, QWidget* parent);

    // Removes the selected favourite; afterwards nothing is selected.
    void removeSelected();
    bool hasSelection() const;

    FontListView* List1; // the favourites list

Q_SIGNALS:
    // A favourite was chosen by a click, a key or the tracker: preview it.
    void fontChosen(const QString& name);
    void detailsRequested(const QString& name);
    // The font menu in its favourites form for name (empty without a selection).
    void fontMenuRequested(const QString& name, const QPoint& globalPos);
    void sampleListRequested();
    void editorRequested();
    void closeRequested();

private:
    bool List1_KeyDown(int key);
    bool List1_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void Timer1_Timer();

    FontListModel& m_favorites;
    const QString& m_currentFontName;
};

} // namespace typecask
