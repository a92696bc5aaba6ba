#pragma once

#include "codec/sentence/I62Types.h"

#include <cstdint>

// Field sets of the sentences of an AIS aid-to-navigation station, in sentence order. The
// fields the sentences leave unnamed are named by their position. Instead of absent-value
// markers each set ends with presence bits: the bit of the n-th sentence field is
// ATON_FieldBit(n); a field whose bit is clear holds 0 or an empty text. Texts longer than
// their room are cut.

constexpr unsigned ATON_FieldBit(int position)
{
    return 1u << (position - 1);
}

template <typename Bits>
bool ATON_HasField(Bits present, int position)
{
    return (present & ATON_FieldBit(position)) != 0;
}

// Packed reference-point dimensions: D and C in the low 6 bits of a byte each, B and A in the
// low 9 bits of a 16-bit word each.
struct ATON_REF_POINT_DIMENSION
{
    uint8_t d;
    uint8_t c;
    uint16_t b;
    uint16_t a;
};
constexpr uint16_t ATON_DIM_AB_MASK = 0x1FF;
constexpr uint8_t ATON_DIM_CD_MASK = 0x3F;

struct ATON_AAR_DATA
{
    int64_t mmsi;
    uint8_t field2;
    uint8_t field3;
    uint8_t field4;
    uint8_t field5;
    uint16_t field6;
    int64_t field7;
    uint8_t field8;
    uint8_t field9;
    uint8_t field10;
    uint16_t field11;
    int64_t field12;
    uint8_t status; // 'R' or 'C'
    uint16_t present;
};

constexpr int ATON_ACE_TEXT_ROOM = 35;

struct ATON_ACE_DATA
{
    int64_t mmsi;
    uint8_t field2; // two hexadecimal digits
    uint16_t field3;
    uint8_t field4;
    uint8_t field5;
    uint8_t field6;
    char text[ATON_ACE_TEXT_ROOM];
    ATON_REF_POINT_DIMENSION dimensions;
    uint8_t status; // 'R' or 'C'
    uint16_t present;
};

// Fields 3 to 6 (latitude, N/S, longitude, E/W) share the bit of field 3, set only when all
// four are given; the bits of fields 4 to 6 stay clear.
constexpr int ATON_ACF_POSITION_FIELD = 3;

struct ATON_ACF_DATA
{
    int64_t mmsi;
    uint8_t field2;
    I62_DEGREE position;
    uint8_t field7;
    uint16_t field8;
    uint16_t field9;
    uint16_t field10;
    uint16_t field11;
    uint8_t field12;
    uint8_t field13;
    uint8_t field14;
    uint8_t field15; // a character
    uint16_t present;
};

struct ATON_AFB_DATA
{
    int64_t mmsi;
    uint8_t field2;
    uint8_t field3;
    uint8_t field4;
    uint8_t field5;
    uint16_t field6;
    uint8_t field7;
    uint8_t status; // 'R' or 'C'
    uint8_t present;
};

constexpr int ATON_AFC_TEXT_ROOM = 17;

struct ATON_AFC_DATA
{
    int64_t mmsi;
    char text[ATON_AFC_TEXT_ROOM];
    uint8_t present;
};

struct ATON_AID_DATA
{
    int64_t mmsi;
    uint8_t field2;
    int64_t secondMmsi;
    uint8_t field4; // a character
    uint8_t status; // 'R' or 'C'
    uint8_t present;
};

constexpr int ATON_AKE_TEXT_ROOM = 33;

struct ATON_AKE_DATA
{
    int64_t mmsi;
    char firstText[ATON_AKE_TEXT_ROOM];
    char secondText[ATON_AKE_TEXT_ROOM];
    uint8_t field4; // a character
    uint8_t present;
};

struct ATON_ARW_DATA
{
    int64_t mmsi;
    uint8_t field2;
    uint8_t field3;
    uint8_t field4;
    uint16_t field5;
    uint16_t field6;
    uint8_t status; // 'R' or 'C'
    uint8_t present;
};

constexpr int ATON_MCR_TEXT_ROOM = 81;

struct ATON_MCR_DATA
{
    int64_t mmsi;
    char text[ATON_MCR_TEXT_ROOM];
    uint8_t field3; // a character
    uint8_t present;
};

constexpr int ATON_MPR_TEXT_ROOM = 80;

struct ATON_MPR_DATA
{
    int64_t mmsi;
    uint8_t field2;
    uint8_t field3;
    uint8_t field4;
    uint16_t field5;
    uint16_t field6;
    char text[ATON_MPR_TEXT_ROOM];
    uint8_t field8; // a character
    uint8_t present;
};

struct ATON_TSP_DATA
{
    int64_t mmsi;
    uint8_t field2;
    uint8_t field3;
    I62_UTC_TIME utcTime;
    uint16_t field5;
    uint16_t field6;
    uint8_t field7;
    uint16_t field8;
    uint8_t field9;
    uint16_t field10;
    uint8_t field11;
    uint8_t field12; // a character
    uint8_t field13; // a character
    uint16_t present;
};

// Devices send the sequential message identifier last, after the hardware revision.
struct ATON_VER_DATA
{
    uint8_t totalSentences;
    uint8_t sentenceNumber;
    char deviceType[3];       // its first two characters
    char vendorId[6];         // at most 5 characters
    char uniqueId[16];        // at most 15
    char serialNumber[33];    // at most 32
    char modelCode[33];       // at most 32
    char softwareRevision[33];
    char hardwareRevision[33];
    uint8_t sequentialId;
    uint16_t present;
};
