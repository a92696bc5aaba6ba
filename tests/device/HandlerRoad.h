#pragma once

#include "ReceiveRig.h"
#include "device/CAisSentenceHandle.h"

namespace DeviceFixture {

// The handler on a transport whose bytes come from the test, through the real line cutting and
// codec. The receive signal is connected without a context object, so it runs directly in
// whichever thread receives.
struct Road
{
    ReceiveRig::CLink link;
    CAisSentenceHandle handle;

    Road()
    {
        QObject::connect(&link, &COMM::CServiceComm::signalRxSentence,
                         [this](void*, char type) { handle.sentenceProc(&link, COMM::COMM_TYPE(type)); });
    }

    // One read of the serial port.
    void receive(const QByteArray& bytes) { link.rxPackageProc(bytes, false); }
};

} // namespace DeviceFixture
