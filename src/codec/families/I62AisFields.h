#pragma once

#include "codec/sentence/I62Types.h"

#include <cstddef>

// Field sets of the AIS sentences that a transponder exchanges with its host, in sentence order.

// An IEC 61162-1 sentence has at most 82 characters, so no field text is longer than this.
constexpr size_t I62_SENTENCE_TEXT_ROOM = 80;

// Encapsulated six-bit text of one fragment. Receivers send fragments longer than a sentence
// of 82 characters would allow, so a fragment may hold what a whole message may: 175
// characters (1050 bits) and the NUL.
constexpr size_t I62_ENCAP_TEXT_ROOM = 176;

// VDM, VDO, ABM and BBM. The parsers clear the whole set first.
struct I62_ENCAP_DATA
{
    uint8_t totalSentences; // 0 when empty
    uint8_t sentenceNumber; // 0 when empty
    uint8_t sequenceId;     // 128 when empty
    uint8_t fillBits;
    char payload[I62_ENCAP_TEXT_ROOM];
    uint8_t channel;   // VDM/VDO: the channel letter; ABM/BBM: the digit's value; 128 when empty
    uint8_t messageId; // ABM and BBM only
    uint64_t destMmsi; // ABM only
};

constexpr size_t I62_TXT_TEXT_MAX = 61;

struct I62_TXT_DATA
{
    uint8_t totalSentences; // 128 when empty, as the two below
    uint8_t sentenceNumber;
    uint8_t textId;
    char text[I62_TXT_TEXT_MAX + 1]; // a longer text is cut
};

struct I62_ABK_DATA // empty numbers read as 0
{
    uint64_t mmsi;
    uint8_t channel;
    uint8_t messageId;
    uint8_t sequenceNumber;
    uint8_t ackType;
};

struct I62_ACK_DATA
{
    uint16_t alarmNumber; // 1000 when empty
};

struct I62_ALR_DATA
{
    I62_UTC_TIME changeTime;
    uint16_t alarmNumber;                     // 0 when empty
    uint8_t condition;                        // 128 when empty
    uint8_t ackState;                         // 128 when empty
    char description[I62_SENTENCE_TEXT_ROOM]; // a longer text is cut
};

struct I62_ACS_DATA
{
    uint8_t sequenceNumber;  // 128 when empty, as day and month
    uint64_t originatorMmsi; // 0 when empty
    I62_UTC_TIME utcTime;
    uint8_t day;
    uint8_t month;
    uint16_t year; // 0 when empty
};

struct I62_ACA_DATA // empty numbers read as 0
{
    uint8_t sequenceNumber;
    I62_DEGREE northEast;
    I62_DEGREE southWest;
    uint8_t zoneSize;
    uint16_t channelA;
    uint8_t bandwidthA;
    uint16_t channelB;
    uint8_t bandwidthB;
    uint8_t txRxMode;
    uint8_t powerLevel;
    uint8_t infoSource; // the blank when empty
    uint8_t inUse;
    I62_UTC_TIME inUseChanged;
};

// Absent markers of SSD and VSD: the first value outside each field's range.
constexpr uint16_t I62_SSD_NO_LENGTH = 512;
constexpr uint8_t I62_SSD_NO_WIDTH = 64;
constexpr uint8_t I62_SSD_NO_DTE = 2;
constexpr uint16_t I62_VSD_NO_SHIP_TYPE = 256;
constexpr uint16_t I62_VSD_NO_PERSONS = 8192;
constexpr uint8_t I62_VSD_NO_DAY = 32;
constexpr uint8_t I62_VSD_NO_MONTH = 13;

struct I62_SSD_DATA
{
    char callSign[8];
    char name[22];
    uint16_t toBow;
    uint16_t toStern;
    uint8_t toPort;
    uint8_t toStarboard;
    uint8_t dte;
    char sourceId[I62_SENTENCE_TEXT_ROOM]; // the blank when empty
};

struct I62_VSD_DATA
{
    uint16_t shipType; // the low 8 bits of the number
    float draught;     // metres
    uint16_t personsOnBoard;
    char destination[21];
    I62_UTC_TIME etaTime;
    uint8_t etaDay;
    uint8_t etaMonth;
    uint8_t navStatus;     // 128 when empty
    uint8_t regionalFlags; // 0 when empty
};
