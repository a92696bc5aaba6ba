#pragma once

#include "device/DeviceTypes.h"

#include "SimProcess.h"
#include "TestEnv.h"

#include <QByteArray>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <memory>

namespace Ui {
class AisConfiguration;
}
class AisConfiguration;
class CAisSentenceHandle;
class CDeviceComm;

// The program's window on the simulated transponder: the simulator's pseudo-terminal listed
// through the extra-ports variable, the port picked and Connect pressed as a user would. The
// window's own ticks are stopped; the test ticks with the window's seconds set, so pacing is
// seen without waiting real seconds.
class WindowSimRig
{
public:
    static constexpr int WaitMs = 10000;
    static constexpr int64_t Start = 100000;

    WindowSimRig() = default;
    ~WindowSimRig();
    WindowSimRig(const WindowSimRig&) = delete;
    WindowSimRig& operator=(const WindowSimRig&) = delete;

    // Simulator and window shown, the ticks stopped and the seconds at Start.
    bool start(int model, const QStringList& simArguments = {});
    // Opens the port list and picks the simulator's port.
    bool selectSimPort();
    // Picks the port, presses Connect and waits until the link is saved.
    bool connectSim(int model, const QStringList& simArguments = {});
    // Probe, model, query set and take-over, each at the earliest second the loop allows.
    bool detect(int64_t* now);
    void tickAt(int64_t seconds);
    // Window, simulator and working folder, in that order; false when the simulator did not
    // end cleanly.
    bool stop();

    // The lines the simulator received, from the first that starts with the given text on.
    QList<QByteArray> received(const QByteArray& from);
    int receivedCount(const QByteArray& part);

    AisConfiguration& window() { return *m_window; }
    Ui::AisConfiguration* ui() const { return m_ui; }
    TestEnv::SimProcess& sim() { return *m_sim; }
    CDeviceComm& device();
    CAisSentenceHandle& handle();
    COMM_VELK_DEV_STATE state();
    // Lets the window go first, as a user's quit would, leaving the simulator running.
    void closeWindow();

private:
    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;
    std::unique_ptr<TestEnv::SimProcess> m_sim;
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;
};

// Answers every message box with the chosen button as a user would, from a timer while the box
// runs its own loop, and keeps the texts it saw.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer();
    void reset(QMessageBox::StandardButton answer = QMessageBox::Ok);

    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList texts;
    QStringList titles;

private:
    QTimer m_timer;
};

// Answers the text prompts with the text given, or cancels them, and keeps their labels.
class PromptAnswerer : public QObject
{
public:
    PromptAnswerer();

    QString text;
    bool cancel = false;
    QStringList labels;

private:
    QTimer m_timer;
};
