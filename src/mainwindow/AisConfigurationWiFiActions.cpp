#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/LibraryImage.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgSelectorSwitch.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QStandardItem>

using namespace WiFiScope;

namespace {

constexpr int ConnectIcon = 7;
constexpr int DisconnectIcon = 8;

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

// The table shows the proxy; its clicks are mapped to the model's own rows.
QModelIndex sourceIndex(const QModelIndex& index, CWiFiAPExchangeSet& table)
{
    if (index.model() == table.proxyModel())
        return table.proxyModel()->mapToSource(index);
    return index.model() == &table ? index : QModelIndex();
}

QStandardItem* rowItem(CWiFiAPExchangeSet& table, int row, CWiFiAPExchangeSet::AP_ITEM_CELL cell)
{
    const int column = table.getCellSeqIndex(cell);
    return column < 0 ? nullptr : table.item(row, column);
}

// The linked member's index; negative, or 0 for a text that is no number, when none.
int connectStatus(CWiFiAPExchangeSet& table, int row)
{
    QStandardItem* status = rowItem(table, row, CWiFiAPExchangeSet::AP_ITEM_CONNECT_STATUS);
    return status ? status->text().toInt() : 0;
}

QIcon statusIcon(int image)
{
    return QIcon(QString::fromStdString(Pattern::Singleton<LibraryImage>::Instance()->getWiFiStatusIconPath(image)));
}

} // namespace

void AisConfiguration::connectWiFiActions()
{
    connect(m_view->wifiEnableSwitch(), &WgSelectorSwitch::signalClick, this, &AisConfiguration::onWiFiEnable);
    connect(m_ui->rdbWiFiAccessPoint, &QAbstractButton::clicked, this, &AisConfiguration::onWiFiOPModeChange);
    connect(m_ui->rdbWiFiClient, &QAbstractButton::clicked, this, &AisConfiguration::onWiFiOPModeChange);
    connect(m_ui->btnWiFiCfgApply, &QAbstractButton::clicked, this, &AisConfiguration::onWiFiCfgApply);
    connect(m_ui->chbxWiFiCfgPasswordNone, &QCheckBox::stateChanged, this, &AisConfiguration::onWiFiCfgPassWordChange);
    connect(m_ui->btnWiFiFactoryReset, &QAbstractButton::clicked, this, &AisConfiguration::onFactoryReset);
    connect(m_ui->btnWiFiCfgClientRefresh, &QAbstractButton::clicked, this, &AisConfiguration::onClientRefresh);
    connect(m_ui->tbvwWiFiCfgClient, &QAbstractItemView::doubleClicked, this,
            &AisConfiguration::onClientAPCntDoubleClick);
    connect(m_ui->tbvwWiFiCfgClient, &QAbstractItemView::clicked, this, &AisConfiguration::onGetClintAPListData);
    connect(m_ui->btnWiFiAdvConfigDisp, &QAbstractButton::clicked, this, &AisConfiguration::onWiFiAdvConfigChanged);
}

bool AisConfiguration::confirmWiFiChange(const QString& text)
{
    // The title is the same in every language.
    return QMessageBox::information(nullptr, QStringLiteral("Information"), text, QMessageBox::No | QMessageBox::Yes,
                                    QMessageBox::NoButton)
           != QMessageBox::No;
}

bool AisConfiguration::askWiFiPassword(const std::string& ssid, std::string* password)
{
    const SMsgTextResource& text = m_view->msgText();
    bool entered = false;
    const QString prompt = text.inputPasswordPrompt.arg(QString::fromLatin1(ssid.c_str()));
    const QString typed =
        QInputDialog::getText(nullptr, text.inputPasswordTitle, prompt, QLineEdit::Normal, QString(), &entered);
    if (!entered)
        return false;
    if (typed.size() < WiFiForm::PasswordMinLength || typed.size() > WiFiForm::PasswordMaxLength) {
        showMsgBox(MSG_BOX_INFORMATION, text.information, text.passwordFormat, QMessageBox::Ok,
                   QMessageBox::NoButton);
        return false;
    }
    *password = typed.toUtf8().toStdString();
    return true;
}

void AisConfiguration::onWiFiEnable()
{
    WgSelectorSwitch* wifiSwitch = m_view->wifiEnableSwitch();
    const bool on = wifiSwitch->isActive();
    Log()->dbgPrintf(DBG_CONTROL, "onWiFiEnable", 0, "WiFi Service clicked:%d", on ? 1 : 0);
    const SMsgTextResource& text = m_view->msgText();
    if (!confirmWiFiChange(on ? text.enableConfirm : text.disableConfirm)) {
        wifiSwitch->setActive(m_commSpaces->getDeviceComm().getWiFiConfig().snapshot().wlanEnabled);
        return;
    }
    postWiFiJob(WIFI_CFG_MODE_CTRL);
    m_view->enableWiFiWaitingDisp(true);
}

