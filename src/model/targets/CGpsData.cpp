#include "model/targets/CGpsData.h"

#include "codec/records/CodecSnapshot.h"
#include "codec/records/SensorRecords.h"
#include "support/PortalTime.h"

#include <algorithm>
#include <ctime>

namespace VudaviRirev {

namespace {

// A UTC fix time this far from the previous one is taken as a jump, not as time passing.
constexpr int64_t UTC_JUMP_SECONDS = 11;
constexpr uint8_t GSV_MAX_ELEVATION = 90;
constexpr uint16_t GSV_AZIMUTH_LIMIT = 360;
constexpr uint8_t SNR_MIN = 1;
constexpr uint8_t SNR_MAX = 99;

int32_t fixModeOf(uint8_t mode)
{
    return mode >= GPS_FIX_NONE && mode <= GPS_FIX_3D ? mode : GPS_FIX_NONE;
}

// Negative: the sentence gave none.
float hdopOf(float hdop)
{
    return hdop >= 0.0f ? hdop : 99.9f;
}

float sogOf(float knots)
{
    return knots >= 0.0f ? knots : 102.3f;
}

bool timeInRange(const I62_UTC_TIME& t)
{
    return t.hour < 24 && t.minute < 60 && t.second < 60;
}

// A date the slot does not hold whole counts as none: today's.
I62_DATE dateOf(const I62_DATE& d)
{
    const bool whole = d.year > 0 && d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31;
    return whole ? d : I62_DATE{};
}

bool contains(const uint8_t* list, int count, uint8_t prn)
{
    return std::find(list, list + count, prn) != list + count;
}

} // namespace

CGpsData::CGpsData()
{
    SensorInitial();
}

void CGpsData::initGpsData()
{
    SensorInitial();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_status = SGpsStatus();
}

SGpsStatus CGpsData::snapshot() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_status;
}

void CGpsData::setGpsData(int kind)
{
    GPS_Data slot;
    CopyGpsData(&slot);
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    std::lock_guard<std::mutex> lock(m_mutex);
    takeSlot(kind, slot, now);
}

void CGpsData::takeSlot(int kind, const GPS_Data& slot, int64_t now)
{
    SGpsStatus& s = m_status;
    switch (kind) {
    case KIND_GGA:
        s.geoidalSeparation = slot.geoidalSeparation;
        takePosition(slot, now);
        break;
    case KIND_GLL:
        takePosition(slot, now);
        break;
    case KIND_GBS:
        s.gbsValid = slot.gbsErrorsValid.valid;
        if (s.gbsValid)
            s.updateTime[GPS_UPDATE_GBS] = now;
        s.positionSentence = true;
        s.epoch = true;
        break;
    case KIND_GSA:
        s.fixMode = fixModeOf(slot.fixMode);
        s.hdop = hdopOf(slot.hdop);
        takeUsedSatellites(slot);
        break;
    case KIND_GSV:
        updateGsvRelayData(slot.inView);
        break;
    case KIND_RMC:
        takeCogSog(slot, now);
        s.dated = true;
        s.geoidalSeparation = slot.geoidalSeparation;
        takePosition(slot, now);
        break;
    case KIND_VTG:
        takeCogSog(slot, now);
        break;
    case KIND_ZDA:
        s.dated = true;
        break;
    case KIND_DTM:
        s.datumValid = slot.dtmReceived.valid;
        if (s.datumValid)
            s.updateTime[GPS_UPDATE_DATUM] = now;
        break;
    default:
        break;
    }
    if (s.epoch) {
        s.epoch = false;
        publishSatellites();
    }
    takeUtcTime(slot, now);
}

void CGpsData::takeCogSog(const GPS_Data& slot, int64_t now)
{
    SGpsStatus& s = m_status;
    s.cogSogValid = slot.cogSogValid.valid;
    if (s.cogSogValid) {
        s.updateTime[GPS_UPDATE_COG_SOG] = now;
        s.cog = slot.cogTrue;
    }
    s.sog = sogOf(slot.sogKnots);
    s.epoch = true;
}

void CGpsData::takePosition(const GPS_Data& slot, int64_t now)
{
    SGpsStatus& s = m_status;
    s.latitude = slot.latitude;
    s.longitude = slot.longitude;
    s.positionValid = slot.positionValid.valid;
    s.updateTime[GPS_UPDATE_POSITION] = now;
    s.positionSentence = true;
    s.epoch = true;
}

