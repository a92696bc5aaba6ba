#include "codec/ais/I62Encap.h"

#include "support/PortalStr.h"

#include <cctype>
#include <cstring>

I62_ENCAP_STORE EncapStore;
int EncapSentenCount = 0;
Encapsulation_Sentence_Structure* EncapSentenActive = nullptr;
Encapsulation_Sentence_Structure RxEncapTuple;
Encapsulation_Sentence_Structure TxEncapTuple;
AIS_raw_message RxAisRawMsgTuple;

namespace {

int kindOf(const char* formatter)
{
    static const char* const names[I62_ENCAP_KINDS] = {"ABM", "BBM", "VDM", "VDO"};
    for (int kind = 0; kind < I62_ENCAP_KINDS; ++kind) {
        if (std::strncmp(formatter, names[kind], 4) == 0)
            return kind;
    }
    return -1;
}

bool isBinaryKind(int kind)
{
    return kind == I62_ENCAP_ABM || kind == I62_ENCAP_BBM;
}

using Partials = I62_ENCAP_PARTIAL[I62_ENCAP_PARTIALS];

bool isFree(const I62_ENCAP_PARTIAL& partial)
{
    return partial.message.sentenceNumber == 0;
}

// The channel as the sentence gave it: a letter for VDM and VDO, a digit for ABM and BBM.
char channelOf(const Encapsulation_Sentence_Structure& message)
{
    if (message.channel < 10)
        return static_cast<char>('0' + message.channel);
    return std::isalnum(message.channel) ? static_cast<char>(message.channel) : '-';
}

void drop(I62_ENCAP_PARTIAL& partial, const char* why)
{
    const Encapsulation_Sentence_Structure& m = partial.message;
    CodecNote(&EncapStore.notes, "I62_EncapSenten_Update",
              "%.3s message of sequential identifier %u on channel %c dropped after fragment %u of %u: %s",
              m.formatter, static_cast<unsigned>(m.sequenceId), channelOf(m), static_cast<unsigned>(m.sentenceNumber),
              static_cast<unsigned>(m.totalSentences), why);
    partial = I62_ENCAP_PARTIAL{};
}

void dropExpired(Partials& partials, SYSTEM_TIME now)
{
    for (I62_ENCAP_PARTIAL& partial : partials) {
        if (!isFree(partial) && SysTimeDifference(partial.started, now) >= I62_ENCAP_PARTIAL_TIMEOUT_S)
            drop(partial, "its next fragment did not come in time");
    }
}

I62_ENCAP_PARTIAL* messageOf(Partials& partials, const Encapsulation_Sentence_Structure& fragment)
{
    for (I62_ENCAP_PARTIAL& partial : partials) {
        if (!isFree(partial) && partial.message.sequenceId == fragment.sequenceId
            && partial.message.channel == fragment.channel)
            return &partial;
    }
    return nullptr;
}

// Where a first fragment starts its message: in place of the message it supersedes, else a
// free place, else the place of the oldest message.
I62_ENCAP_PARTIAL& placeFor(Partials& partials, const Encapsulation_Sentence_Structure& fragment, uint32_t arrivals)
{
    if (I62_ENCAP_PARTIAL* same = messageOf(partials, fragment)) {
        drop(*same, "a new message of its sequential identifier and channel began");
        return *same;
    }
    // Many sentences share a millisecond of the clock: the order of arrival tells the oldest.
    I62_ENCAP_PARTIAL* oldest = &partials[0];
    for (I62_ENCAP_PARTIAL& partial : partials) {
        if (isFree(partial))
            return partial;
        if (arrivals - partial.arrival > arrivals - oldest->arrival)
            oldest = &partial;
    }
    drop(*oldest, "more messages are being joined than there is room for");
    return *oldest;
}

// A VDM or VDO fragment without payload carries no part of any message: it is refused, and a
// message of its sequential identifier and channel being joined cannot be whole any more. An
// ABM or BBM payload is only the binary data, which may be empty.
bool refusedAsEmpty(int kind, const Encapsulation_Sentence_Structure& fragment)
{
    if (isBinaryKind(kind) || fragment.payload[0] != '\0')
        return false;
    I62_ENCAP_PARTIAL* message =
        fragment.totalSentences > 1 ? messageOf(EncapStore.partials[kind], fragment) : nullptr;
    if (message) {
        drop(*message, "a fragment without payload came");
        return true;
    }
    CodecNote(&EncapStore.notes, "I62_EncapSenten_Update", "%.3s fragment %u of %u on channel %c refused: no payload",
              fragment.formatter, static_cast<unsigned>(fragment.sentenceNumber),
              static_cast<unsigned>(fragment.totalSentences), channelOf(fragment));
    return true;
}

bool continues(const Encapsulation_Sentence_Structure& fragment, const Encapsulation_Sentence_Structure& message)
{
    return fragment.messageId == message.messageId && fragment.totalSentences == message.totalSentences
        && fragment.sentenceNumber == message.sentenceNumber + 1 && fragment.destMmsi == message.destMmsi;
}

// The message the fragment now belongs to, or null when the fragment was refused.
Encapsulation_Sentence_Structure* join(const Encapsulation_Sentence_Structure& fragment, Partials& partials,
                                       SYSTEM_TIME now)
{
    if (fragment.sentenceNumber == 1) {
        uint32_t& arrivals = EncapStore.firstFragments;
        I62_ENCAP_PARTIAL& place = placeFor(partials, fragment, arrivals);
        place.message = fragment;
        place.started = now;
        place.arrival = arrivals++;
        return &place.message;
    }
    I62_ENCAP_PARTIAL* partial = messageOf(partials, fragment);
    if (!partial)
        return nullptr;
    Encapsulation_Sentence_Structure& message = partial->message;
    const size_t joined = strnlen(message.payload, sizeof message.payload);
    const size_t added = strnlen(fragment.payload, sizeof fragment.payload);
    if (!continues(fragment, message)) {
        drop(*partial, "the next fragment does not continue it");
        return nullptr;
    }
    if (joined + added >= sizeof message.payload) {
        drop(*partial, "the joined payload is longer than a message may be");
        return nullptr;
    }
    std::memcpy(message.payload + joined, fragment.payload, added);
    message.payload[joined + added] = '\0';
    message.sentenceNumber = fragment.sentenceNumber;
    message.fillBits = fragment.fillBits;
    return &message;
}

// Moves a whole message to its kind's current slot; null when that slot still holds a
// message waiting to be handled.
Encapsulation_Sentence_Structure* complete(int kind, const Encapsulation_Sentence_Structure& message)
{
    uint8_t& current = EncapStore.current[kind];
    Encapsulation_Sentence_Structure& whole = EncapStore.kindSlots[kind][current];
    if (whole.complete)
        return nullptr;
    whole = message;
    whole.complete = 1;
    current = static_cast<uint8_t>((current + 1) % I62_ENCAP_SLOTS);
    if (isBinaryKind(kind)) {
        whole.reserved = 0;
        ++EncapSentenCount;
        EncapSentenActive = &whole;
    }
    return &whole;
}

} // namespace

