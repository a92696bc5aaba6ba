#pragma once

#include "CodecFeed.h"
#include "codec/CSensorSentenceHandle.h"
#include "codec/ais/AisMessage.h"
#include "comm/CServiceComm.h"
#include "model/targets/CSensorInfo.h"
#include "model/targets/CSensorService.h"

#include <QByteArray>
#include <QObject>
#include <cstring>

// The receive road as the device layer wires it: a link whose bytes come from the test, through
// the real receive queues and sentence handler, whose signals fill a real registry.
namespace SensorRoad {

// One message as VDM lines (VDO for the own vessel), split into fragments as a receiver does.
inline QByteArray aisLine(const UN_AIS_MESSAGE& message, bool own = false)
{
    constexpr int FRAGMENT = 60;
    AIS_raw_message raw;
    Encapsulation_Sentence_Structure slot{};
    if (!AisMessagePack(&message, &raw) || !I62_EncapSentenceEncode(&slot, &raw))
        return {};
    const QByteArray payload(slot.payload);
    const int count = (payload.size() + FRAGMENT - 1) / FRAGMENT;
    QByteArray lines;
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        lines += SentenceFixture::closed(QByteArray(own ? "!AIVDO," : "!AIVDM,") + QByteArray::number(count) + ","
                                         + QByteArray::number(i + 1) + "," + (count > 1 ? "1" : "") + ",A,"
                                         + payload.mid(i * FRAGMENT, FRAGMENT) + ","
                                         + QByteArray::number(last ? slot.fillBits : 0));
    }
    return lines;
}

constexpr double NoLatitude = 91.0;
constexpr double NoLongitude = 181.0;
constexpr float NoSog = 102.3f;
constexpr float NoCog = 360.0f;

// A Class A position report (message 1).
inline QByteArray positionReport(uint32_t mmsi, double latitude, double longitude, float sog, float cog,
                                 bool own = false)
{
    UN_AIS_MESSAGE m = CodecFeed::blankMessage(1, mmsi);
    m.msg1.latitude = static_cast<float>(latitude);
    m.msg1.longitude = static_cast<float>(longitude);
    m.msg1.sog = sog;
    m.msg1.cog = cog;
    m.msg1.heading = AIS_HEADING_NOT_AVAILABLE;
    return aisLine(m, own);
}

// A SAR aircraft position report (message 9): speed in whole knots.
inline QByteArray aircraftReport(uint32_t mmsi, double latitude, double longitude, float sog, float cog)
{
    UN_AIS_MESSAGE m = CodecFeed::blankMessage(9, mmsi);
    m.msg9.latitude = static_cast<float>(latitude);
    m.msg9.longitude = static_cast<float>(longitude);
    m.msg9.sog = sog;
    m.msg9.cog = cog;
    return aisLine(m);
}

// A base station report (message 4).
inline QByteArray baseStationReport(uint32_t mmsi, double latitude, double longitude)
{
    UN_AIS_MESSAGE m = CodecFeed::blankMessage(4, mmsi);
    m.msg4.latitude = static_cast<float>(latitude);
    m.msg4.longitude = static_cast<float>(longitude);
    return aisLine(m);
}

// Class A static and voyage data (message 5).
inline QByteArray staticReport(uint32_t mmsi, const char* name, const char* callSign)
{
    UN_AIS_MESSAGE m = CodecFeed::blankMessage(5, mmsi);
    std::strncpy(m.msg5.name, name, sizeof m.msg5.name - 1);
    std::strncpy(m.msg5.callSign, callSign, sizeof m.msg5.callSign - 1);
    return aisLine(m);
}

// Primary position source, so that own reports carry the own position.
class TestLink : public COMM::CServiceComm
{
public:
    TestLink()
        : CServiceComm(COMM::BuildConntLink(0, U"test link", COMM::PRIMARY_POS_YES, true), COMM::RAWDATA_SENTENCE)
    {
        timerSetup(false);
        setCommType(COMM::COMM_TYPE_SERIAL);
    }

    COMM::SCommConntProfile getProfile() override { return makeProfile(getCommType()); }
};

struct Road
{
    VudaviRirev::CSensorService service;
    VudaviRirev::Target::CSensorInfo registry{&service};
    TestLink link;
    CSensorSentenceHandle handle;

    Road()
    {
        QObject::connect(&link, &COMM::CServiceComm::signalRxSentence,
                         [this](void*, char type) { handle.sentenceProc(&link, COMM::COMM_TYPE(type)); });
        QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisOwnData, [this](int listener) {
            registry.fillAisOwnData(VudaviRirev::SENSOR_I62_LISTENER(listener));
        });
        QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisTargetData, [this](unsigned mmsi) {
            if (mmsi != 0)
                registry.fillAisTargetData(mmsi);
        });
    }

    // A few lines at a time: a long burst would overflow the receive queue.
    void receive(const QByteArray& lines) { link.rxPackageProc(lines, false); }

    // The main window's one-second refresh.
    void tick()
    {
        registry.updateOwnVslData();
        registry.calTargetSourcePivotScreenPoint(VudaviRirev::Target::TARGET_SOURCE_AIS);
        registry.calTargetSourcePivotScreenPoint(VudaviRirev::Target::TARGET_SOURCE_ARPA);
        registry.updateAllTargetMeasureValue();
    }

    // The target's AIS record as the registry holds it; a blank record when it has none.
    VudaviRirev::Target::CTargetAisData target(uint32_t mmsi) const
    {
        const auto targets = registry.copyTargets();
        const auto found = targets.find(mmsi);
        return found != targets.end() ? *found->second->aisData() : VudaviRirev::Target::CTargetAisData();
    }
};

} // namespace SensorRoad