// Every used PRN of the sentence, wherever it stands among the fields.
void CGpsData::takeUsedSatellites(const GPS_Data& slot)
{
    SGpsStatus& s = m_status;
    for (uint8_t prn : slot.satellitesUsed) {
        if (prn == 0)
            continue;
        if (s.usedCount >= GpsSatelliteRoom)
            break;
        s.used[s.usedCount++] = prn;
    }
}

// True when the message was the last of its group: the gathered satellites then get their
// in-use marks.
bool CGpsData::updateGsvRelayData(const GPS_SATELLITES_IN_VIEW& message)
{
    SGpsSatelliteBlock& w = m_status.work;
    w.messageCount = message.totalSentences;
    w.lastMessage = message.sentenceNumber;
    storeGsvRelay(message);
    if (message.sentenceNumber != message.totalSentences)
        return false;
    for (int j = 0; j < w.count; ++j)
        w.inUse[j] = contains(m_status.used, m_status.usedCount, w.prn[j]);
    w.inView = message.satellitesInView;
    return true;
}

// A satellite without a PRN is none; one listed again refreshes its entry, and keeps its SNR
// when the new one is not a tracked value (1 to 99).
void CGpsData::storeGsvRelay(const GPS_SATELLITES_IN_VIEW& message)
{
    SGpsSatelliteBlock& w = m_status.work;
    const int count = std::min<int>(message.count, I62_GSV_SATELLITES);
    for (int i = 0; i < count; ++i) {
        const uint8_t prn = message.prn[i];
        if (prn == 0)
            continue;
        int j = static_cast<int>(std::find(w.prn, w.prn + w.count, prn) - w.prn);
        const bool added = j == w.count;
        if (added) {
            if (w.count >= GpsSatelliteRoom)
                continue;
            w.snr[j] = 0;
            ++w.count;
        }
        w.prn[j] = prn;
        w.elevation[j] = message.elevation[i] <= GSV_MAX_ELEVATION ? static_cast<int8_t>(message.elevation[i])
                                                                   : GpsNoElevation;
        w.azimuth[j] = message.azimuth[i] < GSV_AZIMUTH_LIMIT ? message.azimuth[i] : GpsNoAzimuth;
        if (message.snr[i] >= SNR_MIN && message.snr[i] <= SNR_MAX)
            w.snr[j] = message.snr[i];
    }
}

// A GSV group that ended with no satellite is a sky without satellites: it is published too,
// so the last sky view does not stay on screen.
void CGpsData::publishSatellites()
{
    SGpsStatus& s = m_status;
    const bool groupEnded = s.work.messageCount > 0 && s.work.lastMessage == s.work.messageCount;
    if (s.work.count < 1 && !groupEnded)
        return;
    s.view = s.work;
    std::fill(std::begin(s.used), std::end(s.used), uint8_t{0});
    s.usedCount = 0;
    s.work = SGpsSatelliteBlock();
}

// A fix time that jumps from the previous one makes this update's time and position invalid;
// the next update, compared with the jumped time, is taken again.
void CGpsData::takeUtcTime(const GPS_Data& slot, int64_t now)
{
    SGpsStatus& s = m_status;
    if (s.dated || s.positionSentence)
        s.utcTimeValid = slot.timeValid.valid && timeInRange(slot.utcTime);
    if (!s.utcTimeValid)
        return;
    const int64_t previous = s.utcFixTime;
    const I62_DATE date = dateOf(slot.date);
    s.utcFixTime = Portal::Time::ConvterYMDHMS2TimeT(date.year, date.month, date.day, slot.utcTime.hour,
                                                     slot.utcTime.minute, slot.utcTime.second, 0.0f);
    const int64_t step = s.utcFixTime - previous;
    if (previous != 0 && (step >= UTC_JUMP_SECONDS || step <= -UTC_JUMP_SECONDS)) {
        s.utcTimeValid = false;
        s.positionValid = false;
        return;
    }
    if (s.dated)
        s.updateTime[GPS_UPDATE_DATED_TIME] = now;
    else if (s.positionSentence)
        s.updateTime[GPS_UPDATE_POSITION_SENTENCE_TIME] = now;
}

} // namespace VudaviRirev
