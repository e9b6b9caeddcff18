#include "core/font_list_model.h"

#include "core/font_filter.h"

#include <algorithm>

namespace typecask {

int FontListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant FontListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_names[index.row()];
    return {};
}

void FontListModel::setNames(QStringList names)
{
    beginResetModel();
    m_names = std::move(names);
    endResetModel();
}

int FontListModel::insertSorted(const QString& name)
{
    const QString key = name.toCaseFolded();
    auto it = std::upper_bound(m_names.begin(), m_names.end(), key,
                               [](const QString& k, const QString& n) { return k < n.toCaseFolded(); });
    const int row = static_cast<int>(it - m_names.begin());
    beginInsertRows({}, row, row);
    m_names.insert(row, name);
    endInsertRows();
    return row;
}

void FontListModel::append(const QStringList& names)
{
    if (names.isEmpty())
        return;
    const int first = count();
    beginInsertRows({}, first, first + static_cast<int>(names.size()) - 1);
    m_names += names;
    endInsertRows();
}

void FontListModel::removeAt(int row)
{
    if (row < 0 || row >= m_names.size())
        return;
    beginRemoveRows({}, row, row);
    m_names.removeAt(row);
    endRemoveRows();
}

void FontListModel::clear()
{
    setNames({});
}

} // namespace typecask
