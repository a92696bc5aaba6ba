#pragma once

#include "codec/records/CodecClock.h"
#include "codec/sentence/I62Record.h"

#include <cstdint>

// The process-wide records that the sentence stores fill and the data model reads. They are
// guarded by the codec lock (CCodecLock): written under it by the communication thread, read
// through a copy taken under it (CodecSnapshot.h).

// A validity flag with the codec clock of its last setting.
struct SENSOR_VALIDITY
{
    uint8_t valid;
    SYSTEM_TIME updated;
};

// Talker to system identifier, kept by every store in its record.
enum I62_SYSTEM_ID : uint32_t
{
    I62_SYSTEM_OTHER = 0,
    I62_SYSTEM_GP = 1,
    I62_SYSTEM_GL = 2,
    I62_SYSTEM_GN = 3,
    I62_SYSTEM_LC = 4,
    I62_SYSTEM_IN = 6,
};

constexpr uint8_t GPS_FIX_NONE = 1;
constexpr uint8_t GPS_FIX_2D = 2;
constexpr uint8_t GPS_FIX_3D = 3;

// The satellites of the last GSV sentence.
struct GPS_SATELLITES_IN_VIEW
{
    uint8_t totalSentences;
    uint8_t sentenceNumber;
    uint8_t satellitesInView;
    uint8_t count; // satellites of this sentence, up to 4
    uint8_t prn[I62_GSV_SATELLITES];       // 0 where the field was empty
    uint8_t elevation[I62_GSV_SATELLITES]; // 128 where empty
    uint16_t azimuth[I62_GSV_SATELLITES];  // 65535 where empty
    uint8_t snr[I62_GSV_SATELLITES];       // 0 where empty: not tracked
};

// One GNSS source. Characters are bytes so that they can hold the marker 128 of a sentence
// without that field.
struct GPS_Data
{
    uint32_t systemId; // I62_SYSTEM_ID
    I62_UTC_TIME utcTime;
    double latitude;  // 91 not available
    double longitude; // 181 not available
    uint8_t quality;       // GGA
    uint8_t selectionMode; // GSA: 'M' or 'A'
    uint8_t fixMode;       // GPS_FIX_*
    float altitude;
    float geoidalSeparation;
    I62_DATE date;
    uint8_t modeIndicator; // 'A', 'D', 'E', 'M', 'S', 'N'
    uint8_t status;        // 'A' or 'V'
    uint8_t navStatus;     // RMC
    float cogTrue;
    float cogMagnetic;
    float sogKnots;
    float sogKmh;
    uint8_t satellitesInUse;
    uint8_t satellitesUsed[I62_GSA_SATELLITES]; // GSA, in field order; 0 where empty
    float pdop;
    float hdop; // also from GGA
    float vdop;
    GPS_SATELLITES_IN_VIEW inView;
    float errLatitude; // GBS expected errors, -1 after start
    float errLongitude;
    float errAltitude;
    int8_t failedSatellite;
    float probability;
    float bias;
    float biasStdDev;
    SENSOR_VALIDITY timeValid;
    SENSOR_VALIDITY dateValid;
    SENSOR_VALIDITY positionValid;
    SENSOR_VALIDITY cogSogValid;
    SENSOR_VALIDITY raimInUse;      // set by every GBS
    SENSOR_VALIDITY gbsErrorsValid; // all three expected errors given
    uint8_t fixValid;               // GGA quality 1 to 3, or GSA fix mode 2 or 3
    char localDatum[I62_DATUM_ROOM];
    uint8_t subDatum;
    double latOffset;
    double lonOffset;
    float altOffset;
    char referenceDatum[I62_DATUM_ROOM];
    SENSOR_VALIDITY dtmReceived;
    uint8_t datumIsWgs84; // reference datum "W84"
    char formatter[4];    // of the last sentence stored, "XXX" after start
};

// Heading, rate of turn, speed through the water and GNS.
struct GNSS_Data
{
    uint32_t systemId;
    I62_GNS_DATA gns;
    float trueHeading; // HDT
    SENSOR_VALIDITY trueHeadingValid;
    float magneticHeading; // HDM
    SENSOR_VALIDITY magneticHeadingValid;
    I62_ROT_DATA rot;
    I62_VBW_DATA vbw;
};

// The last fields parsed of one formatter.
template <typename T>
struct I62_KEPT_FIELDS
{
    T fields;
    uint8_t received;
};

struct LRng_Data
{
    uint32_t systemId;
    I62_KEPT_FIELDS<I62_LRI_DATA> lri;
    I62_KEPT_FIELDS<I62_LRF_DATA> lrf;
    I62_KEPT_FIELDS<I62_LR1_DATA> lr1;
    I62_KEPT_FIELDS<I62_LR2_DATA> lr2;
    I62_KEPT_FIELDS<I62_LR3_DATA> lr3;
};

