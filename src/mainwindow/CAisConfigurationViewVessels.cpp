#include "mainwindow/CAisConfigurationView.h"

#include "style/ObjPalette.h"
#include "ui_AisConfiguration.h"

#include <QHeaderView>

void CAisConfigurationView::updateOtherVslListDisp(bool keepStyle)
{
    QTableView* table = m_ui->tbvwOtherVessels;
    if (!keepStyle)
        ObjPalette::setOtherVesselStyle(table, QString(), WG_COLOR_TONE_0);
    // Rows rebuilt by the refresh go back into the order the user chose.
    const QHeaderView* header = table->horizontalHeader();
    table->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void CAisConfigurationView::updateSerialDataDisp()
{
    // The page is filled by the window's own receive slots; nothing to refresh on showing it.
}
