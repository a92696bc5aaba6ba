#include "CSoakDriver.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "ui_AisConfiguration.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int TickMs = 1000;
constexpr qint64 MemoryReportMs = 10000;
// How long the window has to release its Connect button after the link is gone.
constexpr qint64 ReportWaitMs = 5000;
constexpr qint64 ConnectWaitMs = 10000;

long residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? long(fields[1].toLongLong() * sysconf(_SC_PAGESIZE) / 1024) : 0;
}

} // namespace

CSoakDriver::CSoakDriver(AisConfiguration& window, const QString& portPath)
    : m_window(window)
    , m_portPath(portPath)
{
    m_clock.start();
    connect(&m_tick, &QTimer::timeout, this, &CSoakDriver::onTick);
    m_tick.start(TickMs);
}

void CSoakDriver::say(const QString& text) const
{
    std::printf("%7.1f %s\n", double(m_clock.elapsed()) / 1000.0, qPrintable(text));
    std::fflush(stdout);
}

bool CSoakDriver::pressConnect()
{
    if (!QFile::exists(m_portPath))
        return false;
    WgComboBox& ports = m_window.view()->serialPortComboBox();
    ports.showPopup();
    ports.hidePopup();
    const int index = ports.findData(m_portPath, Qt::UserRole);
    if (index < 0)
        return false;
    ports.setCurrentIndex(index);
    m_window.form()->btnCommConnt->click();
    return true;
}

void CSoakDriver::onTick()
{
    const qint64 now = m_clock.elapsed();
    if (m_lastMemoryReport < 0 || now - m_lastMemoryReport >= MemoryReportMs) {
        m_lastMemoryReport = now;
        say(QStringLiteral("rss %1 kB").arg(residentKilobytes()));
    }
    // A box the window raised is answered as a user would, with its default button.
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        say(QStringLiteral("box: %1").arg(box->text().simplified()));
        if (QAbstractButton* button = box->defaultButton())
            button->click();
        else
            box->accept();
    }

    QAbstractButton* connectButton = m_window.form()->btnCommConnt;
    CDeviceComm& device = m_window.commSpaces()->getDeviceComm();
    const bool linked = device.getLink() != nullptr;
    switch (m_step) {
    case STEP::IDLE:
        if (connectButton->isEnabled() && !connectButton->isChecked() && pressConnect()) {
            m_step = STEP::CONNECTING;
            m_stepSince = now;
            m_stuckReported = false;
        } else if (!connectButton->isEnabled() && now - m_stepSince > ConnectWaitMs && !m_stuckReported) {
            m_stuckReported = true;
            say(QStringLiteral("the Connect button stays disabled: no way to connect again"));
        }
        break;
    case STEP::CONNECTING:
        if (linked && connectButton->isEnabled()) {
            ++m_counts.reconnects;
            m_identifiedThisLink = false;
            m_step = STEP::CONNECTED;
            say(QStringLiteral("connected"));
        } else if (now - m_stepSince > ConnectWaitMs) {
            say(QStringLiteral("connect did not complete; trying again"));
            if (connectButton->isChecked() && connectButton->isEnabled())
                connectButton->click();
            m_step = STEP::IDLE;
            m_stepSince = now;
        }
        break;
    case STEP::CONNECTED:
        if (!m_identifiedThisLink && device.getSentenceHandle().getDevDetectState() == DEV_STATE_CONFIG_SHOWN) {
            m_identifiedThisLink = true;
            ++m_counts.identified;
            say(QStringLiteral("device identified"));
        }
        if (!linked) {
            ++m_counts.losses;
            m_step = STEP::LOST;
            m_stepSince = now;
            say(QStringLiteral("link lost"));
        }
        break;
    case STEP::LOST:
        if (!connectButton->isChecked()) {
            ++m_counts.reportedLosses;
            say(QStringLiteral("the window reported the loss"));
            m_step = STEP::IDLE;
            m_stepSince = now;
        } else if (now - m_stepSince > ReportWaitMs) {
            say(QStringLiteral("the window did not report the loss; released by hand"));
            if (connectButton->isEnabled())
                connectButton->click();
            m_step = STEP::IDLE;
            m_stepSince = now;
        }
        break;
    }
}
