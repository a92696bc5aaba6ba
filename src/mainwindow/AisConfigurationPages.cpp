#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/about/CAboutForm.h"
#include "model/tables/CTargetExchangeSet.h"
#include "ui_AisConfiguration.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTranslator>

#include <algorithm>

namespace {

const char* const MainTranslation = ":/Translations/Languages/AisConfiguration_en.qm";
const char* const CopyRightTranslation = ":/Translations/Languages/CopyRight_en.qm";

const int OtherVesselsColumnWidth[CTargetExchangeSet::ItemCount] = {70, 120, 70, 60, 80, 80, 90, 90, 80, 80, 80};
const int WiFiCfgClientColumnWidth[CWiFiAPExchangeSet::ItemCount] = {36, 36, 194, 96, 36};

// The Home tile shows MMSI, name, call sign, range and bearing.
const int HomeHiddenColumns[] = {CTargetExchangeSet::TG_ITEM_CLASS,    CTargetExchangeSet::TG_ITEM_SPEED,
                                 CTargetExchangeSet::TG_ITEM_COURSE,   CTargetExchangeSet::TG_ITEM_LATITUDE,
                                 CTargetExchangeSet::TG_ITEM_LONGITUDE, CTargetExchangeSet::TG_ITEM_REPORT_AGE};

// What a cell of the table asks for to show a nine-digit MMSI whole, in the table's own font and style.
int nineDigitCellWidth(QTableView* table)
{
    table->ensurePolished();
    QStyleOptionViewItem cell;
    cell.initFrom(table);
    cell.widget = table;
    cell.font = table->font();
    cell.features = QStyleOptionViewItem::HasDisplay;
    cell.text = QStringLiteral("000000000");
    const QSize size = table->style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), table);
    return size.width() + (table->showGrid() ? 1 : 0);
}

// The room a column's title needs in the header's own font.
int titleWidth(QTableView* table, int column)
{
    const QHeaderView* header = table->horizontalHeader();
    header->ensurePolished();
    const QString title = table->model() ? table->model()->headerData(column, Qt::Horizontal).toString() : QString();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return header->fontMetrics().horizontalAdvance(title) + 2 * margin;
}

} // namespace

void AisConfiguration::initUiObj()
{
    // Ids are page indexes, whatever the order of adding.
    m_mainMenuGroup = new QButtonGroup(m_ui->wgMainMenu);
    m_mainMenuGroup->addButton(m_ui->btnMMHome, PAGE_HOME);
    m_mainMenuGroup->addButton(m_ui->btnMMConfiguration, PAGE_CONFIGURATION);
    m_mainMenuGroup->addButton(m_ui->btnMMGPSStatus, PAGE_GPS_STATUS);
    m_mainMenuGroup->addButton(m_ui->btnMMDiagnostics, PAGE_DIAGNOSTICS);
    m_mainMenuGroup->addButton(m_ui->btnMMSerialData, PAGE_SERIAL_DATA);
    m_mainMenuGroup->addButton(m_ui->btnMMOtherVessels, PAGE_OTHER_VESSELS);
    m_mainMenuGroup->addButton(m_ui->btnMMWiFi, PAGE_WIFI);
    for (int page = 0; page < PageCount; ++page)
        m_mainMenuGroup->button(page)->setCheckable(true);
    m_ui->btnMMHome->setChecked(true);

    m_homeMenuGroup = new QButtonGroup(m_ui->tabMainHome);
    m_homeMenuGroup->addButton(m_ui->btnHomeConfiguration, PAGE_CONFIGURATION);
    m_homeMenuGroup->addButton(m_ui->btnHomeSatelliteStatus, PAGE_GPS_STATUS);
    m_homeMenuGroup->addButton(m_ui->btnHomeDiagnostics, PAGE_DIAGNOSTICS);
    m_homeMenuGroup->addButton(m_ui->btnHomeOtherVessels, PAGE_OTHER_VESSELS);
    m_homeMenuGroup->addButton(m_ui->btnHomeWiFi, PAGE_WIFI);

    if (m_otherVessels) {
        m_ui->tbvwHomeOtherVessels->setModel(m_otherVessels->proxyModel());
        setOtherVesselsColumnWidth(m_ui->tbvwHomeOtherVessels);
        for (int column : HomeHiddenColumns)
            m_ui->tbvwHomeOtherVessels->hideColumn(column);
        m_ui->tbvwOtherVessels->setModel(m_otherVessels->proxyModel());
        setOtherVesselsColumnWidth(m_ui->tbvwOtherVessels);
    }
    m_ui->gpvwHomeSatelliteMap->installEventFilter(this);

    m_ui->tbvwWiFiCfgClient->setModel(m_apExchangeSet.proxyModel());
    setWiFiCfgClientColumnWidth(m_ui->tbvwWiFiCfgClient);
}

