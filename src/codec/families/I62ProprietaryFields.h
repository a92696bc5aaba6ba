#pragma once

#include "codec/sentence/I62Types.h"

#include <cstdint>

// Field sets of the maker's proprietary sentences and of the two query-like sentences, in
// record order. Their meaning beyond the format is the device's; the codec only carries them.
// Texts longer than their room are cut.

constexpr int64_t I62_PRI_ABSENT_NUMBER = 999999999;
constexpr int64_t I62_PRI_ABSENT_VALUE = -2147483648LL;

struct I62_MID_DATA
{
    int64_t first;  // 999999999 when empty
    int64_t second; // 999999999 when empty
};

constexpr int I62_BDY_TEXT_ROOM = 21;

struct I62_BDY_DATA
{
    int64_t number; // 999999999 when empty
    char firstText[I62_BDY_TEXT_ROOM];
    char secondText[I62_BDY_TEXT_ROOM];
    uint8_t firstFlag;  // 9 when empty
    uint8_t secondFlag; // 9 when empty
};

struct I62_TST_DATA
{
    int64_t number;      // 99999 when empty
    uint8_t twoDigits;   // 99 when empty
    uint8_t lowerLetter; // the blank when empty
    uint8_t upperLetter; // the blank when empty
    uint16_t identifier; // 65535 when empty
};

struct I62_FRQ_DATA
{
    int64_t firstNumber;  // 999999999 when empty
    int64_t secondNumber; // 999999999 when empty
    uint8_t firstIndex;   // 128 when empty
    uint8_t secondIndex;  // 128 when empty
};

constexpr int I62_BTH_NUMBERS = 6;
// At most 24 characters: the room of the proprietary record that keeps them.
constexpr int I62_PRI_SHORT_TEXT_ROOM = 25;

struct I62_BTH_DATA
{
    int16_t numbers[I62_BTH_NUMBERS]; // 256 each when empty
    char text[I62_PRI_SHORT_TEXT_ROOM];
};

constexpr int I62_DBG_PAIRS = 4;

// The identifier/value pairs of the settings that the main window sends.
struct I62_DBG_DATA
{
    uint16_t identifiers[I62_DBG_PAIRS]; // 999 when empty
    int64_t values[I62_DBG_PAIRS];       // -2147483648 when empty
};

struct I62_TPS_DATA
{
    uint16_t number; // 999 when empty
    char text[I62_PRI_SHORT_TEXT_ROOM];
};

constexpr int I62_MOB_IDENTIFIER_BYTES = 3;
constexpr int I62_MOB_DATA_ROOM = 20;

struct I62_MOB_DATA
{
    uint8_t identifier[I62_MOB_IDENTIFIER_BYTES]; // zeros unless six hexadecimal digits were given
    uint8_t number;                               // 255 when empty
    uint8_t firstCode;                            // 255 when empty
    uint8_t secondCode;
    uint8_t hasSecondCode;
    uint8_t data[I62_MOB_DATA_ROOM];
    uint8_t dataCount;
};

constexpr int I62_MRK_TEXT_ROOM = 24;

struct I62_MRK_DATA
{
    uint8_t makerLetter;     // copied from the frame
    uint8_t digit;           // 128 when empty
    uint16_t firstNumber;    // 65535 when empty
    uint16_t secondNumber;   // 0 when empty
    int64_t firstCoordinate; // -2147483648 when empty
    int64_t secondCoordinate;
    char text[I62_MRK_TEXT_ROOM];
    uint8_t lastNumber; // 128 when empty
};

struct I62_GBP_DATA
{
    int16_t number; // -1 when empty
    I62_UTC_TIME utcTime;
    I62_DEGREE position;
    float firstValue; // -100000 when empty
    float secondValue;
    I62_DATE date;
};

struct I62_AIQ_DATA
{
    uint8_t number; // 128 when empty
};

constexpr int I62_SMG_TEXT_ROOM = 80;

struct I62_SMG_DATA
{
    char text[I62_SMG_TEXT_ROOM];
    uint8_t number; // 128 when empty
};

// A query sentence: the formatter asked for, its first three characters.
struct I62_QUERY_DATA
{
    char requested[4];
};
