#pragma once

#include <QIcon>
#include <QList>
#include <QStandardItemModel>
#include <QStringList>
#include <map>

// A table of text rows, each recorded under a 32-bit item id. The owner walks the rows
// in ascending id through itemMap().
class CStringGridModel : public QStandardItemModel
{
    Q_OBJECT

public:
    using ItemMap = std::map<unsigned, QList<QStandardItem*>>;

    CStringGridModel();
    ~CStringGridModel() override;

    // Appends a row of one item per text; item i gets icon i when there is one. An id that
    // is already recorded keeps its first row.
    void addItem(unsigned id, QStringList& texts, QList<QIcon>& icons);
    // Sets the row's texts (as far as there are texts) and, when there is one icon per item,
    // the icons.
    void updateItem(QList<QStandardItem*>* row, QStringList& texts, QList<QIcon>& icons);
    void deleteItem(unsigned id);
    void deleteAll();

    ItemMap& itemMap() { return m_items; }

private:
    ItemMap m_items;
};
