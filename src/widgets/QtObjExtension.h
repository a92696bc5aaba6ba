#pragma once

#include <QString>
#include <Qt>
#include <vector>

class QLayout;
class QObject;
class QTableView;
class QToolButton;
class QWidget;

// Repetitive widget chores. Static operations only; GUI thread.
class QtObjExtension
{
public:
    QtObjExtension() = delete;

    // A parentless tool button named prefix and index ("btn0"), fixed at size by size.
    static QToolButton* NewToolBtn(QString prefix, int index, int size);
    // Fills out[0] to out[count - 1]; the caller owns each button.
    static void NewToolBtns(QToolButton** out, QString prefix, int count, int size);
    // Buttons named as above, fixed at width by height. Each is allocated on its own, so each can
    // be given a parent or deleted by itself; the caller owns them.
    static std::vector<QToolButton*> NewToolBtnArray(QString prefix, int count, int width, int height);

    // The widget and every widget below it.
    static void SetWgBlockSignals(QWidget* widget, bool block);
    static void SetTableViewColumnWidth(QTableView* view, const int* widths, int count);
    // Deletes the layout and every item in it, but none of the items' widgets; *layout becomes null.
    static void ClearLayout(QLayout** layout);
    // Hides the widgets below the widget (its children only, or all), then fits the widget's size.
    static void HideWgs(QWidget* widget, Qt::FindChildOption option);
    // On the widgets below the widget, not on the widget itself.
    static void SetWgsEventFilter(QWidget* widget, QObject* filter, Qt::FindChildOption option);
};
