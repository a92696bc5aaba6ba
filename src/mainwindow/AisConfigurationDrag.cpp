#include "mainwindow/AisConfiguration.h"

#include "mainwindow/CAisConfigurationView.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgSelectorSwitch.h"

#include <QMouseEvent>

void AisConfiguration::mousePressEvent(QMouseEvent* event)
{
    // Only the left button alone drags: a right or two-button press is left to the widgets.
    if (m_dragEnabled && event->buttons() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        event->accept();
    }
    QMainWindow::mousePressEvent(event);
}

void AisConfiguration::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && event->buttons() != Qt::NoButton) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
    }
    QMainWindow::mouseMoveEvent(event);
}

void AisConfiguration::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    // The panels are no buttons: the window acts as their click handler.
    wgHomeQuickMenuClick(event->globalPos());
    wgWiFiModeClick(event->globalPos());
}

bool AisConfiguration::isPanelUnder(const QWidget* panel, const QPoint& globalPos)
{
    return panel && panel->rect().contains(panel->mapFromGlobal(globalPos));
}

void AisConfiguration::wgHomeQuickMenuClick(const QPoint& globalPos)
{
    if (!m_ui->wgMainHome->isVisible())
        return;
    if (m_envSetup.setting().debugMode)
        m_ui->wgMainMenu->setEnabled(true);
    MAIN_PAGE page = PAGE_HOME;
    if (isPanelUnder(m_ui->wgHomeOtherVessels, globalPos))
        page = PAGE_OTHER_VESSELS;
    else if (isPanelUnder(m_ui->wgHomeDiagnostics, globalPos))
        page = PAGE_DIAGNOSTICS;
    else if (isPanelUnder(m_ui->wgHomeGPSStatus, globalPos))
        page = PAGE_GPS_STATUS;
    else if (isPanelUnder(m_ui->wgHomeConfiguration, globalPos))
        page = PAGE_CONFIGURATION;
    if (m_ui->wgHomeWiFi->isVisible() && isPanelUnder(m_ui->wgHomeWiFi, globalPos))
        page = PAGE_WIFI;
    updateCurPageDisp(page);
}

void AisConfiguration::wgWiFiModeClick(const QPoint& globalPos)
{
    const WgSelectorSwitch* wifiSwitch = m_view->wifiEnableSwitch();
    if (m_ui->tbwgMain->currentWidget() != m_ui->tabMainWiFi || m_ui->wgWiFiCfgWaiting->isVisible() || !wifiSwitch
        || !wifiSwitch->isActive())
        return;
    const bool accessPointBefore = m_ui->rdbWiFiAccessPoint->isChecked();
    if (isPanelUnder(m_ui->wgWiFiModeAccessPoint, globalPos)) {
        if (accessPointBefore)
            return;
        m_ui->rdbWiFiAccessPoint->click();
    }
    if (accessPointBefore && isPanelUnder(m_ui->wgWiFiModeClient, globalPos))
        m_ui->rdbWiFiClient->click();
}
