#include "mainwindow/CAisConfigurationView.h"

#include "comm/CommProfile.h"
#include "mainwindow/CSixBitValidator.h"
#include "resources/LibraryImage.h"
#include "style/QtObjPalette.h"
#include "support/Singleton.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"
#include "widgets/WgSelectorSwitch.h"

#include <QHeaderView>
#include <QRegExpValidator>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

void setTextRule(QLineEdit* field, int maxLength, const char* pattern)
{
    if (maxLength > 0)
        field->setMaxLength(maxLength);
    field->setValidator(
        new QRegExpValidator(QRegExp(QString::fromLatin1(pattern), Qt::CaseSensitive, QRegExp::RegExp), field));
}

void setSingleRowSelection(QTableView* table, bool sorting)
{
    table->setSortingEnabled(sorting);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
}

void setVesselTableHeader(QTableView* table)
{
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setVisible(true);
    table->horizontalHeader()->setHighlightSections(false);
}

} // namespace

CAisConfigurationView::CAisConfigurationView(Ui::AisConfiguration* ui, CSensorConfig* config, const CWiFiConfig& wifi,
                                             const CPortLister& portLister)
    : m_snrHistogram(nullptr)
    , m_serialPortComboBox(nullptr)
    , m_ui(ui)
    , m_sensorConfig(config)
    , m_wifi(wifi)
    , m_portLister(portLister)
{
    buildMsgTextResource();
    initUiObjDisp();
    updateUiObjPalette();
    updateUiObjText();
    refreshSerialPortDisp(true);
    updateAisAdvConfigDisp(false, MACHINE_UNKNOWN);
    updateWiFiAdvConfigDisp(false);
}

CAisConfigurationView::~CAisConfigurationView()
{
    delete m_satelliteMap;
    m_satelliteMap = nullptr;
    delete m_wifiEnableSwitch;
    m_wifiEnableSwitch = nullptr;
}

ModSatelliteMap* CAisConfigurationView::createSatelliteMap(QWidget* parent, int margin, std::string imagePath)
{
    return new ModSatelliteMap(parent, margin, std::move(imagePath));
}

void CAisConfigurationView::initUiObjDisp()
{
    initBorderDisp();

    m_ui->cbbxConntSerialPort->setVisible(false);
    m_serialPortComboBox.setFixedSize(450, 25);
    m_ui->loConntSerialPort->addWidget(&m_serialPortComboBox);
    m_serialPortComboBox.setParent(m_ui->wgComm);
    m_ui->btnCommConnt->setCheckable(true);

    initHomeDisp();
    initConfigurationDisp();
    initGpsStatusDisp();
    initOtherVesselsDisp();

    m_ui->lblDiagVSWR->setVisible(false);
    m_ui->lblDiagVSWRValue->setVisible(false);
    m_ui->lblDiagCheckAisAnte->setVisible(false);
    m_ui->imgDiagCheckAisAnte->setVisible(false);

    m_ui->wgMsgRecord->setVisible(false);
    m_ui->edtSendCommand->setMaxLength(256);
    m_ui->txbwSerialRx->setReadOnly(true);
    m_ui->txbwSerialRx->setEnabled(false);

    initWiFiDisp();
}

// The window controls go to the left edge and the empty block to the right one.
void CAisConfigurationView::initBorderDisp()
{
    QLayout* layout = m_ui->wgFormBorder->layout();
    layout->setContentsMargins(0, 0, 0, 0);
    m_ui->wgFormBorderEmpty->setFixedWidth(158);

    std::vector<QLayoutItem*> items;
    while (QLayoutItem* item = layout->takeAt(0))
        items.push_back(item);
    auto itemOf = [&items](QWidget* widget) -> QLayoutItem* {
        for (QLayoutItem* item : items) {
            if (item->widget() == widget)
                return item;
        }
        return nullptr;
    };
    // The form puts a spacer right after the empty block and another right after the title.
    auto spacerAfter = [&items, &itemOf](QWidget* widget) -> QLayoutItem* {
        for (size_t i = 0; i + 1 < items.size(); ++i) {
            if (items[i] == itemOf(widget))
                return items[i + 1]->spacerItem() ? items[i + 1] : nullptr;
        }
        return nullptr;
    };
    const std::vector<QLayoutItem*> order = {
        itemOf(m_ui->wgWinCtrlClose), itemOf(m_ui->wgWinCtrlMin), itemOf(m_ui->wgThemeFunAbout),
        itemOf(m_ui->wgThemeFunHelp), spacerAfter(m_ui->wgFormBorderEmpty), itemOf(m_ui->btnBorderTitleLogo),
        itemOf(m_ui->lblBorderTitleName), spacerAfter(m_ui->lblBorderTitleName), itemOf(m_ui->wgFormBorderEmpty)};
    for (QLayoutItem* item : order) {
        if (item)
            layout->addItem(item);
    }
    // Whatever the form holds besides goes back after them.
    for (QLayoutItem* item : items) {
        if (std::find(order.begin(), order.end(), item) == order.end())
            layout->addItem(item);
    }
}

