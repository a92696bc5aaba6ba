#include "ScreenshotTour.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "ui_AisConfiguration.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPixmap>
#include <QTableView>
#include <cstdio>

namespace {

constexpr int BoxCheckMs = 100;
constexpr int PageSettleMs = 700;

const char* const PageNames[AisConfiguration::PageCount] = {
    "1-home", "2-configuration", "3-gps-status", "4-diagnostics", "5-other-vessels", "6-serial-data", "7-wifi",
};

void say(const QString& text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

CScreenshotTour::CScreenshotTour(AisConfiguration& window, const QString& portPath, const QDir& folder)
    : m_window(window)
    , m_portPath(portPath)
    , m_folder(folder)
{
    m_boxAnswerer.setInterval(BoxCheckMs);
    connect(&m_boxAnswerer, &QTimer::timeout, this, &CScreenshotTour::answerBoxes);
    m_boxAnswerer.start();
}

bool CScreenshotTour::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void CScreenshotTour::settle(int milliseconds)
{
    waitFor([] { return false; }, milliseconds);
}

void CScreenshotTour::answerBoxes()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    say(QStringLiteral("box \"%1\": %2").arg(box->windowTitle(), box->text().simplified()));
    // A question without a default (the Wi-Fi mode change) is agreed to, as the tour goes on.
    QAbstractButton* button = box->defaultButton();
    if (!button)
        button = box->button(QMessageBox::Yes);
    if (button)
        button->click();
    else
        box->accept();
}

bool CScreenshotTour::connectDevice(int timeoutMs)
{
    WgComboBox& ports = m_window.view()->serialPortComboBox();
    // The list is filled as the user opens it.
    ports.showPopup();
    ports.hidePopup();
    const int index = ports.findData(m_portPath, Qt::UserRole);
    if (index < 0) {
        say(QStringLiteral("the port %1 is not in the list").arg(m_portPath));
        return false;
    }
    ports.setCurrentIndex(index);
    m_window.form()->btnCommConnt->click();
    CAisSentenceHandle& handle = m_window.commSpaces()->getDeviceComm().getSentenceHandle();
    const bool read = waitFor([&handle] { return handle.getDevDetectState() == DEV_STATE_CONFIG_SHOWN; }, timeoutMs);
    say(read ? QStringLiteral("device identified and its configuration read")
             : QStringLiteral("the device was not read within %1 s").arg(timeoutMs / 1000));
    return read;
}

void CScreenshotTour::save(QWidget& widget, const QString& name)
{
    const QString path = m_folder.filePath(name + QStringLiteral(".png"));
    if (widget.grab().save(path)) {
        ++m_saved;
        say(QStringLiteral("saved %1").arg(path));
    } else {
        say(QStringLiteral("could not save %1").arg(path));
    }
}

void CScreenshotTour::openPage(int page)
{
    // Each reading of the device's data holds the pages back again while its Wi-Fi module is
    // not read; the shots show them all the same.
    QWidget* menu = m_window.form()->wgMainMenu;
    if (!menu->isEnabled()) {
        say(QStringLiteral("the window holds its pages back (main menu disabled); enabled for the shot"));
        menu->setEnabled(true);
    }
    m_window.mainMenuGroup()->button(page)->click();
}

void CScreenshotTour::shootPages()
{
    for (int page = 0; page < AisConfiguration::PageCount; ++page) {
        openPage(page);
        settle(PageSettleMs);
        if (m_window.form()->tbwgMain->currentIndex() != page)
            say(QStringLiteral("%1 did not open").arg(PageNames[page]));
        save(m_window, QString::fromLatin1(PageNames[page]));
    }
}

void CScreenshotTour::shootAbout()
{
    m_window.form()->btnThemeFunAbout->click();
    // The window makes its About dialog once, hidden, so it is the one other top level shown.
    QWidget* about = nullptr;
    waitFor(
        [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible() && widget != &m_window)
                    about = widget;
            }
            return about != nullptr;
        },
        2000);
    if (!about) {
        say(QStringLiteral("About: btnThemeFunAbout opens nothing yet; skipped"));
        return;
    }
    settle(PageSettleMs);
    save(*about, QStringLiteral("8-about"));
    about->close();
}

void CScreenshotTour::shootWiFiScan(int timeoutMs)
{
    Ui::AisConfiguration& ui = *m_window.form();
    openPage(AisConfiguration::PageCount - 1);
    settle(PageSettleMs);
    const auto jobDone = [&ui] { return ui.wgWiFiCfgWaiting->isHidden(); };
    // The list belongs to client mode; choosing it runs the mode change and its scan.
    if (!ui.rdbWiFiClient->isChecked()) {
        say(QStringLiteral("Wi-Fi: client mode chosen"));
        ui.rdbWiFiClient->click();
        settle(PageSettleMs);
        waitFor(jobDone, timeoutMs);
    }
    const QAbstractItemModel* list = ui.tbvwWiFiCfgClient->model();
    if (list && list->rowCount() == 0) {
        ui.btnWiFiCfgClientRefresh->click();
        settle(PageSettleMs);
    }
    const bool listed = waitFor([&] { return jobDone() && list && list->rowCount() > 0; }, timeoutMs);
    if (!listed)
        say(QStringLiteral("Wi-Fi scan: the list stayed empty within %1 s; shot as it is").arg(timeoutMs / 1000));
    settle(PageSettleMs);
    save(m_window, QStringLiteral("9-wifi-scan"));
}
