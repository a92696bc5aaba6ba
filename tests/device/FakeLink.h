#pragma once

#include "comm/CServiceComm.h"
#include "support/PortalTime.h"

#include <QByteArrayList>
#include <QList>
#include <QStringList>
#include <atomic>

namespace DeviceFixture {

// A package as text: its bytes with CR and LF written out, and the reply it awaits.
inline QString describe(const COMM::STxPackage& package)
{
    QString text = QString::fromLatin1(package.data, package.len);
    text.replace("\r", "\\r").replace("\n", "\\n");
    if (package.response.isAwaited())
        text += QString(" awaits %1 %2 ms").arg(QString::fromLatin1(package.response.expected)).arg(package.response.timeout);
    return text;
}

// The device link's transport with a list for a line: what it "writes" is recorded with the
// clock of the write. Its queue moves only when the test calls txPackageSender; received bytes
// enter through rxPackageProc, cut into lines as the device link's profile asks.
class FakeLink : public COMM::CServiceComm
{
public:
    FakeLink()
        : CServiceComm(setting(), COMM::RAWDATA_SENTENCE)
    {
        timerSetup(false);
        setCommType(COMM::COMM_TYPE_SERIAL);
        setEnable(true);
    }

    bool isConnected() override { return connected; }
    COMM::SCommConntProfile getProfile() override { return makeProfile(getCommType()); }
    bool commTxPackageSender(COMM::STxPackage package) override
    {
        sent << QByteArray(package.data, package.len);
        sentAt << qint64(Portal::Time::Clock());
        return true;
    }

    // Takes the queue's packages out unsent.
    QStringList queued()
    {
        QStringList packages;
        COMM::STxPackage package;
        while (queueNextTxPackage(&package, true))
            packages << describe(package);
        return packages;
    }

    // Ticks the queue every 10 ms of the clock seam from one time to another.
    void sendFromTo(qint64 from, qint64 to)
    {
        for (qint64 t = from; t <= to; t += 10) {
            Portal::Time::SetFakeClock(quint64(t));
            txPackageSender();
        }
    }

    std::atomic<bool> connected{true};
    QByteArrayList sent;
    QList<qint64> sentAt;

private:
    static COMM::COMM_CONNT_SETTING setting()
    {
        COMM::COMM_CONNT_SETTING link = COMM::BuildConntLink(COMM::SENSOR_DEVICE_LINK, U"device", COMM::PRIMARY_POS_UNDEFINED, true);
        link.splitLines = true;
        return link;
    }
};

} // namespace DeviceFixture
