#include "model/tables/CSortFilterProxyModel.h"

namespace {

bool isNotAvailable(const QVariant& cell)
{
    const QString text = cell.toString();
    return text == QLatin1String("--") || text == QLatin1String("N/A");
}

bool textLess(const QVariant& left, const QVariant& right)
{
    return QString::compare(left.toString(), right.toString(), Qt::CaseSensitive) < 0;
}

// A cell that cannot be read as T (an empty cell) sorts after every cell that can; a text
// that is no number reads as 0.
template <typename T>
bool numberLess(const QVariant& left, const QVariant& right)
{
    if (!left.canConvert<T>())
        return false;
    if (!right.canConvert<T>())
        return true;
    return left.value<T>() < right.value<T>();
}

} // namespace

CSortFilterProxyModel::CSortFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

CSortFilterProxyModel::~CSortFilterProxyModel() = default;

void CSortFilterProxyModel::setColumnSortType(const SORT_T* table, int count)
{
    m_sortTypes = table;
    m_sortTypeCount = table ? count : 0;
}

bool CSortFilterProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant leftData = sourceModel()->data(left);
    const QVariant rightData = sourceModel()->data(right);
    if (!m_sortTypes)
        return textLess(leftData, rightData);
    const int column = left.column();
    const SORT_T type = column >= 0 && column < m_sortTypeCount ? m_sortTypes[column] : SORT_STRING;
    return compResult(leftData, rightData, type);
}

bool CSortFilterProxyModel::compResult(const QVariant& left, const QVariant& right, SORT_T type) const
{
    if (isNotAvailable(left))
        return false;
    if (isNotAvailable(right))
        return true;
    switch (type) {
    case SORT_DOUBLE:
        return numberLess<double>(left, right);
    case SORT_INT:
        return numberLess<int>(left, right);
    default:
        return textLess(left, right);
    }
}
