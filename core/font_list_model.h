// A list of family names kept in the list box's order, shown by a view. One model item per
// name keeps 30,000 families cheap to fill, sort and scroll.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace typecask {

// A name as the lists show it: each bidirectional control character (U+061C, U+200E, U+200F,
// U+202A to U+202E, U+2066 to U+2069) written as its abbreviation in brackets ("[RLO]"), so that
// no name reorders how it is drawn and poses as another. Other names are shown as they are.
QString visibleFontName(const QString& name);

// The names, shown as visibleFontName gives them.
class FontListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    // The name itself, for code that acts on the item (the display role may differ).
    static constexpr int NameRole = Qt::UserRole;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Replaces the whole content; names must already be in list order.
    void setNames(QStringList names);
    const QStringList& names() const { return m_names; }
    int count() const { return static_cast<int>(m_names.size()); }
    QString at(int row) const { return row >= 0 && row < m_names.size() ? m_names[row] : QString(); }

    // Adds a name at its sorted place (after equal names); returns its row.
    int insertSorted(const QString& name);
    // Adds names after the last row, in their order.
    void append(const QStringList& names);
    void removeAt(int row);
    void clear();

private:
    QStringList m_names;
};

} // namespace typecask