void I62_EncapSenten_Init()
{
    EncapStore = I62_ENCAP_STORE{};
    EncapSentenCount = 0;
    EncapSentenActive = nullptr;
}

Encapsulation_Sentence_Structure* I62_EncapSenten_Update(const Encapsulation_Sentence_Structure* fragment)
{
    if (!fragment)
        return nullptr;
    const int kind = kindOf(fragment->formatter);
    if (kind < 0 || fragment->sentenceNumber < 1 || fragment->sentenceNumber > fragment->totalSentences)
        return nullptr;
    if (refusedAsEmpty(kind, *fragment))
        return nullptr;
    if (fragment->totalSentences == 1)
        return complete(kind, *fragment);
    Partials& partials = EncapStore.partials[kind];
    const SYSTEM_TIME now = GetSystemTime();
    dropExpired(partials, now);
    Encapsulation_Sentence_Structure* message = join(*fragment, partials, now);
    if (!message || message->sentenceNumber < message->totalSentences)
        return message;
    Encapsulation_Sentence_Structure* whole = complete(kind, *message);
    *message = Encapsulation_Sentence_Structure{};
    return whole;
}

int I62_AppendEncapSentence(const I61162_Data_Structure* record, Encapsulation_Sentence_Structure* receiveSlot)
{
    if (!record || !receiveSlot)
        return I62_APPEND_REFUSED;
    const int kind = kindOf(record->formatter);
    if (kind < 0)
        return I62_APPEND_REFUSED;

    const I62_ENCAP_DATA& f = record->data.encap;
    Encapsulation_Sentence_Structure fragment{};
    Portal::Str::SafeStrCpy(fragment.formatter, record->formatter, sizeof record->formatter);
    fragment.totalSentences = f.totalSentences;
    fragment.sentenceNumber = f.sentenceNumber;
    fragment.sequenceId = f.sequenceId;
    fragment.fillBits = f.fillBits;
    fragment.channel = f.channel;
    Portal::Str::SafeStrCpy(fragment.payload, f.payload, sizeof f.payload);
    if (isBinaryKind(kind))
        fragment.messageId = f.messageId;
    if (kind == I62_ENCAP_ABM)
        fragment.destMmsi = f.destMmsi;

    Encapsulation_Sentence_Structure* slot = I62_EncapSenten_Update(&fragment);
    if (!slot)
        return I62_APPEND_REFUSED;
    if (!slot->complete)
        return I62_APPEND_STORED;
    if (isBinaryKind(kind))
        return I62_APPEND_REFUSED;
    slot->complete = 0;
    *receiveSlot = *slot;
    return I62_APPEND_COMPLETE;
}

int I62_EncapSenten_CheckProcess()
{
    if (EncapSentenActive)
        return 1;
    if (EncapSentenCount <= 0) {
        EncapSentenCount = 0;
        return 0;
    }
    for (int kind : {I62_ENCAP_ABM, I62_ENCAP_BBM}) {
        for (Encapsulation_Sentence_Structure& slot : EncapStore.kindSlots[kind]) {
            if (slot.complete) {
                EncapSentenActive = &slot;
                return 1;
            }
        }
    }
    return 0;
}
