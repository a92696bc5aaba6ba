#include "widgets/QtObjExtension.h"

#include <QLayout>
#include <QTableView>
#include <QToolButton>

namespace {

QToolButton* newFixedToolBtn(const QString& prefix, int index, int width, int height)
{
    auto* button = new QToolButton;
    button->setObjectName(prefix + QString::number(index));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMinimumSize(width, height);
    button->setMaximumSize(width, height);
    return button;
}

} // namespace

QToolButton* QtObjExtension::NewToolBtn(QString prefix, int index, int size)
{
    return newFixedToolBtn(prefix, index, size, size);
}

void QtObjExtension::NewToolBtns(QToolButton** out, QString prefix, int count, int size)
{
    for (int i = 0; i < count; ++i)
        out[i] = NewToolBtn(prefix, i, size);
}

std::vector<QToolButton*> QtObjExtension::NewToolBtnArray(QString prefix, int count, int width, int height)
{
    std::vector<QToolButton*> buttons;
    for (int i = 0; i < count; ++i)
        buttons.push_back(newFixedToolBtn(prefix, i, width, height));
    return buttons;
}

void QtObjExtension::SetWgBlockSignals(QWidget* widget, bool block)
{
    if (!widget)
        return;
    widget->blockSignals(block);
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->blockSignals(block);
}

void QtObjExtension::SetTableViewColumnWidth(QTableView* view, const int* widths, int count)
{
    if (!view || !widths)
        return;
    for (int i = 0; i < count; ++i)
        view->setColumnWidth(i, widths[i]);
}

void QtObjExtension::ClearLayout(QLayout** layout)
{
    if (!layout || !*layout)
        return;
    while (QLayoutItem* item = (*layout)->takeAt(0))
        delete item;  // a widget item leaves its widget alone
    delete *layout;
    *layout = nullptr;
}

void QtObjExtension::HideWgs(QWidget* widget, Qt::FindChildOption option)
{
    if (!widget)
        return;
    for (QWidget* child : widget->findChildren<QWidget*>(QString(), option))
        child->hide();
    widget->adjustSize();
}

void QtObjExtension::SetWgsEventFilter(QWidget* widget, QObject* filter, Qt::FindChildOption option)
{
    if (!widget)
        return;
    for (QWidget* child : widget->findChildren<QWidget*>(QString(), option))
        child->installEventFilter(filter);
}
