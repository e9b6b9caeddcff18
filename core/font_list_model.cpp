#include "core/font_list_model.h"

#include "core/font_filter.h"

#include <algorithm>

namespace typecask {

namespace {

const char16_t* bidiControlName(char16_t c)
{
    switch (c) {
    case 0x061C:
        return u"ALM";
    case 0x200E:
        return u"LRM";
    case 0x200F:
        return u"RLM";
    case 0x202A:
        return u"LRE";
    case 0x202B:
        return u"RLE";
    case 0x202C:
        return u"PDF";
    case 0x202D:
        return u"LRO";
    case 0x202E:
        return u"RLO";
    case 0x2066:
        return u"LRI";
    case 0x2067:
        return u"RLI";
    case 0x2068:
        return u"FSI";
    case 0x2069:
        return u"PDI";
    default:
        return nullptr;
    }
}

} // namespace

QString visibleFontName(const QString& name)
{
    if (std::none_of(name.cbegin(), name.cend(), [](QChar c) { return bidiControlName(c.unicode()); }))
        return name;
    QString out;
    for (QChar c : name) {
        if (const char16_t* abbreviation = bidiControlName(c.unicode()))
            out += u'[' + QString::fromUtf16(abbreviation) + u']';
        else
            out += c;
    }
    return out;
}

int FontListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant FontListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return visibleFontName(m_names[index.row()]);
    if (role == NameRole)
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
