#pragma once

#include "comm/CommTypes.h"

#include <cstddef>
#include <cstdint>

namespace COMM {
class CServiceComm;
}

// The longest line, line end included, that the sentence handler passes on.
constexpr size_t SENSOR_SENTENCE_MAX = 199;
// Room for the longest line with CR LF added, the "*FF" that the checksum check writes when a
// sentence has none, and the NUL.
constexpr size_t SENSOR_SENTENCE_ROOM = 208;

// One received sentence.
struct SENSOR_SENTENCE_PACKAGE
{
    COMM::CServiceComm* service = nullptr;
    COMM::COMM_TYPE type = COMM::COMM_TYPE_NONE;
    char text[SENSOR_SENTENCE_ROOM] = {}; // NUL-terminated
};

constexpr size_t CHECKSUM_ERROR_DEVICE_ROOM = 128;

// One sentence that failed its checksum.
struct SETENCE_CHECKSUM_ERROR_INFO
{
    int64_t time; // seconds since the epoch, when it arrived
    char deviceName[CHECKSUM_ERROR_DEVICE_ROOM]; // UTF-8, cut to its room
    char sentence[SENSOR_SENTENCE_ROOM];
};
