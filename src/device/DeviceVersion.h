#pragma once

#include <cstdint>

// One "$AIVER" sentence, its fields in the sentence's order; texts are cut to their widths.
struct AIVER_S
{
    char address[20];
    int32_t totalSentences;
    int32_t sentenceNumber;
    char deviceType[20];
    char vendorId[20];
    char uniqueId[20];
    int64_t serialNumber;
    int32_t modelCode;
    char modelText[20]; // "UNIT-K-42", "Q-375" or another model
    char revision[25];
    char lastText[21];  // up to the "*"
    uint16_t checksum;  // the digits after the "*" read as a decimal number
};