// The Home page's content stands outside the tab widget, which is hidden with its tab bar.
void CAisConfigurationView::initHomeDisp()
{
    auto* homeLayout = new QVBoxLayout(m_ui->wgMainContent);
    homeLayout->setContentsMargins(0, 0, 0, 0);
    homeLayout->setSpacing(0);
    m_ui->wgMainHome->parentWidget()->layout()->removeWidget(m_ui->wgMainHome);
    homeLayout->addWidget(m_ui->wgMainHome);

    m_ui->lblHomeVSWR->setVisible(false);
    m_ui->lblHomeVSWRValue->setVisible(false);
    m_ui->tbvwHomeOtherVessels->setEnabled(false);
    m_ui->gpvwHomeSatelliteMap->setEnabled(false);
    m_ui->tbwgMain->tabBar()->setVisible(false);
    m_ui->tbwgMain->setVisible(false);
    m_ui->wgMainContent->setVisible(true);
    m_ui->wgMainMenu->setVisible(false);

    QTableView* table = m_ui->tbvwHomeOtherVessels;
    setSingleRowSelection(table, true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVesselTableHeader(table);
}

void CAisConfigurationView::initConfigurationDisp()
{
    for (QWidget* field : std::initializer_list<QWidget*>{m_ui->edtCfgShipName, m_ui->edtCfgCallSign,
                           m_ui->edtCfgMmsi, m_ui->spbxCfgVslDimA,
                           m_ui->spbxCfgVslDimB, m_ui->spbxCfgVslDimC,
                           m_ui->spbxCfgVslDimD})
        field->setFocusPolicy(Qt::ClickFocus);
    m_ui->edtCfgShipName->setMaxLength(ShipNameLimit);
    m_ui->edtCfgShipName->setValidator(new CSixBitValidator(ShipNameLimit, m_ui->edtCfgShipName));
    m_ui->edtCfgCallSign->setMaxLength(CallSignLimit);
    m_ui->edtCfgCallSign->setValidator(new CSixBitValidator(CallSignLimit, m_ui->edtCfgCallSign));
    setTextRule(m_ui->edtCfgMmsi, 9, "^[0-9]+$");
    m_ui->spbxCfgVslDimA->setRange(0, 511);
    m_ui->spbxCfgVslDimB->setRange(0, 511);
    m_ui->spbxCfgVslDimC->setRange(0, 63);
    m_ui->spbxCfgVslDimD->setRange(0, 63);

    // The device's ports take 38400, 9600 and 4800 bit/s: baud indexes 2, 4 and 5.
    QStringList baudRates;
    for (int baudIndex : {2, 4, 5})
        baudRates << QString::number(COMM::GetBaudRate(baudIndex));
    for (QComboBox* combo : {m_ui->cbbxCfgNmea1Input, m_ui->cbbxCfgNmea1Output, m_ui->cbbxCfgNmea2Input,
                             m_ui->cbbxCfgNmea2Output}) {
        combo->clear();
        combo->addItems(baudRates);
    }

    m_ui->lblCfgTransceiver->setVisible(false);
    m_ui->chbxCfgMsg27->setCheckable(true);
    m_ui->chbxCfgMsg27->setVisible(false);
    m_ui->lblCfgNMEADevInst->setVisible(false);
    m_ui->cbbxCfgNMEADevInst->setVisible(false);
}

void CAisConfigurationView::initGpsStatusDisp()
{
    m_snrHistogram.setMaxValue(50);
    const std::string mapImage = Pattern::Singleton<LibraryImage>::Instance()->getSatelliteIconPath(0);
    m_satelliteMap = createSatelliteMap(m_ui->gpvwSatelliteMap, 10, mapImage);
    m_homeSatelliteMap = createSatelliteMap(m_ui->gpvwSatelliteMap, 10, mapImage);
    m_satelliteMap->fitView(*m_ui->gpvwSatelliteMap);
    m_ui->gpvwSatelliteMap->setScene(m_satelliteMap);
    m_ui->gpvwHomeSatelliteMap->setScene(m_homeSatelliteMap);
    m_ui->loSatelliteSNR->addWidget(&m_snrHistogram);
}

void CAisConfigurationView::initOtherVesselsDisp()
{
    QTableView* table = m_ui->tbvwOtherVessels;
    setSingleRowSelection(table, true);
    table->horizontalHeader()->setDefaultSectionSize(100);
    table->verticalHeader()->setDefaultSectionSize(30);
    setVesselTableHeader(table);
    table->setItemDelegate(&m_itemDelegate);
}

void CAisConfigurationView::initWiFiDisp()
{
    m_ui->btnWiFiEnableSwitchTemp->setVisible(false);
    m_wifiEnableSwitch = new WgSelectorSwitch(nullptr);
    m_wifiEnableSwitch->setCaption(QStringLiteral("OFF"), QStringLiteral("ON"));
    m_wifiEnableSwitch->setFixedWidth(135);
    m_ui->loWiFiEnableSwitch->addWidget(m_wifiEnableSwitch);

    m_wifiModeButtonGroup.addButton(m_ui->rdbWiFiAccessPoint);
    m_wifiModeButtonGroup.addButton(m_ui->rdbWiFiClient);

    m_ui->wgWiFiCfgClientList->setVisible(false);
    m_ui->wgWiFiCfgWaiting->setVisible(false);
    m_ui->pgbWiFiCfg->setRange(0, 0);
    m_ui->pgbWiFiCfg->setTextVisible(false);

    setTextRule(m_ui->edtWifiCfgSSID, 32, "^[ -~]+$");
    setTextRule(m_ui->edtWiFiCfgPassword, WiFiForm::PasswordMaxLength, "^[ -~]+$");
    // Up to four groups of up to three digits, as typed: a mask would pad the groups with blanks.
    // The form check reads the groups' values.
    for (QLineEdit* address : {m_ui->edtWifiCfgIPAddress, m_ui->edtWifiCfgSubnetMask})
        setTextRule(address, 0, "^[0-9]{0,3}(\\.[0-9]{0,3}){0,3}$");
    setTextRule(m_ui->edtWiFiCfgPort, 5, "^[0-9]+$");

    QTableView* table = m_ui->tbvwWiFiCfgClient;
    setSingleRowSelection(table, false);
    table->setShowGrid(false);
    table->setIconSize(QSize(96, 32));
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setVisible(false);
    table->horizontalHeader()->setHighlightSections(true);
    table->setItemDelegate(&m_itemDelegate);
}

void CAisConfigurationView::switchHomeMenuDisp(bool home)
{
    m_ui->tbwgMain->setVisible(!home);
    m_ui->wgMainContent->setVisible(home);
    m_ui->wgMainMenu->setVisible(!home);
}

void CAisConfigurationView::updateAisAdvConfigDisp(bool show, MACHINE_TYPE type)
{
    m_ui->btnCfgAdvancedConfDisp->setText(show ? m_msgText.advHideText : m_msgText.advMoreText);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_ui->lblCfgTransceiver, m_ui->lblCfgDscMonitoring,
                            m_ui->cbbxCfgDscMonitoring, m_ui->lblCfgGpsUpdateRate,
                            m_ui->cbbxCfgGpsUpdateRate, m_ui->lblCfgGpsMode,
                            m_ui->cbbxCfgGpsMode, m_ui->lblCfgAlrSentence,
                            m_ui->cbbxCfgAlrSentence})
        widget->setVisible(show);
    // The NMEA 2000 instance and Message 27 exist on the Q-375 only.
    const bool modelItems = show && type == MACHINE_Q_375;
    m_ui->lblCfgNMEADevInst->setVisible(modelItems);
    m_ui->cbbxCfgNMEADevInst->setVisible(modelItems);
    m_ui->chbxCfgMsg27->setVisible(modelItems);
}

void CAisConfigurationView::updateBorderTitleDisp()
{
    m_ui->lblBorderTitleName->setText(m_msgText.titleText);
    QtObjPalette::setWidgetBtnIcon(m_ui->btnBorderTitleLogo,
                                   QString::fromStdString(Pattern::Singleton<LibraryImage>::Instance()->getLogoIconPath(0)));
}
