// The character map's cell list (List1 of Form12): one page of 224 codes in a multi-column
// list, each cell drawn in the family alone, so a character the family lacks shows as missing
// (marked) rather than borrowed from another family; codes that are no character are hatched.
#pragma once

#include "font_tools/character_map.h"

#include <QAbstractListModel>
#include <QFont>
#include <QListView>
#include <vector>

namespace typecask {

class CharacterPageModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    // Roles beside the display role (the cell's character).
    enum Role { ValidRole = Qt::UserRole, HasGlyphRole, CodeRole };

    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The page's cells and, for each, whether the family draws it itself.
    void setCells(std::vector<CharacterCell> cells, std::vector<bool> hasGlyph);
    void clear();
    const std::vector<CharacterCell>& cells() const { return m_cells; }

private:
    std::vector<CharacterCell> m_cells;
    std::vector<bool> m_hasGlyph;
};

class CharacterGrid final : public QListView
{
    Q_OBJECT
public:
    explicit CharacterGrid(QWidget* parent = nullptr);

    // The family the cells are drawn in, at a size in points; the marks follow it.
    void setCharacterFont(const QString& family, int pointSize);
    const QFont& characterFont() const { return m_font; }
    // Shows the page with that base (0: the single-byte page).
    void setPage(int base);
    // Leaves the list empty (while a page is being replaced).
    void clearPage();
    int page() const { return m_base; }

    int selectedRow() const;
    QString selectedCharacter() const;
    int columnCount() const { return m_columns; }

Q_SIGNALS:
    // A cell was selected by a click or a key.
    void cellSelected(int row);
    void cellDoubleClicked(int row);
    // The right button was pressed over the list (the selection stays).
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void updateGrid();
    std::vector<bool> glyphsOf(const std::vector<CharacterCell>& cells) const;

    CharacterPageModel* m_model;
    QFont m_font;
    int m_base = 0;
    int m_columns = 1;
};

} // namespace typecask