void AisConfiguration::initForm()
{
    if (!m_aboutForm)
        m_aboutForm = new CAboutForm(this);
}

void AisConfiguration::updateUiText()
{
    switchLanguageType(0);
    if (m_view)
        m_view->updateUiObjText();
    if (m_aboutForm && m_view)
        m_aboutForm->updateUiText(m_view->msgText().titleText);
}

bool AisConfiguration::switchLanguageType(int type)
{
    for (QTranslator* translator : {m_translator, m_copyRightTranslator}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    if (!m_translator)
        m_translator = new QTranslator();
    if (!m_copyRightTranslator)
        m_copyRightTranslator = new QTranslator();

    const QString main = QString::fromLatin1(MainTranslation);
    const QString copyRight = QString::fromLatin1(CopyRightTranslation);
    bool loaded = type == 0 && m_translator->load(main) && m_copyRightTranslator->load(copyRight);
    if (!loaded) {
        // Any other language, or a failed load, falls back to English.
        loaded = m_translator->load(main);
        loaded = m_copyRightTranslator->load(copyRight) && loaded;
    }
    QCoreApplication::installTranslator(m_translator);
    QCoreApplication::installTranslator(m_copyRightTranslator);
    return loaded;
}

void AisConfiguration::enableConfigDisp()
{
    if (!m_commSpaces)
        return;
    CDeviceComm& device = m_commSpaces->getDeviceComm();
    const CWiFiConfig& wifi = device.getWiFiConfig();
    const bool modulePresent = device.getSentenceHandle().getShownConfig().wifiModule;
    const bool powerAccepted = wifi.powerConfirmed;
    const bool ready = device.getSentenceHandle().getDevDetectState() == DEV_STATE_CONFIG_SHOWN;

    m_ui->wgHomeWiFi->setVisible(modulePresent && powerAccepted);
    m_ui->btnMMWiFi->setVisible(modulePresent && powerAccepted);

    // Held back only while a module whose power notice was accepted awaits its first full query,
    // and that query may still come: once its run has given up, only the Wi-Fi page waits.
    const bool wifiWaits = modulePresent && powerAccepted && !wifi.infoReadOnce;
    const bool enabled = ready && (!wifiWaits || wifi.runGivenUp);
    const bool wifiEnabled = ready && !wifiWaits;
    if (!enabled)
        updateCurPageDisp(PAGE_HOME);
    m_ui->wgMainMenu->setEnabled(enabled);
    m_ui->btnMMWiFi->setEnabled(wifiEnabled);
    for (QWidget* more : {m_ui->lblHomeConfigurationMore, m_ui->lblHomeDiagnosticsMore, m_ui->lblHomeGPSStatusMore,
                          m_ui->lblHomeOtherVesselsMore})
        more->setVisible(enabled);
    m_ui->lblHomeWiFiSetMore->setVisible(wifiEnabled);
    m_ui->lblHomeWiFiWaiting->setVisible(!wifiEnabled);
}

void AisConfiguration::setOtherVesselsColumnWidth(QTableView* table)
{
    // The widths suit a narrow font; in a wider one a column grows until its title, and the MMSI
    // column until nine digits, show whole.
    for (int column = 0; column < CTargetExchangeSet::ItemCount; ++column) {
        int width = std::max(OtherVesselsColumnWidth[column], titleWidth(table, column));
        if (column == CTargetExchangeSet::TG_ITEM_MMSI)
            width = std::max(width, nineDigitCellWidth(table));
        table->setColumnWidth(column, width);
    }
}

void AisConfiguration::setWiFiCfgClientColumnWidth(QTableView* table)
{
    for (int column = 0; column < CWiFiAPExchangeSet::ItemCount; ++column)
        table->setColumnWidth(column, WiFiCfgClientColumnWidth[column]);
}
