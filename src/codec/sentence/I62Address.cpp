#include "codec/sentence/I62Dispatch.h"

#include <cstring>

namespace {

// The maker's own mnemonic: "$PQLX,<letter>,<formatter>,..." carries a sentence of the maker.
constexpr char MAKER_MNEMONIC[] = "QLX";
constexpr size_t FORMATTER_LENGTH = 3;
// A proprietary formatter starts behind "$P".
constexpr size_t PROPRIETARY_FORMATTER_START = 2;

// Copies count characters from position start, as far as the text reaches.
void copyAt(char* out, const char* text, size_t length, size_t start, size_t count)
{
    size_t i = 0;
    for (; i < count && start + i < length; ++i)
        out[i] = text[start + i];
    out[i] = '\0';
}

size_t firstComma(const char* text, size_t from, size_t length)
{
    const void* comma = from < length ? std::memchr(text + from, ',', length - from) : nullptr;
    return comma ? static_cast<size_t>(static_cast<const char*>(comma) - text) : length;
}

bool readProprietary(const char* sentence, size_t length, I62_ADDRESS* address)
{
    copyAt(address->talker, sentence, length, 1, 1);
    const size_t comma = firstComma(sentence, 0, length);
    if (comma < PROPRIETARY_FORMATTER_START + FORMATTER_LENGTH)
        return false;
    copyAt(address->formatter, sentence, length, comma - FORMATTER_LENGTH, FORMATTER_LENGTH);
    if (std::strcmp(address->formatter, MAKER_MNEMONIC) != 0)
        return true;

    const size_t letter = comma + 1;
    if (letter + 1 >= length || sentence[letter + 1] != ',')
        return false;
    address->makerLetter = static_cast<uint8_t>(sentence[letter]);
    address->bodyOffset = letter;
    copyAt(address->formatter, sentence, length, letter + PROPRIETARY_FORMATTER_START, FORMATTER_LENGTH);
    return true;
}

void readStandard(const char* sentence, size_t length, I62_ADDRESS* address)
{
    copyAt(address->talker, sentence, length, 1, 2);
    const size_t comma = firstComma(sentence, 0, length);
    if (comma > 0 && sentence[comma - 1] == 'Q')
        address->formatter[0] = 'Q';
    else
        copyAt(address->formatter, sentence, length, 3, FORMATTER_LENGTH);
}

} // namespace

bool I62_ReadAddress(const char* sentence, size_t size, I62_ADDRESS* address)
{
    if (!address)
        return false;
    *address = I62_ADDRESS{};
    if (!sentence)
        return false;
    const size_t length = strnlen(sentence, size);
    if (length > 1 && sentence[1] == 'P')
        return readProprietary(sentence, length, address);
    readStandard(sentence, length, address);
    return true;
}
