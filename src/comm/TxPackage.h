#pragma once

#include <cstddef>
#include <cstdint>

namespace COMM {

// The reply that a sent package awaits. All zero means that nothing is awaited.
struct SResponseInform
{
    static constexpr int ExpectedSize = 128;

    int64_t sentTime = 0;  // Portal::Time::Clock() ms at which the package went out
    int32_t timeout = 0;   // ms; above 0 means that a reply is awaited
    char expected[ExpectedSize] = {};

    bool isAwaited() const { return timeout > 0; }
    // Copies the text, cut to the room of the field; null clears it.
    void setExpected(const char* text);
    // Forces the terminator inside the field, so that a reader never runs past it.
    // Returns true when that cut the text.
    bool terminateExpected();
};

// One package to send, copied by value into the queue and into the last-sent slot.
struct STxPackage
{
    static constexpr int DataSize = 512;
    static constexpr int DefaultSpacing = 100;

    char data[DataSize] = {};
    int32_t len = 0;
    bool checkSame = false;  // drop it unsent when it equals the last package sent
    bool onlyLast = false;   // of a run, only the last is to be sent
    int32_t spacing = DefaultSpacing;  // ms after the previous send of the transport
    int64_t created = 0;     // Portal::Time::Clock() ms
    SResponseInform response;

    // Copies the bytes and sets len, cut to the room of data. Returns the count kept.
    size_t setData(const char* bytes, size_t count);
};

} // namespace COMM
