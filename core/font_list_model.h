// A list of family names kept in the list box's order, shown by a view. One model item per
// name keeps 30,000 families cheap to fill, sort and scroll.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace typecask {

class FontListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

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
