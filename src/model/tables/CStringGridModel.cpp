#include "model/tables/CStringGridModel.h"

CStringGridModel::CStringGridModel()
    : QStandardItemModel(nullptr)
{
}

CStringGridModel::~CStringGridModel()
{
    m_items.clear();
}

void CStringGridModel::addItem(unsigned id, QStringList& texts, QList<QIcon>& icons)
{
    QList<QStandardItem*> row;
    for (int i = 0; i < texts.size(); ++i) {
        auto* item = new QStandardItem(texts.at(i));
        if (i < icons.size())
            item->setIcon(icons.at(i));
        row.append(item);
    }
    appendRow(row);
    m_items.emplace(id, row);
}

void CStringGridModel::updateItem(QList<QStandardItem*>* row, QStringList& texts, QList<QIcon>& icons)
{
    if (!row)
        return;
    const bool withIcons = icons.size() == row->size();
    for (int i = 0; i < row->size(); ++i) {
        QStandardItem* item = row->at(i);
        if (withIcons)
            item->setIcon(icons.at(i));
        if (i < texts.size())
            item->setText(texts.at(i));
    }
}

void CStringGridModel::deleteItem(unsigned id)
{
    const auto found = m_items.find(id);
    if (found == m_items.end())
        return;
    if (!found->second.isEmpty())
        removeRow(found->second.first()->row());
    m_items.erase(found);
}

void CStringGridModel::deleteAll()
{
    removeRows(0, rowCount());
    m_items.clear();
}
