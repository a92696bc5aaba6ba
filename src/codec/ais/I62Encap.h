#pragma once

#include "codec/records/CodecClock.h"
#include "codec/records/CodecNote.h"
#include "codec/sentence/I62Record.h"

#include <cstddef>
#include <cstdint>

// Encapsulated sentences: the fragment store that joins the fragments of AIS messages, and
// the six-bit armour between the joined payload and the message bits.

constexpr size_t I62_ENCAP_PAYLOAD_ROOM = I62_ENCAP_TEXT_ROOM; // 175 armour characters and the NUL
constexpr size_t AIS_RAW_MSG_ROOM = 170;
constexpr uint32_t AIS_RAW_MSG_BITS = AIS_RAW_MSG_ROOM * 8;

// One message being joined, or a whole one.
struct Encapsulation_Sentence_Structure
{
    char formatter[8]; // "ABM", "BBM", "VDM" or "VDO", then zeros
    uint64_t destMmsi; // ABM only
    uint8_t totalSentences;
    uint8_t sentenceNumber;
    uint8_t sequenceId; // 128 when the sentence had none
    uint8_t channel;
    uint8_t messageId; // ABM and BBM only
    uint8_t complete;
    uint8_t fillBits;
    uint8_t reserved; // cleared when an ABM or BBM message completes
    char payload[I62_ENCAP_PAYLOAD_ROOM];
};

// The message bits, most significant bit first.
struct AIS_raw_message
{
    uint8_t bits[AIS_RAW_MSG_ROOM];
    uint16_t bitCount;
};

// Kinds of the fragment store, each of I62_ENCAP_SLOTS slots.
enum I62_ENCAP_KIND
{
    I62_ENCAP_ABM = 0,
    I62_ENCAP_BBM = 1,
    I62_ENCAP_VDM = 2,
    I62_ENCAP_VDO = 3,
    I62_ENCAP_KINDS = 4,
};
constexpr int I62_ENCAP_SLOTS = 10;

// Results of I62_AppendEncapSentence.
enum I62_APPEND_RESULT
{
    I62_APPEND_REFUSED = 0,  // also: an ABM or BBM message completed (it waits in the store)
    I62_APPEND_STORED = 1,   // fragment kept, the message is not complete yet
    I62_APPEND_COMPLETE = 2, // a VDM or VDO message is complete and copied into the receive slot
};

// Messages of one kind being joined at the same time: receivers interleave the fragments of
// messages heard on the two channels.
constexpr int I62_ENCAP_PARTIALS = 4;
// A message whose last fragment has not come this long after its first never will.
constexpr float I62_ENCAP_PARTIAL_TIMEOUT_S = 10.0f;

// A message being joined, found by its sequential identifier and channel; free when its
// sentence number is 0.
struct I62_ENCAP_PARTIAL
{
    Encapsulation_Sentence_Structure message;
    SYSTEM_TIME started; // the codec clock at its first fragment
    uint32_t arrival;    // the count of first fragments before its own
};

struct I62_ENCAP_STORE
{
    // Whole messages; ABM and BBM ones wait here until they are handled.
    Encapsulation_Sentence_Structure kindSlots[I62_ENCAP_KINDS][I62_ENCAP_SLOTS]; // not "slots": a Qt keyword
    uint8_t current[I62_ENCAP_KINDS]; // the slot the next whole message of each kind goes to
    I62_ENCAP_PARTIAL partials[I62_ENCAP_KINDS][I62_ENCAP_PARTIALS];
    uint32_t firstFragments; // ages are differences of this count, so its wrapping does no harm
    SCodecNoteThrottle notes; // of refused fragments and dropped messages
};

extern I62_ENCAP_STORE EncapStore;
// Completed ABM/BBM messages waiting, and the one being handled (null when none).
extern int EncapSentenCount;
extern Encapsulation_Sentence_Structure* EncapSentenActive;

// The dispatcher's receive slot and raw message, and the transmit slot.
extern Encapsulation_Sentence_Structure RxEncapTuple;
extern Encapsulation_Sentence_Structure TxEncapTuple;
extern AIS_raw_message RxAisRawMsgTuple;

void I62_EncapSenten_Init();

// Files one parsed VDM, VDO, ABM or BBM sentence (record->data.encap).
int I62_AppendEncapSentence(const I61162_Data_Structure* record, Encapsulation_Sentence_Structure* receiveSlot);

// Joins one fragment into the message of its kind with its sequential identifier and channel;
// the caller holds the codec lock (its clock times the messages). A first fragment starts a
// message, replacing one of the same identifier and channel, else taking a free place, else
// the place of the oldest message, which is dropped with a log line. A later fragment must
// continue its message: the same message identifier, total and destination, numbered one above
// the last fragment, with room for its payload; else it is refused and its message dropped. A
// fragment of no message is refused and touches none. A VDM or VDO fragment without payload is
// refused and drops the message of its identifier and channel. Messages older than the time-out are
// dropped first. A message whose last fragment is in moves to its kind's current slot. Returns
// the slot holding the message, or null when the fragment was refused.
Encapsulation_Sentence_Structure* I62_EncapSenten_Update(const Encapsulation_Sentence_Structure* fragment);

// Armoured payload to message bits; false for a null argument or a character outside the armour.
bool I62_EncapSentenceDecode(const Encapsulation_Sentence_Structure* slot, AIS_raw_message* raw);
// Message bits to armoured payload and fill bits; false for a null argument or a message
// longer than the payload room.
bool I62_EncapSentenceEncode(Encapsulation_Sentence_Structure* slot, const AIS_raw_message* raw);

// Writes the next fragment of the slot's payload into record->data.encap; the cursor is the
// payload offset (0 on the first call). 1 when this fragment is the last, 0 when more follow.
int I62_SplitEncapSentence(I61162_Data_Structure* record, const Encapsulation_Sentence_Structure* slot, int* cursor);

// 1 when a completed ABM/BBM message is (or now becomes) the active slot; 0 otherwise.
int I62_EncapSenten_CheckProcess();
