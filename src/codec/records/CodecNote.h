#pragma once

#include "codec/records/CodecClock.h"

#include <cstdint>

// Log lines that bad traffic can repeat with nearly every sentence (empty payloads, broken
// groups of fragments, malformed messages): the first is written at once, then at most one a
// second of the codec clock, and the next one written says how many were held back in between,
// so that a receiver's habit neither floods the log nor slows the receive path. The caller
// holds the codec lock.
struct SCodecNoteThrottle
{
    SYSTEM_TIME last;
    uint32_t held;
    bool written;
};

constexpr float CODEC_NOTE_INTERVAL_S = 1.0f;

// Writes the note at info level under the operation's name, with the count held back before
// it; formats nothing when the note is held back.
void CodecNote(SCodecNoteThrottle* throttle, const char* operation, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
