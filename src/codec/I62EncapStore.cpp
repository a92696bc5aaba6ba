#include "codec/I62Encap.h"

#include "support/PortalStr.h"

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

// A message whose first fragments are in and whose last is still to come.
bool isJoining(const Encapsulation_Sentence_Structure& slot)
{
    return slot.sentenceNumber >= 1 && slot.sentenceNumber < slot.totalSentences;
}

bool belongsTo(const Encapsulation_Sentence_Structure& fragment, const Encapsulation_Sentence_Structure& slot)
{
    return isJoining(slot) && fragment.sequenceId == slot.sequenceId && fragment.channel == slot.channel;
}

bool continues(const Encapsulation_Sentence_Structure& fragment, const Encapsulation_Sentence_Structure& slot)
{
    return fragment.messageId == slot.messageId && fragment.totalSentences == slot.totalSentences
        && fragment.sentenceNumber == slot.sentenceNumber + 1 && fragment.destMmsi == slot.destMmsi;
}

Encapsulation_Sentence_Structure* join(const Encapsulation_Sentence_Structure& fragment,
                                       Encapsulation_Sentence_Structure& target)
{
    if (fragment.sentenceNumber == 1) {
        target = fragment;
        return &target;
    }
    if (!belongsTo(fragment, target))
        return nullptr;
    const size_t joined = strnlen(target.payload, sizeof target.payload);
    const size_t added = strnlen(fragment.payload, sizeof fragment.payload);
    if (!continues(fragment, target) || joined + added >= sizeof target.payload) {
        target = Encapsulation_Sentence_Structure{};
        return nullptr;
    }
    std::memcpy(target.payload + joined, fragment.payload, added);
    target.payload[joined + added] = '\0';
    target.sentenceNumber = fragment.sentenceNumber;
    target.fillBits = fragment.fillBits;
    return &target;
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
    uint8_t& current = EncapStore.current[kind];
    Encapsulation_Sentence_Structure& target = EncapStore.kindSlots[kind][current];
    if (target.complete)
        return nullptr;
    if (!join(*fragment, target))
        return nullptr;
    if (target.sentenceNumber == target.totalSentences) {
        current = static_cast<uint8_t>((current + 1) % I62_ENCAP_SLOTS);
        target.complete = 1;
        if (isBinaryKind(kind)) {
            target.reserved = 0;
            ++EncapSentenCount;
            EncapSentenActive = &target;
        }
    }
    return &target;
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
