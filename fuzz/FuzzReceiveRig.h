#pragma once

#include "FuzzChunks.h"
#include "FuzzLog.h"
#include "ReceiveRig.h"

#include "codec/records/CodecClock.h"
#include "support/PortalTime.h"

#include <QByteArray>
#include <cstdint>
#include <string>

// What the fuzz targets on a receive link share: the process set-up, each input's fresh start
// and the feed of its chunks through the link's receive entry on a fake clock.
namespace FuzzReceiveRig {

constexpr uint64_t StartMs = 10000000;
// Each chunk arrives a quarter second after the one before, so that the handler's
// once-a-second update and its checksum window come round.
constexpr uint64_t ChunkSpacingMs = 250;

// For LLVMFuzzerInitialize: the transport wants an application object, the log its thread.
inline void Initialize()
{
    ReceiveRig::EnsureApplication();
    FuzzLog::start();
}

// The clock and the codec's records as at the start, so that each input starts alike.
inline void StartInput()
{
    Portal::Time::SetFakeClock(StartMs);
    IoSubInitial();
}

// Feeds the input's chunks to the link, each a spacing after the one before, and calls
// afterChunk(chunk) once the link has taken it.
template <typename AfterChunk>
void Feed(ReceiveRig::CLink& link, const uint8_t* data, size_t size, AfterChunk afterChunk)
{
    uint64_t now = StartMs;
    FuzzChunks::ForEach(data, size, [&](const std::string& chunk, bool more) {
        now += ChunkSpacingMs;
        Portal::Time::SetFakeClock(now);
        link.rxPackageProc(QByteArray(chunk.data(), int(chunk.size())), more);
        afterChunk(chunk);
    });
}

} // namespace FuzzReceiveRig
