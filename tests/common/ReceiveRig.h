#pragma once

#include "codec/CSensorSentenceHandle.h"
#include "comm/CServiceComm.h"

#include <QCoreApplication>

// The receive path as the device protocol wires it, for the tests, the fuzz targets and the
// benchmarks: a transport whose bytes come from the caller, through its real receive entry and
// queues, its receive signal straight into a sentence handler. Header only: the fuzz and
// benchmark builds have no test library.
namespace ReceiveRig {

class CLink : public COMM::CServiceComm
{
public:
    explicit CLink(COMM::PRIMARY_POS_DEV role = COMM::PRIMARY_POS_YES, COMM::COMM_TYPE type = COMM::COMM_TYPE_SERIAL)
        : CServiceComm(COMM::BuildConntLink(0, U"test link", role, true), COMM::RAWDATA_SENTENCE)
    {
        timerSetup(false);
        setCommType(type);
    }

    COMM::SCommConntProfile getProfile() override { return makeProfile(getCommType()); }
};

inline void Wire(CLink& link, CSensorSentenceHandle& handle)
{
    QObject::connect(&link, &COMM::CServiceComm::signalRxSentence, &handle, [&link, &handle](void*, char commType) {
        handle.sentenceProc(&link, COMM::COMM_TYPE(commType));
    });
}

// The transport's constructor starts a timer, which wants an application object.
inline void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "receive-rig";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

} // namespace ReceiveRig
