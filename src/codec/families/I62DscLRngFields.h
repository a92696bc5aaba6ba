#pragma once

#include "codec/families/I62AisFields.h"
#include "codec/sentence/I62Types.h"

// Field sets of the DSC, long-range and AIR sentences, in sentence order. Empty numbers read
// as 0 and empty characters as the blank; texts are cut to their room.

struct I62_DSC_DATA
{
    uint8_t formatSpecifier;
    uint64_t address;
    uint8_t category;
    uint8_t firstTelecommand;
    uint8_t secondTelecommand;
    char positionOrChannel[11];
    char timeOrNumber[18];
    uint64_t distressMmsi;
    uint8_t distressNature;
    uint8_t acknowledgement;
    uint8_t expansion;
};

struct I62_DSE_DATA
{
    uint8_t totalSentences;
    uint8_t sentenceNumber;
    uint8_t queryReply;
    uint64_t mmsi;
    uint8_t dataSetCode;
    char data[I62_SENTENCE_TEXT_ROOM];
};

struct I62_DSI_DATA
{
    uint8_t totalSentences;
    uint8_t sentenceNumber;
    uint64_t mmsi;
    uint8_t commandType;
    uint8_t dataSetCode;
    char data[23];
    uint8_t secondDataSetCode;
    char secondData[50];
    uint8_t status;
};

struct I62_DSR_DATA
{
    uint8_t totalSentences;
    uint8_t sentenceNumber;
    uint64_t mmsi;
    uint8_t dataSetCode;
    char data[50];
    uint8_t status;
};

struct I62_LRI_DATA
{
    uint8_t sequenceNumber;
    uint8_t controlFlag;
    uint64_t requestorMmsi;
    uint64_t destinationMmsi;
    LRng_DEGREE northEast;
    LRng_DEGREE southWest;
};

struct I62_LRF_DATA
{
    uint8_t sequenceNumber;
    uint64_t requestorMmsi;
    char requestorName[21];
    char functionRequest[27];
    char functionReply[I62_SENTENCE_TEXT_ROOM];
};

struct I62_LR1_DATA
{
    uint8_t sequenceNumber;
    uint64_t responderMmsi;
    uint64_t requestorMmsi;
    char shipName[21];
    char callSign[11];
    uint64_t imoNumber;
};

struct I62_LR2_DATA
{
    uint8_t sequenceNumber;
    uint64_t responderMmsi;
    LRng_DATE date;
    I62_UTC_TIME utcTime;
    LRng_DEGREE position;
    float course;
    uint8_t courseReference;
    float speed;
    uint8_t speedUnit;
};

struct I62_LR3_DATA
{
    uint8_t sequenceNumber;
    uint64_t responderMmsi;
    char destination[22];
    LRng_DATE etaDate;
    I62_UTC_TIME etaTime;
    float draught;
    float shipCargo;
    float length;
    float breadth;
    float shipType;
    float persons;
};

struct I62_AIR_DATA
{
    uint64_t firstMmsi;
    float firstRequest; // a float, so that a sub-section such as 3.1 survives
    uint8_t firstSubsection;
    float secondRequest;
    uint8_t secondSubsection;
    uint64_t secondMmsi;
    float thirdRequest;
    uint8_t thirdSubsection;
};
