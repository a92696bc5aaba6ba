#include "WindowSimRig.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/ports/ExtraPorts.h"
#include "ui_AisConfiguration.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QtTest>

WindowSimRig::~WindowSimRig()
{
    stop();
}

bool WindowSimRig::start(int model, const QStringList& simArguments)
{
    m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
    m_sim = std::make_unique<TestEnv::SimProcess>();
    if (!m_sim->start(QStringList{"--model", QString::number(model)} + simArguments))
        return false;
    qputenv(ExtraPortsVariable, m_sim->devicePath().toLocal8Bit());
    m_window = std::make_unique<AisConfiguration>();
    m_ui = m_window->form();
    if (!m_window->refreshTimer()->isActive())
        return false;
    m_window->refreshTimer()->stop();
    m_window->secondsSource().set(Start);
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

bool WindowSimRig::selectSimPort()
{
    WgComboBox& selector = m_window->view()->serialPortComboBox();
    selector.showPopup();
    selector.hidePopup();
    const int row = selector.findData(m_sim->devicePath(), Qt::UserRole);
    selector.setCurrentIndex(row);
    return row >= 0 && selector.currentText() == m_sim->devicePath();
}

bool WindowSimRig::connectSim(int model, const QStringList& simArguments)
{
    if (!start(model, simArguments) || !selectSimPort())
        return false;
    QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
    return QTest::qWaitFor([&] { return m_ui->btnCommConnt->isEnabled(); }, WaitMs)
           && state() == DEV_STATE_LINK_SAVED;
}

bool WindowSimRig::detect(int64_t* now)
{
    tickAt(*now);
    if (!QTest::qWaitFor([&] { return state() == DEV_STATE_MODEL_KNOWN; }, WaitMs))
        return false;
    *now += 5;
    tickAt(*now);
    if (!QTest::qWaitFor([&] { return state() == DEV_STATE_SYSTEM_DATA_END; }, WaitMs))
        return false;
    *now += 3;
    tickAt(*now);
    return state() == DEV_STATE_CONFIG_SHOWN;
}

void WindowSimRig::tickAt(int64_t seconds)
{
    m_window->secondsSource().set(seconds);
    m_window->onTimerRefresh();
}

bool WindowSimRig::stop()
{
    m_window.reset();
    m_ui = nullptr;
    const bool ended = !m_sim || m_sim->stop();
    m_sim.reset();
    m_dir.reset();
    qunsetenv(ExtraPortsVariable);
    return ended;
}

void WindowSimRig::closeWindow()
{
    m_window.reset();
    m_ui = nullptr;
}

QList<QByteArray> WindowSimRig::received(const QByteArray& from)
{
    QList<QByteArray> lines;
    for (const TestEnv::SimProcess::SLogLine& line : m_sim->log()) {
        if (line.kind == "in" && (!lines.isEmpty() || line.text.startsWith(from)))
            lines.append(line.text);
    }
    return lines;
}

int WindowSimRig::receivedCount(const QByteArray& part)
{
    int count = 0;
    for (const TestEnv::SimProcess::SLogLine& line : m_sim->log())
        count += line.kind == "in" && line.text.contains(part) ? 1 : 0;
    return count;
}

CDeviceComm& WindowSimRig::device()
{
    return m_window->commSpaces()->getDeviceComm();
}

CAisSentenceHandle& WindowSimRig::handle()
{
    return device().getSentenceHandle();
}

COMM_VELK_DEV_STATE WindowSimRig::state()
{
    return handle().getDevDetectState();
}

BoxAnswerer::BoxAnswerer()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts.append(box->text());
        titles.append(box->windowTitle());
        QAbstractButton* button = box->button(answer);
        if (button)
            button->click();
        else
            box->reject();
    });
    m_timer.start();
}

void BoxAnswerer::reset(QMessageBox::StandardButton chosen)
{
    answer = chosen;
    texts.clear();
    titles.clear();
}

PromptAnswerer::PromptAnswerer()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!prompt)
            return;
        labels << prompt->labelText();
        if (cancel) {
            prompt->reject();
            return;
        }
        prompt->setTextValue(text);
        prompt->accept();
    });
    m_timer.start();
}
