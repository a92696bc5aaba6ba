#pragma once

#include <cstdint>

namespace VudaviRirev {

constexpr int GpsSatelliteRoom = 24;
constexpr int8_t GpsNoElevation = -1;     // the GSV sentence gave none
constexpr uint16_t GpsNoAzimuth = 65535;  // the GSV sentence gave none

// Satellites gathered from GSV sentences, one entry per PRN.
struct SGpsSatelliteBlock
{
    uint8_t inView = 0;       // the GSV total of the last group
    uint8_t messageCount = 0; // of the last group
    uint8_t lastMessage = 0;  // number of the last message taken
    int8_t count = 0;         // entries stored, 0 to 24
    uint8_t prn[GpsSatelliteRoom] = {};
    int8_t elevation[GpsSatelliteRoom] = {}; // degrees
    uint16_t azimuth[GpsSatelliteRoom] = {};  // degrees
    uint8_t snr[GpsSatelliteRoom] = {};       // dB-Hz, 0 when not tracked
    uint8_t inUse[GpsSatelliteRoom] = {};
};

static_assert(sizeof(SGpsSatelliteBlock) == 148, "the satellite block is 148 bytes");

// Slots of SGpsStatus::updateTime.
enum GPS_UPDATE_TIME : int {
    GPS_UPDATE_POSITION_SENTENCE_TIME = 0,
    GPS_UPDATE_DATED_TIME = 1,
    GPS_UPDATE_COG_SOG = 2,
    GPS_UPDATE_POSITION = 3,
    GPS_UPDATE_GBS = 4,
    GPS_UPDATE_DATUM = 5,
    GPS_UPDATE_TIMES = 6,
};

// The GPS status the GPS Status page shows, as the GNSS sentences leave it.
struct SGpsStatus
{
    bool positionSentence = false; // a GGA, GLL, GBS or RMC was taken
    bool dated = false;            // an RMC or ZDA was taken
    bool utcTimeValid = false;
    bool positionValid = false;
    bool gbsValid = false;
    bool cogSogValid = false;
    bool datumValid = false;
    bool epoch = false; // an epoch sentence came since the last publication
    int64_t utcFixTime = 0; // seconds since 1970
    SGpsSatelliteBlock work; // the GSV group being gathered
    SGpsSatelliteBlock view; // the last published satellites in view: what the pages draw
    uint8_t used[GpsSatelliteRoom] = {}; // PRNs of the GSA sentences since the last publication
    int8_t usedCount = 0;
    int64_t updateTime[GPS_UPDATE_TIMES] = {}; // wall clock, seconds since 1970
    float geoidalSeparation = 0.0f; // metres
    double latitude = 91.0;         // degrees, 91 not available
    double longitude = 181.0;       // degrees, 181 not available
    float cog = 360.0f;             // degrees, 360 not available
    float sog = 102.3f;             // knots, 102.3 not available
    float hdop = 99.9f;             // 99.9 not available
    int32_t fixMode = 1;            // 1 no fix, 2 2D, 3 3D
};

} // namespace VudaviRirev
