#pragma once

#include "codec/sentence/I62Types.h"

// Field sets of the GNSS sentences, in sentence order. Single characters are bytes so that
// they can hold the marker 128.

struct I62_GGA_DATA
{
    I62_UTC_TIME utcTime;
    I62_DEGREE position;
    uint8_t quality;
    uint8_t satellitesInUse;
    float hdop;
    float altitude;
    uint8_t altitudeUnit;
    float geoidalSeparation;
    uint8_t separationUnit;
    float diffAge;
    int32_t diffStation; // -1 when empty
};

struct I62_GLL_DATA
{
    I62_DEGREE position;
    I62_UTC_TIME utcTime;
    uint8_t status;
    uint8_t modeIndicator; // 128 when the sentence has no mode field
};

struct I62_RMC_DATA
{
    I62_UTC_TIME utcTime;
    uint8_t status;
    I62_DEGREE position;
    float sog;
    float cog;
    I62_DATE date;
    float magVariation;
    uint8_t variationDirection; // 128 when empty
    uint8_t modeIndicator;      // 128 when the sentence has no mode field
    uint8_t navStatus;
};

struct I62_GNS_DATA
{
    I62_UTC_TIME utcTime;
    I62_DEGREE position;
    uint8_t modeIndicator[2];   // the first two characters of the field
    uint8_t satellitesInUse[2]; // the first two characters of the field, as text
    float hdop;
    float altitude;
    float geoidalSeparation;
    float diffAge;
    float diffStation;
    uint8_t navStatus;
};

constexpr int I62_GSA_SATELLITES = 12;

struct I62_GSA_DATA
{
    uint8_t mode;
    uint8_t fixType;
    uint8_t satellites[I62_GSA_SATELLITES]; // 128 when empty
    float pdop;
    float hdop;
    float vdop;
    uint16_t satellitesGiven; // bit n: satellites[n] was given, so a real 128 stays one
    uint8_t systemId;         // GNSS system identifier of the longer form; 128 when not carried
};

constexpr int I62_GSV_SATELLITES = 4;

struct I62_GSV_DATA
{
    uint8_t totalSentences;
    uint8_t sentenceNumber;
    uint8_t satellitesInView;
    uint8_t satellitesInSentence; // 0 to 4; 0 also when the field count was refused
    uint8_t prn[I62_GSV_SATELLITES];        // 128 when empty
    uint8_t elevation[I62_GSV_SATELLITES];  // 128 when empty
    uint16_t azimuth[I62_GSV_SATELLITES];   // 65535 when empty
    uint8_t snr[I62_GSV_SATELLITES];        // 128 when empty
    uint8_t prnGiven;                       // bit n: prn[n] was given, so a real 128 stays one
    uint8_t signalId;                       // of the longer form; 128 when not carried
};

struct I62_VTG_DATA
{
    float cogTrue;
    uint8_t trueMark;
    float cogMagnetic;
    uint8_t magneticMark;
    float sogKnots;
    uint8_t knotsMark;
    float sogKmh;
    uint8_t kmhMark;
    uint8_t modeIndicator; // 128 when the sentence has no mode field
};

// The sentence carries day, month, year, zone; the record keeps this order.
struct I62_ZDA_DATA
{
    I62_UTC_TIME utcTime;
    int16_t year; // -1 when empty
    uint8_t month;
    uint8_t day;
    uint8_t zoneHours; // negative hours wrap to 243..255
    uint8_t zoneMinutes;
};

constexpr int I62_DATUM_ROOM = 4;

struct I62_DTM_DATA
{
    char localDatum[I62_DATUM_ROOM];
    uint8_t subDivision; // 0 when empty
    double latOffset;    // minutes, south negative
    double lonOffset;    // minutes, west negative
    float altOffset;
    char referenceDatum[I62_DATUM_ROOM];
};

struct I62_GBS_DATA
{
    I62_UTC_TIME utcTime;
    float errLatitude;
    float errLongitude;
    float errAltitude;
    int8_t failedSatellite; // -1 when empty
    float probability;
    float bias;
    float biasStdDev;
    uint8_t systemId; // both of the longer form; 128 when not carried
    uint8_t signalId;
};

constexpr int I62_GRS_RESIDUALS = 12;

struct I62_GRS_DATA
{
    I62_UTC_TIME utcTime;
    uint8_t mode;
    float residuals[I62_GRS_RESIDUALS];
};

struct I62_GST_DATA
{
    I62_UTC_TIME utcTime;
    float rangeRms;
    float semiMajor;
    float semiMinor;
    float orientation;
    float latError;
    float lonError;
    float altError;
};
