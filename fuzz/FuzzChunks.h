#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

// Cuts a fuzz input into the chunks a serial read could deliver. The chunk sizes come from
// the end of the input and the bytes from its start, so that plain traffic makes a good seed.
// Now and then a piece comes many times (2 to 4096), as one chunk or as a run of chunks, so
// that a small input can overrun the bounds of a line buffer. The feed is told whether more
// chunks of the same run follow, as a transport is told of the chunks of one read.
namespace FuzzChunks {

constexpr size_t MaxPieceLength = 512;
constexpr unsigned MaxRepeatShift = 12;
// The whole stream one input makes, so that each input stays quick.
constexpr size_t MaxStreamBytes = 1 << 20;

template <typename Feed>
void ForEach(const uint8_t* data, size_t size, Feed feed)
{
    FuzzedDataProvider input(data, size);
    size_t budget = MaxStreamBytes;
    while (input.remaining_bytes() > 0) {
        const uint8_t mode = input.ConsumeIntegral<uint8_t>();
        const std::string piece = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(0, MaxPieceLength));
        size_t repeat = mode >= 0xF0 ? size_t(1) << input.ConsumeIntegralInRange<unsigned>(1, MaxRepeatShift) : 1;
        repeat = std::min(repeat, budget / std::max<size_t>(piece.size(), 1));
        budget -= repeat * piece.size();
        const bool oneChunk = mode & 1;
        std::string chunk;
        for (size_t i = 0; i < repeat; ++i) {
            chunk += piece;
            if (oneChunk && i + 1 < repeat)
                continue;
            feed(chunk, i + 1 < repeat);
            chunk.clear();
        }
    }
}

} // namespace FuzzChunks
