#pragma once

#include <QSortFilterProxyModel>
#include <QVariant>

// Sorts by a per-column sort type and keeps not-available cells ("--", "N/A") after all
// real values in ascending order (before them in descending order).
class CSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    enum SORT_T { SORT_INT = 0, SORT_DOUBLE = 1, SORT_STRING = 2 };

    explicit CSortFilterProxyModel(QObject* parent = nullptr);
    ~CSortFilterProxyModel() override;

    // Keeps the owner's table of one sort type per column by address, so later changes to
    // it take effect; columns at or beyond the count sort as text.
    void setColumnSortType(const SORT_T* table, int count);

    bool compResult(const QVariant& left, const QVariant& right, SORT_T type) const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    const SORT_T* m_sortTypes = nullptr;
    int m_sortTypeCount = 0;
};
