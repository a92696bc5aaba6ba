#pragma once

#include "codec/sentence/I62Types.h"

// Field sets of the heading, speed and radar sentences, in sentence order.

constexpr float I62_ABSENT_HEADING = 511.0f;

struct I62_HEADING_DATA // HDT and HDM
{
    float heading; // 511 when empty
    uint8_t reference;
};

struct I62_ROT_DATA
{
    float rateOfTurn; // degrees per minute, -100000 when empty
    uint8_t status;
};

struct I62_VBW_DATA
{
    float longWaterSpeed;
    float transWaterSpeed;
    uint8_t waterStatus;
    float longGroundSpeed;
    float transGroundSpeed;
    uint8_t groundStatus;
};

struct I62_OSD_DATA
{
    float heading;
    uint8_t headingStatus;
    float course;
    uint8_t courseReference;
    float speed;
    uint8_t speedReference;
    float set;
    float drift;
    uint8_t speedUnits;
};

constexpr int I62_RSD_VALUES = 11;

struct I62_RSD_DATA
{
    // origin 1 range and bearing, VRM 1, EBL 1, origin 2 range and bearing, VRM 2, EBL 2,
    // cursor range and bearing, range scale
    float values[I62_RSD_VALUES];
    uint8_t rangeUnits;
    uint8_t displayRotation;
};

constexpr int I62_TARGET_NAME_ROOM = 20;

struct I62_TTM_DATA
{
    uint8_t targetNumber;
    float distance;
    float bearing;
    uint8_t bearingUnits;
    float speed;
    float course;
    uint8_t courseUnits;
    float cpaDistance;
    float tcpa;
    uint8_t speedDistanceUnits;
    char name[I62_TARGET_NAME_ROOM]; // longer names are cut
    uint8_t status;
    uint8_t referenceTarget;
    I62_UTC_TIME utcTime;
    uint8_t acquisition;
};

struct I62_TLB_DATA
{
    float targetNumber;
    uint8_t label;
};

// Composed only: no parser fills it.
struct I62_HDG_DATA
{
    float heading;
    float deviation;
    uint8_t deviationDirection;
    float variation;
    uint8_t variationDirection;
};
