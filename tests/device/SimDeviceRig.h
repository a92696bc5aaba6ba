#pragma once

#include "FacadeRig.h"
#include "SimProcess.h"
#include "TestEnv.h"
#include "codec/sentence/I62Syntax.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtTest>
#include <cstring>
#include <memory>
#include <mutex>
#include <utility>

namespace DeviceFixture {

// The communication facade with its real thread on the simulated transponder's
// pseudo-terminal, its maintenance tick shortened, in a working folder of its own. It counts
// the space's signals in the GUI thread and collects the raw log texts where they are emitted.
// The helpers return false when what they wait for does not come.
class SimDeviceRig
{
public:
    static constexpr int TickMs = 50;
    static constexpr int WaitMs = 10000;

    SimDeviceRig() = default;
    ~SimDeviceRig() { stop(); }
    SimDeviceRig(const SimDeviceRig&) = delete;
    SimDeviceRig& operator=(const SimDeviceRig&) = delete;

    // The simulator with the arguments, then the facade with its thread.
    bool start(const QStringList& simArguments)
    {
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        m_sim = std::make_unique<TestEnv::SimProcess>();
        if (!m_sim->start(simArguments))
            return false;
        m_facade = std::make_unique<Facade>(TickMs);
        ready = saved = deleted = 0;
        takeRxText();
        const auto collect = [this](void*, const QString& text) {
            std::lock_guard<std::mutex> lock(m_rxMutex);
            m_rxText += text;
        };
        QObject::connect(&device().getSentenceHandle(), &CSensorSentenceHandle::signalRxLogMsg, &m_context, collect,
                         Qt::DirectConnection);
        QObject::connect(&device(), &CDeviceComm::signalRxLogMsg, &m_context, collect, Qt::DirectConnection);
        QObject::connect(m_facade.get(), &CCommSpaces::signalCommConntReady, &m_context, [this] { ++ready; });
        QObject::connect(m_facade.get(), &CCommSpaces::signalCommDataSaved, &m_context, [this] { ++saved; });
        QObject::connect(m_facade.get(), &CCommSpaces::signalCommDataDeleted, &m_context, [this] { ++deleted; });
        return m_facade->initCommSpaceTh() && QTest::qWaitFor([this] { return ready == 1; }, WaitMs);
    }

    // The facade first, its thread ended; then the simulator. False when the simulator did not
    // end cleanly.
    bool stop()
    {
        m_facade.reset();
        const bool clean = !m_sim || m_sim->stop();
        m_sim.reset();
        m_dir.reset();
        return clean;
    }

    // Connects as the main window does and waits for the adoption.
    bool connectDevice()
    {
        const int savedBefore = saved;
        COMM::SCommConntProfile profile = deviceProfile(m_sim->devicePath());
        m_facade->connectDeviceComm(profile);
        return QTest::qWaitFor([&] { return saved > savedBefore; }, WaitMs)
               && state() == DEV_STATE_LINK_SAVED && device().getLink();
    }

    // Disconnects and resets the device records as the main window does.
    bool disconnectDevice()
    {
        const int deletedBefore = deleted;
        m_facade->disconnectDeviceComm();
        if (!QTest::qWaitFor([&] { return deleted > deletedBefore; }, WaitMs) || device().getLink())
            return false;
        device().initDevConfigInfo();
        device().getWiFiConfig().reset();
        return true;
    }

    // A sentence as the main window sends it: closed with its checksum and CR LF, handed to the
    // facade. False when the facade refuses it.
    bool send(const QByteArray& text)
    {
        char sentence[256] = {};
        if (text.size() >= int(sizeof sentence))
            return false;
        std::memcpy(sentence, text.constData(), size_t(text.size()));
        return I62_Compose_CheckSum(sentence, sizeof sentence)
               && m_facade->sendCommand(sentence, int(std::strlen(sentence)));
    }

    bool probe() { return send("$AIAIQ,VER"); }

    // The main window's query set for the model the device named, closing number 16.
    bool sendQuerySet()
    {
        const MACHINE_TYPE model = device().getSentenceHandle().getMachineType();
        QByteArrayList texts = {"$PQLX,Q,CFG,8117,,,",
                                "$PQLX,Q,CFG," + QByteArray::number(device().getSentenceHandle().getModelNumber()) + ",,,",
                                "$PQLX,Q,CFG,183,,,"};
        if (model == MACHINE_Q_375)
            texts += {"!AIAIQ,EPV", "$PQLX,Q,CFG,31,,,"};
        texts += "$PTST,,,,,16";
        for (const QByteArray& text : texts) {
            if (!send(text))
                return false;
        }
        return true;
    }

    // Probe, model, query set and system data: detection state 6, then 1, then 2.
    bool detectAndRead()
    {
        return probe() && QTest::qWaitFor([this] { return state() == DEV_STATE_MODEL_KNOWN; }, WaitMs)
               && sendQuerySet() && QTest::qWaitFor([this] { return state() == DEV_STATE_SYSTEM_DATA_END; }, WaitMs);
    }

    QString takeRxText()
    {
        std::lock_guard<std::mutex> lock(m_rxMutex);
        return std::exchange(m_rxText, QString());
    }

    Facade& facade() { return *m_facade; }
    CDeviceComm& device() { return m_facade->getDeviceComm(); }
    TestEnv::SimProcess& sim() { return *m_sim; }
    COMM_VELK_DEV_STATE state() { return device().getSentenceHandle().getDevDetectState(); }

    // The space's signals, counted in the GUI thread.
    int ready = 0;
    int saved = 0;
    int deleted = 0;

private:
    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;
    std::unique_ptr<TestEnv::SimProcess> m_sim;
    std::unique_ptr<Facade> m_facade;
    QObject m_context;
    std::mutex m_rxMutex;
    QString m_rxText;
};

} // namespace DeviceFixture
