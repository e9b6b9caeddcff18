#include "font_tools/character_grid.h"

#include "core/vertical_text.h"
#include "platform/qt_units.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace typecask {

int CharacterPageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

QVariant CharacterPageModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return m_cells[row].text;
    case ValidRole:
        return m_cells[row].valid;
    case HasGlyphRole:
        return row < m_hasGlyph.size() && m_hasGlyph[row];
    case CodeRole:
        return m_cells[row].code;
    default:
        return {};
    }
}

void CharacterPageModel::setCells(std::vector<CharacterCell> cells, std::vector<bool> hasGlyph)
{
    beginResetModel();
    m_cells = std::move(cells);
    m_hasGlyph = std::move(hasGlyph);
    endResetModel();
}

void CharacterPageModel::clear()
{
    setCells({}, {});
}

namespace {

// Draws a cell: the character centred in the grid's family; a character the family lacks on a
// rose ground with a dashed red frame (what the family draws for it, often its empty box, in
// grey); a code that is no character hatched grey and empty.
class CellDelegate final : public QStyledItemDelegate
{
public:
    explicit CellDelegate(CharacterGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    // Every cell fills its place of the grid.
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return m_grid->gridSize();
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool valid = index.data(CharacterPageModel::ValidRole).toBool();
        const bool missing = valid && !index.data(CharacterPageModel::HasGlyphRole).toBool();
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        const QRect cell = option.rect.adjusted(0, 0, -1, -1);
        p->save();
        if (selected)
            p->fillRect(cell, pal.color(QPalette::Highlight));
        else if (!valid)
            p->fillRect(cell, QBrush(QColor(0xC8, 0xC8, 0xC8), Qt::BDiagPattern));
        else if (missing)
            p->fillRect(cell, QColor(0xFB, 0xE3, 0xE3));
        if (missing) {
            QPen pen(QColor(0xC0, 0x30, 0x30), 1, Qt::DashLine);
            p->setPen(pen);
            p->drawRect(cell.adjusted(2, 2, -2, -2));
        }
        // Hairlines between the cells.
        p->setPen(pal.color(QPalette::Midlight));
        p->drawLine(option.rect.topRight(), option.rect.bottomRight());
        p->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());

        // A code that is no character is its hatching alone.
        if (valid) {
            const QColor ink = selected  ? pal.color(QPalette::HighlightedText)
                               : missing ? QColor(0x80, 0x80, 0x80)
                                         : pal.color(QPalette::Text);
            p->setPen(ink);
            p->setFont(m_grid->characterFont());
            p->drawText(inkOrigin(cell, index.data().toString()), index.data().toString());
        }
        if (option.state & QStyle::State_HasFocus && selected) {
            p->setPen(QPen(pal.color(QPalette::HighlightedText), 1, Qt::DotLine));
            p->drawRect(cell.adjusted(1, 1, -1, -1));
        }
        p->restore();
    }

private:
    // Where to draw text so that it stands in the middle of cell as the line sets it, moved up
    // or down just enough to keep its ink inside: the line box of a large Japanese face is
    // taller than the cell, and a low stroke such as "_" would fall under the cell below.
    QPoint inkOrigin(const QRect& cell, const QString& text) const
    {
        const QFontMetrics metrics(m_grid->characterFont());
        int baseline =
            cell.top() + (cell.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
        const QRect ink = metrics.tightBoundingRect(text);
        if (!ink.isEmpty()) {
            if (baseline + ink.bottom() > cell.bottom() - 1)
                baseline = cell.bottom() - 1 - ink.bottom();
            if (baseline + ink.top() < cell.top() + 1)
                baseline = cell.top() + 1 - ink.top();
        }
        return {cell.left() + (cell.width() - metrics.horizontalAdvance(text)) / 2, baseline};
    }

    CharacterGrid* m_grid;
};

} // namespace

CharacterGrid::CharacterGrid(QWidget* parent) : QListView(parent), m_model(new CharacterPageModel(this))
{
    setModel(m_model);
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns fill top to bottom, as in a multi-column list box.
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const int row = selectedRow(); row >= 0)
            Q_EMIT cellSelected(row);
    });
}

void CharacterGrid::setCharacterFont(const QString& family, int pointSize)
{
    m_font = QFont(horizontalFamilyName(family), pointSize);
    m_font.setBold(false);
    m_font.setItalic(false);
    // Only the family itself draws: a fallback family would hide a missing glyph.
    m_font.setStyleStrategy(QFont::NoFontMerging);
    // The glyphs as drawn: full hinting snaps a thin stroke, the "_" of the IPA faces at the
    // cells' 20 points, to nothing.
    m_font.setHintingPreference(QFont::PreferNoHinting);
    setFont(m_font);
    updateGrid();
    if (m_model->rowCount() > 0)
        setPage(m_base); // the marks follow the family
}

std::vector<bool> CharacterGrid::glyphsOf(const std::vector<CharacterCell>& cells) const
{
    const QFontMetrics metrics(m_font);
    std::vector<bool> has;
    has.reserve(cells.size());
    for (const CharacterCell& c : cells)
        has.push_back(c.valid && metrics.inFontUcs4(c.text.toUcs4().value(0)));
    return has;
}

void CharacterGrid::setPage(int base)
{
    m_base = base;
    std::vector<CharacterCell> cells = characterPage(base);
    std::vector<bool> has = glyphsOf(cells);
    m_model->setCells(std::move(cells), std::move(has));
    // A new page opens at its first cell, not where the last one was scrolled to.
    scrollToTop();
    horizontalScrollBar()->setValue(0);
}

void CharacterGrid::clearPage()
{
    m_model->clear();
}

int CharacterGrid::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString CharacterGrid::selectedCharacter() const
{
    const int row = selectedRow();
    return row < 0 ? QString() : m_model->index(row, 0).data().toString();
}

void CharacterGrid::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    updateGrid();
}

void CharacterGrid::updateGrid()
{
    m_columns = characterMapColumns(pixelsToTwips(width()), m_font.pointSize());
    // A row holds the family's line, and at least one of the desktop's font: a tiny bitmap
    // family still gives cells to click.
    const int lineHeight =
        std::max(QFontMetrics(m_font).height(), QFontMetrics(QApplication::font()).height());
    const int cellWidth = std::max(1, contentsRect().width() / m_columns);
    setGridSize(QSize(cellWidth, lineHeight + 6));
}

void CharacterGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        Q_EMIT contextMenuRequested(event->globalPosition().toPoint());
        return;
    }
    QListView::mousePressEvent(event);
}

void CharacterGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    const int row = selectedRow();
    if (event->button() == Qt::LeftButton && row >= 0 && indexAt(event->position().toPoint()).isValid())
        Q_EMIT cellDoubleClicked(row);
}

} // namespace typecask
