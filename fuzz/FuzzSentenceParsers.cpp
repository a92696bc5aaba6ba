// Arbitrary lines through the steps a received sentence takes today: the checksum check,
// the pre-parse, then every parser of the codec on the result (whatever its formatter, so
// that each parser meets every kind of field list). Buffers are sized exactly, so a read or
// write past the size a function is given shows. Stands in for the dispatch's target.
#include "ParserTable.h"

#include "codec/I62Syntax.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

// A copy of the text in a buffer of exactly the given size (at least the text and its NUL).
std::unique_ptr<char[]> exactCopy(const char* text, size_t size)
{
    std::unique_ptr<char[]> copy(new char[size]);
    std::memset(copy.get(), 0, size);
    std::memcpy(copy.get(), text, std::strlen(text));
    return copy;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A line as the line cutter hands it over: text up to a NUL, ended with CR LF.
    std::string line(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0)
        line += "\r\n";

    // Without room for the "*FF" rewrite the checksum check must refuse, never write past.
    std::unique_ptr<char[]> tight = exactCopy(line.c_str(), line.size() + 1);
    I62_Parse_CheckSum(tight.get(), line.size() + 1);

    const size_t room = line.size() + 1 + 4;
    std::unique_ptr<char[]> sentence = exactCopy(line.c_str(), room);
    const int checksum = I62_Parse_CheckSum(sentence.get(), room);
    if (checksum != I62_CHECKSUM_OK && checksum != I62_CHECKSUM_ADDED)
        return 0;
    if (!I62_PreParse(sentence.get(), room))
        return 0;

    const size_t parsedSize = std::strlen(sentence.get()) + 1;
    for (const ParserTable::SEntry& entry : ParserTable::Parsers) {
        std::unique_ptr<char[]> copy = exactCopy(sentence.get(), parsedSize);
        I61162_Data_Structure record;
        std::memset(&record, 0x5A, sizeof record);
        entry.parse(copy.get(), &record);
    }
    return 0;
}
