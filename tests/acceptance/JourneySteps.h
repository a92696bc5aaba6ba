#pragma once

#include "mainwindow/AisConfiguration.h"
#include "ui_AisConfiguration.h"

#include "FactorySettings.h"
#include "SimProcess.h"
#include "WindowSimRig.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsView>
#include <QtTest>

// Runs a checking step and ends the test function when one of its checks failed.
#define CHECK_STEP(step)                                                                                              \
    do {                                                                                                               \
        step;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

// Steps a user takes in the window, shared by the journeys.
namespace JourneySteps {

// The simulator's factory value of the model's key, what the window must show once read.
inline QString factoryValue(int model, const QByteArray& key)
{
    Sim::CFactorySettings settings;
    QString error;
    if (!settings.load(TestEnv::SimProcess::factorySettingsPath(), &error))
        qFatal("%s", qPrintable(error));
    return QString::fromLatin1(settings.value(Sim::ModelSection(model), key));
}

// Opens the list and clicks the entry with the text; false when the list has none.
inline bool pickFromList(QComboBox* box, const QString& text)
{
    const int row = box->findText(text);
    if (row < 0)
        return false;
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QModelIndex entry = list->model()->index(row, box->modelColumn(), list->rootIndex());
    list->scrollTo(entry);
    const QPoint at = list->visualRect(entry).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    return box->currentIndex() == row && !list->isVisible();
}

// Satellite symbols the sky view shows.
inline int shownSatellites(QGraphicsView* sky)
{
    int shown = 0;
    for (QGraphicsItem* item : sky->scene()->items()) {
        if (qgraphicsitem_cast<QGraphicsEllipseItem*>(item) && !item->parentItem() && item->isVisible())
            ++shown;
    }
    return shown;
}

// The simulator's port picked from the list, Connect pressed and the device identified and
// read, its seconds ticked from *now on. A box the read brings up is answered by the caller's
// BoxAnswerer.
inline bool connectAndRead(WindowSimRig& rig, int64_t* now)
{
    Ui::AisConfiguration* ui = rig.ui();
    if (!rig.selectSimPort())
        return false;
    QTest::mouseClick(ui->btnCommConnt, Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return ui->btnCommConnt->isEnabled(); }, WindowSimRig::WaitMs))
        return false;
    return ui->btnCommConnt->isChecked() && rig.detect(now);
}

} // namespace JourneySteps
