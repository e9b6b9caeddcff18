#include "widgets/font_list_view.h"

#include "core/font_list_model.h"
#include "core/list_navigation.h"

#include <QHash>

#include <QKeyEvent>
#include <QMouseEvent>

namespace typecask {

FontListView::FontListView(QWidget* parent) : QListView(parent), m_tracker(this), m_pending(this)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    m_tracker.setObjectName(u"Timer1"_qs);
    m_tracker.setInterval(0);
    connect(&m_tracker, &QTimer::timeout, this, &FontListView::trackerTick);
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &FontListView::trackerTick);
}

int FontListView::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString FontListView::selectedName() const
{
    const int row = selectedRow();
    return row < 0 ? QString() : model()->index(row, 0).data(FontListModel::NameRole).toString();
}

void FontListView::selectRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void FontListView::setModel(QAbstractItemModel* model)
{
    QListView::setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FontListView::onSelectionChanged);
}

void FontListView::stopTracker()
{
    m_tracker.stop();
    m_tracker.setInterval(0);
}

void FontListView::onSelectionChanged()
{
    // While the button is held the tracker takes the selection, not every move of it.
    if (m_leftHeld)
        m_pending.start();
    else if (selectedRow() >= 0)
        Q_EMIT selectionClicked();
}

void FontListView::mousePressEvent(QMouseEvent* event)
{
    if (pressHandler && pressHandler(event->button(), event->globalPosition().toPoint())) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_leftHeld = true;
        m_tracker.setInterval(50);
        m_tracker.start();
    }
}

void FontListView::mouseMoveEvent(QMouseEvent* event)
{
    QListView::mouseMoveEvent(event);
    if (m_leftHeld && (event->buttons() & Qt::LeftButton))
        m_pending.start();
}

void FontListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        m_leftHeld = false;
    stopTracker();
}

void FontListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

void FontListView::keyPressEvent(QKeyEvent* event)
{
    if (keyHandler && keyHandler(event->key())) {
        event->accept();
        return;
    }
    const std::optional<int> row = navigationRow(*this, *event, selectedRow());
    if (!row) {
        QListView::keyPressEvent(event);
        return;
    }
    if (*row >= 0 && *row != selectedRow())
        selectRow(*row);
    event->accept();
}

std::optional<int> navigationRow(const QListView& list, const QKeyEvent& event, int selected)
{
    static const QHash<int, ListKey> keys{
        {Qt::Key_Home, ListKey::Home},     {Qt::Key_End, ListKey::End},
        {Qt::Key_Up, ListKey::Up},         {Qt::Key_Down, ListKey::Down},
        {Qt::Key_PageUp, ListKey::PageUp}, {Qt::Key_PageDown, ListKey::PageDown},
        {Qt::Key_Left, ListKey::Left},     {Qt::Key_Right, ListKey::Right}};
    const auto key = keys.find(event.key());
    if (key == keys.end() || event.modifiers() & ~Qt::KeypadModifier)
        return std::nullopt;
    const int rowHeight =
        std::max(1, list.gridSize().height() > 0 ? list.gridSize().height() : list.sizeHintForRow(0));
    const int visibleRows = std::max(1, list.viewport()->height() / rowHeight);
    const ListGeometry geometry{list.model() ? list.model()->rowCount() : 0, visibleRows,
                                list.isWrapping() ? visibleRows : 0};
    return navigationTarget(*key, selected, geometry);
}

} // namespace typecask
