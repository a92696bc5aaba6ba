#pragma once

#include "ReceiveRig.h"
#include "device/CDeviceComm.h"

#include <QByteArray>

// Bytes into the window's own device link as reads of its serial port, through the real line
// cutting, codec, device protocol and data model: the test thread stands in for the
// communication thread, so no simulated transponder is needed.
class CWindowDeviceFeed
{
public:
    explicit CWindowDeviceFeed(CDeviceComm& device)
        : m_device(device)
    {
        m_device.adoptLink(&m_link);
        m_device.connectSetup();
    }
    ~CWindowDeviceFeed() { m_device.adoptLink(nullptr); }
    CWindowDeviceFeed(const CWindowDeviceFeed&) = delete;
    CWindowDeviceFeed& operator=(const CWindowDeviceFeed&) = delete;

    // The body ("$GPGSV,...") closed with "*", its checksum and CR LF, summed here rather than
    // by the codec under test.
    static QByteArray closed(const QByteArray& body)
    {
        unsigned sum = 0;
        for (int i = 1; i < body.size(); ++i)
            sum ^= uint8_t(body[i]);
        return body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
    }

    void receive(const QByteArray& bytes) { m_link.rxPackageProc(bytes, false); }

private:
    CDeviceComm& m_device;
    ReceiveRig::CLink m_link;
};
