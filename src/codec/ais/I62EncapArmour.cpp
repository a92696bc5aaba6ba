#include "codec/ais/I62Encap.h"

#include "codec/ais/I62SixBit.h"
#include "support/PortalStr.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t FRAGMENT_TEXT = 60;

// Payload characters that the first fragment carries: fewer for the binary message sentences,
// whose first fragment has more fields.
size_t firstFragmentText(const Encapsulation_Sentence_Structure& slot)
{
    if (std::strncmp(slot.formatter, "ABM", 4) == 0)
        return slot.messageId == 6 ? 48 : slot.messageId == 12 ? 47 : FRAGMENT_TEXT;
    if (std::strncmp(slot.formatter, "BBM", 4) == 0)
        return slot.messageId == 8 ? 58 : slot.messageId == 14 ? 57 : FRAGMENT_TEXT;
    return FRAGMENT_TEXT;
}

} // namespace

bool I62_EncapSentenceDecode(const Encapsulation_Sentence_Structure* slot, AIS_raw_message* raw)
{
    if (!slot || !raw)
        return false;
    *raw = AIS_raw_message{};
    const size_t n = strnlen(slot->payload, sizeof slot->payload);
    const int bits = static_cast<int>(n) * 6 - slot->fillBits;
    raw->bitCount = static_cast<uint16_t>(bits > 0 ? bits : 0);
    // Each character gives six bits, most significant first; n * 6 bits fit the raw room.
    uint32_t pending = 0; // bits not yet written, in the low pendingBits bits
    int pendingBits = 0;
    size_t byte = 0;
    bool valid = true;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t value = I62_ConvAscii2Six(static_cast<uint8_t>(slot->payload[i]));
        if (value == I62_SIXBIT_INVALID) {
            valid = false;
            break;
        }
        pending = pending << 6 | value;
        pendingBits += 6;
        if (pendingBits >= 8) {
            pendingBits -= 8;
            raw->bits[byte++] = static_cast<uint8_t>(pending >> pendingBits);
            pending &= (1u << pendingBits) - 1;
        }
    }
    if (pendingBits > 0)
        raw->bits[byte] = static_cast<uint8_t>(pending << (8 - pendingBits));
    return valid;
}

bool I62_EncapSentenceEncode(Encapsulation_Sentence_Structure* slot, const AIS_raw_message* raw)
{
    if (!slot || !raw)
        return false;
    const size_t count = (raw->bitCount + 5u) / 6u;
    if (count >= sizeof slot->payload)
        return false;
    for (size_t i = 0; i < count; ++i) {
        uint8_t value = 0;
        for (size_t k = 0; k < 6; ++k) {
            const size_t bit = i * 6 + k;
            const bool set = bit < raw->bitCount && (raw->bits[bit / 8] & (0x80u >> (bit % 8)));
            value = static_cast<uint8_t>(value << 1 | (set ? 1 : 0));
        }
        slot->payload[i] = static_cast<char>(I62_ConvSix2Ascii(value));
    }
    slot->payload[count] = '\0';
    slot->fillBits = static_cast<uint8_t>((6 - raw->bitCount % 6) % 6);
    return true;
}

int I62_SplitEncapSentence(I61162_Data_Structure* record, const Encapsulation_Sentence_Structure* slot, int* cursor)
{
    if (!record || !slot || !cursor)
        return 1;
    const size_t length = strnlen(slot->payload, sizeof slot->payload);
    const size_t first = firstFragmentText(*slot);
    const size_t start = *cursor > 0 ? static_cast<size_t>(*cursor) : 0;
    const size_t total = length <= first ? 1 : 1 + (length - first + FRAGMENT_TEXT - 1) / FRAGMENT_TEXT;
    const size_t number = start == 0 ? 1 : start < first ? 2 : 2 + (start - first) / FRAGMENT_TEXT;
    const size_t chunk = start < length ? std::min(length - start, start == 0 ? first : FRAGMENT_TEXT) : 0;

    I62_ENCAP_DATA& f = record->data.encap;
    f = I62_ENCAP_DATA{};
    f.totalSentences = static_cast<uint8_t>(total);
    f.sentenceNumber = static_cast<uint8_t>(number);
    f.sequenceId = slot->sequenceId;
    f.channel = slot->channel;
    f.messageId = slot->messageId;
    f.destMmsi = slot->destMmsi;
    std::memcpy(f.payload, slot->payload + start, chunk);
    f.payload[chunk] = '\0';
    const bool last = number >= total;
    f.fillBits = last ? slot->fillBits : 0;
    *cursor = static_cast<int>(start + chunk);
    return last ? 1 : 0;
}
