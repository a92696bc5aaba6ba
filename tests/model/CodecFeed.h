#pragma once

#include "../codec/AisFixture.h"
#include "../codec/SentenceFixture.h"
#include "codec/ais/AisMessage.h"
#include "codec/families/I62Gnss.h"
#include "codec/families/I62Radar.h"
#include "codec/records/CodecClock.h"
#include "codec/records/CodecLock.h"
#include "codec/records/SensorStores.h"
#include "codec/records/ShipTable.h"
#include "support/PortalTime.h"

#include <QByteArray>
#include <QByteArrayList>
#include <cstring>

// Fills the codec's records the way the sentence dispatcher does, so that the data model's
// fills can be driven as the handler's signals drive them.
namespace CodecFeed {

// The codec clock on a fake process clock, as the codec's own tests run it.
inline void startCodecClock()
{
    Portal::Time::SetFakeClock(1000);
    IoSubInitial();
}

// One GNSS or heading sentence body ("$GPRMC,...") through its parser into its store. The
// GNSS sentence kind (GGA 1 to DTM 9; 0 for a heading), or -1 when the sentence was refused.
inline int sensorSentence(const QByteArray& body)
{
    struct Formatter
    {
        const char* name;
        SentenceFixture::Parser parser;
        int kind;
    };
    static const Formatter formatters[] = {
        {"GGA", I62_FMT_GGA, 1}, {"GLL", I62_FMT_GLL, 2}, {"GBS", I62_FMT_GBS, 3},   {"GSA", I62_FMT_GSA, 4},
        {"GSV", I62_FMT_GSV, 5}, {"RMC", RMC_ParseProc, 6}, {"VTG", I62_FMT_VTG, 7}, {"ZDA", I62_FMT_ZDA, 8},
        {"DTM", I62_FMT_DTM, 9}, {"HDT", I62_FMT_HDT, 0}, {"HDM", I62_FMT_HDM, 0},
    };
    const QByteArray name = body.mid(3, 3);
    for (const Formatter& f : formatters) {
        if (name != f.name)
            continue;
        I61162_Data_Structure record = SentenceFixture::staleRecord();
        if (!SentenceFixture::parseFramed(f.parser, body, &record))
            return -1;
        CCodecLock lock;
        T1msTimerEvent();
        const bool stored = f.kind == 0 ? StoreSensorData(&record, &EXTGnssData)
                                        : StoreGPSData(&record, &GpsData[CurGpsPort]);
        return stored ? f.kind : -1;
    }
    return -1;
}

// Files one unpacked message as the dispatcher does for one sentence: entries 0 and 1 blanked
// first, so another station lands in entry 1 and an own message in entry 0. The entry, or -1.
inline int fileMessage(const UN_AIS_MESSAGE& message, bool own = false)
{
    CCodecLock lock;
    ShipSentenceReset();
    const int entry = StoreAisMsg(&message, 0, 0, own);
    if (entry >= 0)
        ShipData[entry].lastMessageId = message.messageId;
    return entry;
}

// VDM or VDO lines through the parser, the fragment store and the unpacker, then filed.
inline int fileLines(const QByteArrayList& lines, bool own = false)
{
    UN_AIS_MESSAGE message;
    if (AisFixture::decodeThroughStore(lines, &message) != AIS_UNPACK_DONE)
        return -1;
    return fileMessage(message, own);
}

inline UN_AIS_MESSAGE blankMessage(uint8_t id, uint32_t mmsi)
{
    UN_AIS_MESSAGE m;
    std::memset(&m, 0, sizeof m);
    m.header.messageId = id;
    m.header.mmsi = mmsi;
    return m;
}

} // namespace CodecFeed