struct AIS_Data
{
    uint32_t systemId;
    I62_KEPT_FIELDS<I62_ACA_DATA> aca;
    I62_KEPT_FIELDS<I62_ACS_DATA> acs;
    I62_KEPT_FIELDS<I62_SSD_DATA> ssd;
    I62_KEPT_FIELDS<I62_VSD_DATA> vsd;
    I62_KEPT_FIELDS<I62_ENCAP_DATA> abm;
    I62_KEPT_FIELDS<I62_ENCAP_DATA> bbm;
    I62_KEPT_FIELDS<I62_ENCAP_DATA> vdm;
    I62_KEPT_FIELDS<I62_ENCAP_DATA> vdo;
    I62_KEPT_FIELDS<I62_TXT_DATA> txt;
    I62_KEPT_FIELDS<I62_ABK_DATA> abk;
    I62_KEPT_FIELDS<I62_AIR_DATA> air;
    I62_KEPT_FIELDS<I62_ALR_DATA> alr;
    I62_KEPT_FIELDS<I62_ACK_DATA> ack;
};

struct DSC_Data
{
    uint32_t systemId;
    I62_KEPT_FIELDS<I62_DSC_DATA> dsc;
    I62_KEPT_FIELDS<I62_DSE_DATA> dse;
    I62_KEPT_FIELDS<I62_DSI_DATA> dsi;
    I62_KEPT_FIELDS<I62_DSR_DATA> dsr;
};

struct PRI_DATA
{
    uint32_t systemId;
    I62_KEPT_FIELDS<I62_MID_DATA> mid;
    I62_KEPT_FIELDS<I62_BDY_DATA> bdy;
    I62_KEPT_FIELDS<I62_TST_DATA> tst;
    I62_KEPT_FIELDS<I62_FRQ_DATA> frq;
    I62_KEPT_FIELDS<I62_BTH_DATA> bth;
    I62_KEPT_FIELDS<I62_DBG_DATA> dbg;
    I62_KEPT_FIELDS<I62_TPS_DATA> tps;
    I62_KEPT_FIELDS<I62_MOB_DATA> mob;
    I62_KEPT_FIELDS<I62_MRK_DATA> mrk;
    I62_KEPT_FIELDS<I62_GBP_DATA> gbp;
};

struct AtoN_sentence_data
{
    uint32_t systemId;
    I62_KEPT_FIELDS<ATON_AAR_DATA> aar;
    I62_KEPT_FIELDS<ATON_ACE_DATA> ace;
    I62_KEPT_FIELDS<ATON_ACF_DATA> acf;
    I62_KEPT_FIELDS<ATON_AFB_DATA> afb;
    I62_KEPT_FIELDS<ATON_AFC_DATA> afc;
    I62_KEPT_FIELDS<ATON_AID_DATA> aid;
    I62_KEPT_FIELDS<ATON_AKE_DATA> ake;
    I62_KEPT_FIELDS<ATON_ARW_DATA> arw;
    I62_KEPT_FIELDS<ATON_MCR_DATA> mcr;
    I62_KEPT_FIELDS<ATON_MPR_DATA> mpr;
    I62_KEPT_FIELDS<ATON_TSP_DATA> tsp;
    I62_KEPT_FIELDS<ATON_VER_DATA> ver;
};

struct RADAR_DATA
{
    uint32_t systemId;
    I62_KEPT_FIELDS<I62_OSD_DATA> osd;
    I62_KEPT_FIELDS<I62_RSD_DATA> rsd;
    I62_KEPT_FIELDS<I62_TLB_DATA> tlb;
    I62_KEPT_FIELDS<I62_TTM_DATA> ttm;
};

// One formatter a query asked for.
struct I62_QUERY_SLOT
{
    char formatter[4];
    uint8_t inUse;
};
constexpr int I62_QUERY_SLOTS = 4;

// Flags of SensorData.
enum SENSOR_DATA_FLAG
{
    SENSOR_OWN_POSITION = 0, // and 1
    SENSOR_OWN_HEADING = 2,
    SENSOR_GNSS_UTC = 5,
    SENSOR_UTC_UPDATED = 6,
    SENSOR_DATA_FLAGS = 7,
};

constexpr int GPS_SLOTS = 4;
extern GPS_Data GpsData[GPS_SLOTS];
// The slot the GNSS store fills; stays 0.
extern int CurGpsPort;
extern GNSS_Data EXTGnssData;
extern LRng_Data EXTLRngData;
extern AIS_Data EXTAISData;
extern DSC_Data EXTDSCData;
extern PRI_DATA EXTPriData;
extern AtoN_sentence_data EXTAtoNData;
extern RADAR_DATA EXTRadarData;
extern I62_QUERY_SLOT I62QueryData[I62_QUERY_SLOTS];
extern uint8_t SensorData[SENSOR_DATA_FLAGS];

// Takes the codec lock. Every GNSS slot back to its start (status 'V', mode 'N', no fix, every
// flag clear and stamped now, expected errors -1, formatter "XXX", values not available), the
// heading flags clear and stamped, every other record and the query slots empty. True.
bool SensorInitial();
