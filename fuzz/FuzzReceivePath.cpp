// Arbitrary bytes in arbitrary chunks through the whole receive path: a transport's receive
// entry and line cutting, the sentence handler, the codec and AIS reassembly into the ship
// table, with slots that copy out of the codec as the data model does (a handler that still
// held the codec lock while signalling would hang here). Beyond crashes and hangs it checks
// what the readers of the handler rely on: the hook sees a bounded, terminated line; a target
// signal names the station that entry 1 holds; the raw text signalled is no more than the
// bytes fed; and the listener values are the handler's own.
#include "FuzzReceiveRig.h"

#include "codec/SensorListener.h"
#include "codec/records/CodecSnapshot.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t MmsiLimit = 1u << 30;

[[noreturn]] void fail(const char* what, long value)
{
    std::fprintf(stderr, "receive path: %s (%ld)\n", what, value);
    std::abort();
}

class CCheckingHandle : public CSensorSentenceHandle
{
public:
    bool sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package) override
    {
        const size_t length = strnlen(package.text, sizeof package.text);
        if (length == sizeof package.text)
            fail("hook sees a line without its terminator", long(length));
        if (length > SENSOR_SENTENCE_MAX)
            fail("hook sees a line longer than the handler passes on", long(length));
        return false;
    }
};

// Sensor sentences without a listener of their own (ROT, VBW, GNS) come with none.
bool isOwnListener(int listener)
{
    using namespace VudaviRirev;
    return listener == I62_LISTENER_NONE || listener == I62_LISTENER_HDT || listener == I62_LISTENER_HDM || listener == I62_LISTENER_GSA
           || listener == I62_LISTENER_VDO || listener == I62_LISTENER_VDO_NOT_PRIMARY;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzReceiveRig::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReceiveRig::StartInput();
    ReceiveRig::CLink link;
    CCheckingHandle handle; // initialises the codec
    ReceiveRig::Wire(link, handle);

    size_t bytesFed = 0;
    size_t textSignalled = 0;
    QObject::connect(&handle, &CSensorSentenceHandle::signalRxLogMsg,
                     [&textSignalled](void*, const QString& text) { textSignalled += size_t(text.size()); });
    QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisTargetData, [](unsigned int mmsi) {
        GENERIC_SHIP_DATA entry;
        CopyShipData(1, &entry);
        if (entry.mmsi != mmsi)
            fail("target signal names another station than entry 1 holds", long(mmsi));
        if (mmsi >= MmsiLimit)
            fail("MMSI wider than its 30 bits", long(mmsi));
    });
    QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisOwnData, [](int listener) {
        if (!isOwnListener(listener))
            fail("own-data signal with a foreign listener", listener);
        GENERIC_SHIP_DATA own;
        CopyShipData(0, &own);
    });
    QObject::connect(&handle, &CSensorSentenceHandle::signalFillGpsData, [](int, int, bool, bool) {
        GPS_Data slot;
        CopyGpsData(&slot);
        GNSS_Data headings;
        CopyExtGnssData(&headings);
    });

    FuzzReceiveRig::Feed(link, data, size, [&bytesFed](const std::string& chunk) { bytesFed += chunk.size(); });
    // The last chunk of a run always comes with more unset, so nothing is left undelivered.
    if (textSignalled > bytesFed)
        fail("more raw text signalled than bytes fed", long(textSignalled));
    return 0;
}
