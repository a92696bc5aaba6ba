// The line cutter fed arbitrary bytes in arbitrary chunks. Beyond crashes it checks what a
// reader of the lines relies on: every line ends with its terminator, holds no NUL, stays
// within the line buffer's bound, and each line is a run of the bytes fed, after the line
// before it: bytes may be dropped, never invented, reordered, repeated or spliced together.
#include "FuzzChunks.h"
#include "FuzzLog.h"

#include "comm/CRawDataHandle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const std::string& line)
{
    std::fprintf(stderr, "line cutter: %s (line of %zu bytes)\n", what, line.size());
    std::abort();
}

void checkLine(const std::string& line)
{
    if (line.empty())
        fail("empty line", line);
    if (line.back() != '\n' && line.back() != '\r')
        fail("line without its terminator", line);
    if (line.find('\0') != std::string::npos)
        fail("line holds a NUL", line);
    // The bound is on the text; the line end (at most CR LF) comes on top.
    if (line.size() > COMM::CRawDataHandle::LineBufferLimit + 2)
        fail("line longer than the line buffer's bound", line);
}

// Where the line lies in the bytes fed, at or after `from`; npos when it lies nowhere there.
size_t locate(const std::string& fed, const std::string& line, size_t from)
{
    // Mostly a line follows the previous one directly; searching is for after dropped bytes.
    if (fed.compare(from, line.size(), line) == 0)
        return from;
    return fed.find(line, from);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzLog::start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    COMM::CRawDataHandle handle;
    std::string fed;
    size_t linesEnd = 0; // in the bytes fed, the end of the last line returned
    FuzzChunks::ForEach(data, size, [&](const std::string& chunk, bool) {
        fed += chunk;
        for (const std::string& line : handle.retrieveString(chunk)) {
            checkLine(line);
            const size_t at = locate(fed, line, linesEnd);
            if (at == std::string::npos)
                fail("line is not a run of the bytes fed after the line before it", line);
            linesEnd = at + line.size();
        }
    });
    return 0;
}
