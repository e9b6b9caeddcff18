// A list box of family names with the program's mouse rules: a selection made by a click or
// a key acts at once; while the left button is held the 50 ms selection tracker (Timer1)
// follows the selection, so dragging through the list previews each font it passes without
// ever queueing more than one pending preview.
#pragma once

#include <QListView>
#include <QTimer>
#include <functional>
#include <optional>

class QKeyEvent;

namespace typecask {

class FontListView final : public QListView
{
    Q_OBJECT
public:
    explicit FontListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // The selected row, or -1.
    int selectedRow() const;
    QString selectedName() const;
    void selectRow(int row);

    // Returns true when the owner handled the key (it is then swallowed).
    std::function<bool(int key)> keyHandler;
    // Returns true when the owner handled the press (the selection does not move).
    std::function<bool(Qt::MouseButton button, const QPoint& globalPos)> pressHandler;

    QTimer* tracker() { return &m_tracker; }
    // Mouse up: the tracker stops and goes back to interval 0.
    void stopTracker();

Q_SIGNALS:
    // The selection changed by a click or a key.
    void selectionClicked();
    // A tracker tick: compare the selected entry with the previewed one.
    void trackerTick();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onSelectionChanged();

    QTimer m_tracker;
    QTimer m_pending; // at most one coalesced tick while dragging
    bool m_leftHeld = false;
};

// Where a navigation key (Home, End, arrows, Page Up/Down, no modifier) takes the selection of
// list under the font list's rule, from selected (-1: none); -1 for nowhere; nothing for any
// other key. Plain lists use it too, so that the first Down selects the first entry everywhere.
std::optional<int> navigationRow(const QListView& list, const QKeyEvent& event, int selected);

} // namespace typecask
