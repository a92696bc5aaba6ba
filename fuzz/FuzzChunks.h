#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

// Cuts a fuzz input into the chunks a serial read could deliver. The chunk sizes come from
// the end of the input and the bytes from its start, so that plain traffic makes a good seed.
// Now and then a piece comes many times, as one chunk or as a run of chunks, so that a small
// input can overrun the bounds of a line buffer.
namespace FuzzChunks {

constexpr size_t MaxPieceLength = 512;
constexpr unsigned MaxRepeat = 300;

template <typename Feed>
void ForEach(const uint8_t* data, size_t size, Feed feed)
{
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        const uint8_t mode = input.ConsumeIntegral<uint8_t>();
        const std::string piece = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(0, MaxPieceLength));
        const unsigned repeat = mode >= 0xF0 ? input.ConsumeIntegralInRange<unsigned>(2, MaxRepeat) : 1;
        const bool oneChunk = mode & 1;
        std::string chunk;
        for (unsigned i = 0; i < repeat; ++i) {
            chunk += piece;
            if (oneChunk && i + 1 < repeat)
                continue;
            feed(chunk);
            chunk.clear();
        }
    }
}

} // namespace FuzzChunks
