// Arbitrary lines into the formatter dispatch, as the sentence handler hands them over: text
// up to a NUL, ended with CR LF. Buffers are sized exactly, so a read or write past the size
// the dispatch is given shows. Beyond crashes it checks that the result is one the dispatch
// may give and that it does not depend on spare room: a buffer with the room the dispatch asks
// for and a roomy one end in the same result and, for a decoded sentence, the same text and
// the same record.
#include "codec/records/CodecLock.h"
#include "codec/sentence/I62Dispatch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, int result)
{
    std::fprintf(stderr, "decompose: %s (result %d)\n", what, result);
    std::abort();
}

// The text in a buffer of exactly the given size, zeroed past the text.
std::unique_ptr<char[]> exactCopy(const std::string& text, size_t size)
{
    std::unique_ptr<char[]> copy(new char[size]);
    std::memset(copy.get(), 0, size);
    std::memcpy(copy.get(), text.data(), text.size());
    return copy;
}

struct SOutcome
{
    int result;
    std::unique_ptr<char[]> text;
    I61162_Data_Structure record;
};

// The record starts with bytes no parser writes, the same for every run, so that fields a
// parser leaves alone compare equal and fields it fills compare by value.
SOutcome decompose(const std::string& line, size_t size)
{
    SOutcome outcome{0, exactCopy(line, size), {}};
    std::memset(&outcome.record, 0x5A, sizeof outcome.record);
    outcome.result = I62_Decompose(outcome.text.get(), size, &outcome.record);
    return outcome;
}

bool isDecomposeResult(int result)
{
    return result == I62_RESULT_OK || result == I62_RESULT_CHECKSUM || result == I62_RESULT_NO_CR
           || result == I62_RESULT_NO_LF || result == I62_RESULT_REFUSED;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string line(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0)
        line += "\r\n";

    CCodecLock lock;
    // Without the room for the "*FF" rewrite the dispatch must refuse or read as it is, never write past.
    decompose(line, line.size() + 1);

    const SOutcome asked = decompose(line, line.size() + 1 + 3);
    if (!isDecomposeResult(asked.result))
        fail("result outside 0, 1, 2, 3 and 8", asked.result);
    // Empty fields marked with a blank can need more than the rewrite's room; a buffer that
    // holds every pre-parsed sentence decides those.
    const SOutcome roomy = decompose(line, line.size() + 1 + 128);
    if (asked.result != roomy.result && asked.result != I62_RESULT_REFUSED)
        fail("result depends on the spare room of the buffer", asked.result);
    if (asked.result == I62_RESULT_OK) {
        if (std::strcmp(asked.text.get(), roomy.text.get()) != 0)
            fail("text depends on the spare room of the buffer", asked.result);
        if (std::memcmp(&asked.record, &roomy.record, sizeof asked.record) != 0)
            fail("record depends on the spare room of the buffer", asked.result);
    }
    if (roomy.result == I62_RESULT_OK) {
        // The start character is the handler's to check: any is taken here.
        const I61162_Data_Structure& record = roomy.record;
        if (record.formatter[3] != '\0' || record.talker[2] != '\0')
            fail("address field without its terminator", roomy.result);
    }
    return 0;
}
