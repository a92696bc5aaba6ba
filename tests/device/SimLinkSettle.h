#pragma once

#include "comm/CServiceComm.h"
#include "device/CDeviceComm.h"
#include "support/PortalTime.h"

#include "SimProcess.h"

#include <QCoreApplication>
#include <QObject>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <mutex>

namespace DeviceFixture {

// Waits until the device link and the simulated transponder have nothing left between them: the
// link has written what it had queued and awaits no reply, the simulator has logged every byte
// written (and with each line its answers), and the link has taken in and handled what the
// simulator sent. What the communication thread posted to this thread on the way is then
// delivered. A test that ticks the program's seconds waits on this, never on a quiet period.
// The simulator runs at the device's pace: at a faster one it logs no traffic.
//
// While it lives, the codec clock is fake: when the link holds its queue only to keep its lines
// apart, the clock is stepped past that spacing instead of waited for. Every wait on the link
// must then go through it.
class SimLinkSettle
{
public:
    // The received text is compared by its end, far enough back to tell one answer from the
    // same answer to the line before.
    static constexpr int TailBytes = 512;

    SimLinkSettle(CDeviceComm& device, TestEnv::SimProcess& sim)
        : m_device(device)
        , m_sim(sim)
    {
        // The connections own the received text with this fixture: the link may live on and be
        // in the middle of a piece when the fixture goes.
        const auto collect = [received = m_received](void*, const QString& text) {
            std::lock_guard<std::mutex> lock(received->mutex);
            received->tail += text.toLatin1();
            received->tail = received->tail.right(TailBytes);
        };
        QObject::connect(&device.getSentenceHandle(), &CSensorSentenceHandle::signalRxLogMsg, &m_context, collect,
                         Qt::DirectConnection);
        QObject::connect(&device, &CDeviceComm::signalRxLogMsg, &m_context, collect, Qt::DirectConnection);
        Portal::Time::SetFakeClock(Portal::Time::Clock());
    }

    ~SimLinkSettle() { Portal::Time::ClearFakeClock(); }
    SimLinkSettle(const SimLinkSettle&) = delete;
    SimLinkSettle& operator=(const SimLinkSettle&) = delete;

    bool wait(int timeoutMs)
    {
        if (!QTest::qWaitFor([this] { return settled(); }, timeoutMs))
            return false;
        // Handled in the communication thread, the answers may have posted work here, which may
        // queue more to send.
        QCoreApplication::sendPostedEvents();
        return QTest::qWaitFor([this] { return settled(); }, timeoutMs);
    }

private:
    bool settled()
    {
        COMM::CServiceComm* link = m_device.getLink();
        if (!link)
            return false;
        // The simulator's log first: the link's counts and the received text can only run ahead of it.
        const QByteArray in = m_sim.loggedBytes("in");
        const QByteArray out = m_sim.loggedBytes("out");
        QByteArray received;
        {
            std::lock_guard<std::mutex> lock(m_received->mutex);
            received = m_received->tail;
        }
        const int compared = std::min({TailBytes, int(received.size()), int(out.size())});
        if (!out.isEmpty() && (received.isEmpty() || !received.endsWith(out.right(compared))))
            return false;
        // The link's lock is taken here: a line still being handled has been handled once it is had.
        const bool idle = link->isTxIdle();
        if (link->txByteCount() != uint64_t(in.size()))
            return false;
        // Nothing on its way either way: what holds the queue is the spacing (a reply that the
        // simulator did not give times out in steps too).
        if (!idle)
            Portal::Time::SetFakeClock(Portal::Time::Clock() + CDeviceComm::CommandSpacingMs);
        return idle;
    }

    CDeviceComm& m_device;
    TestEnv::SimProcess& m_sim;
    QObject m_context;
    struct SReceived
    {
        std::mutex mutex;
        QByteArray tail;
    };
    std::shared_ptr<SReceived> m_received = std::make_shared<SReceived>();
};

} // namespace DeviceFixture