void AisConfiguration::onWiFiOPModeChange()
{
    const bool accessPoint = m_ui->rdbWiFiAccessPoint->isChecked();
    Log()->dbgPrintf(DBG_CONTROL, "onWiFiOPModeChange", 0, "WiFi operation mode clicked, AP:%d, Client:%d",
                     accessPoint ? 1 : 0, m_ui->rdbWiFiClient->isChecked() ? 1 : 0);
    const SMsgTextResource& text = m_view->msgText();
    if (!confirmWiFiChange(accessPoint ? text.switchToApConfirm : text.switchToClientConfirm)) {
        const bool moduleAccessPoint =
            m_commSpaces->getDeviceComm().getWiFiConfig().snapshot().opMode == WIFI_OP_MODE_ACCESS_POINT;
        m_ui->rdbWiFiAccessPoint->setChecked(moduleAccessPoint);
        m_ui->rdbWiFiClient->setChecked(!moduleAccessPoint);
        return;
    }
    postWiFiJob(WIFI_CFG_MODE_CTRL);
    m_view->enableWiFiWaitingDisp(true);
}

void AisConfiguration::onWiFiCfgApply()
{
    Log()->dbgPrintf(DBG_CONTROL, "onWiFiCfgApply", 0, "WiFi configuration apply clicked");
    if (!m_ui->btnCommConnt->isChecked()
        || m_commSpaces->getDeviceComm().getSentenceHandle().getDevDetectState() != DEV_STATE_CONFIG_SHOWN)
        return;
    if (checkInputRule()) {
        postWiFiJob(WIFI_CFG_AP_SETUP);
        return;
    }
    Log()->dbgPrintf(DBG_INFO, "onWiFiCfgApply", 0, "Input data check Fail");
    m_wifiEngine->setMainState(WIFI_MAIN_PENDING);
}

void AisConfiguration::onWiFiCfgPassWordChange(int state)
{
    QLineEdit* password = m_ui->edtWiFiCfgPassword;
    if (state == Qt::Checked) {
        m_keptWiFiPassword = password->text();
        password->clear();
        password->setEnabled(false);
    } else {
        password->setText(m_keptWiFiPassword);
        password->setEnabled(true);
    }
}

void AisConfiguration::onFactoryReset()
{
    Log()->dbgPrintf(DBG_CONTROL, "onFactoryReset", 0, "WiFi Factory Reset clicked");
    const SMsgTextResource& text = m_view->msgText();
    if (QMessageBox::question(this, text.factoryResetTitle, text.factoryResetConfirm,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::No)
        return;
    postWiFiJob(WIFI_CFG_FACTORY_RESET);
}

void AisConfiguration::onClientRefresh()
{
    Log()->dbgPrintf(DBG_CONTROL, "onClientRefresh", 0, "WiFi AP list refresh clicked");
    postWiFiJob(WIFI_CFG_CLIENT_SCAN);
}

// A double click delivers the click first, which has filled the join request.
void AisConfiguration::onClientAPCntDoubleClick()
{
    SJoinRequest& request = m_wifiEngine->clientAPCntData();
    Log()->dbgPrintf(DBG_CONTROL, "onClientAPCntDoubleClick", 0, "WiFi AP list connect clicked, SSID:%s, SecMode:%s",
                     request.ssid.c_str(), request.security.c_str());
    if (request.security == "NONE") {
        request.password.clear();
        postWiFiJob(WIFI_CFG_CLIENT_CONNECT);
        return;
    }
    if (!askWiFiPassword(request.ssid, &request.password))
        return;
    postWiFiJob(WIFI_CFG_CLIENT_CONNECT);
}

// The first click on a row shows its connect or disconnect icon; a click on that icon acts.
void AisConfiguration::onGetClintAPListData(const QModelIndex& index)
{
    SJoinRequest& request = m_wifiEngine->clientAPCntData();
    Log()->dbgPrintf(DBG_CONTROL, "onGetClintAPListData", 0, "WiFi AP List clicked, SSID:%s, SecMode:%s",
                     request.ssid.c_str(), request.security.c_str());
    // A row without data is named in a box; the icons are still put right.
    (void)getClientAPListData(index, &request);

    const QModelIndex clicked = sourceIndex(index, m_apExchangeSet);
    if (!clicked.isValid())
        return;
    const int row = clicked.row();
    QStandardItem* connection = rowItem(m_apExchangeSet, row, CWiFiAPExchangeSet::AP_ITEM_CONNECTION);
    if (!connection)
        return;
    const int status = connectStatus(m_apExchangeSet, row);
    if (clicked.column() == connection->column() && !connection->icon().isNull()) {
        if (status < 0) {
            Log()->dbgPrintf(DBG_INFO, "onGetClintAPListData", 0, "Connect AP");
            if (!askWiFiPassword(request.ssid, &request.password))
                return;
        } else {
            Log()->dbgPrintf(DBG_INFO, "onGetClintAPListData", 0, "Disconnect");
            request.security = "NONE";
            request.ssid = CWiFiJobEngine::LeaveSSID;
            request.password.clear();
        }
        postWiFiJob(WIFI_CFG_CLIENT_CONNECT);
        connection->setIcon(QIcon());
        return;
    }
    for (int other = 0; other < m_apExchangeSet.rowCount(); ++other) {
        if (QStandardItem* item = rowItem(m_apExchangeSet, other, CWiFiAPExchangeSet::AP_ITEM_CONNECTION))
            item->setIcon(QIcon());
    }
    connection->setIcon(statusIcon(status < 0 ? ConnectIcon : DisconnectIcon));
}

void AisConfiguration::onWiFiAdvConfigChanged()
{
    m_view->updateWiFiAdvConfigDisp(m_ui->lblWiFiFactoryResetTitle->isHidden());
}
