#pragma once

#include "codec/ais/AisMessages.h"
#include "codec/sentence/I62Record.h"

#include <cstddef>
#include <cstdint>

// The codec's entry for one received sentence: validation, the address field, the parser of
// the formatter, the store of its group and, for an encapsulation sentence, the AIS message
// inside. Every function here except MsgCodecInitial expects the caller to hold the codec
// lock (CCodecLock) and, as the field splitter is not reentrant, runs one sentence at a time.

enum I62_PARSE_RESULT
{
    I62_RESULT_OK = 0,
    I62_RESULT_CHECKSUM = 1, // checksum mismatch
    I62_RESULT_NO_CR = 2,    // no CR before the final LF
    I62_RESULT_NO_LF = 3,    // the sentence does not end in LF
    I62_RESULT_PENDING = 4,  // a fragment was stored, or taken without completing a message
    // A well-formed AIS message of a type without layout (message 27): not decoded, and the
    // codec keeps its state.
    I62_RESULT_NOT_DECODED = 5,
    I62_RESULT_ARMOUR = 6, // the joined payload holds a character outside the armour
    I62_RESULT_UNPACK = 7, // the AIS message is malformed: refused and logged, the codec keeps its state
    I62_RESULT_REFUSED = 8, // formatter unknown or without parser, wrong fields, too long
};

// Group numbers written into the record.
enum I62_GROUP
{
    I62_GROUP_OTHER = -1,
    I62_GROUP_GNSS = 1,
    I62_GROUP_SENSOR = 2,
    I62_GROUP_LONG_RANGE = 3,
    I62_GROUP_AIS = 4,
    I62_GROUP_DSC = 5,
    I62_GROUP_PROPRIETARY = 6,
    I62_GROUP_ATON = 7,
    I62_GROUP_RADAR = 8,
    I62_GROUP_QUERY = 88,
};
constexpr int I62_SUBTYPE_OTHER = 64;

// The address field as the dispatcher reads it.
struct I62_ADDRESS
{
    char talker[3];      // proprietary: "P"
    char formatter[4];   // query: "Q"; behind the maker's prefix: the inner formatter
    uint8_t makerLetter; // the letter behind the maker's prefix, else 0
    // Where the text for the formatter's parser starts: 0, or behind the maker's prefix the
    // maker letter, which the dispatcher overwrites with "$P".
    size_t bodyOffset;
};

// Reads the address field without changing the text; every read stays within the text and
// its buffer. False for a proprietary sentence whose first comma leaves no room for a
// formatter, or a maker prefix not followed by a letter and a comma.
bool I62_ReadAddress(const char* sentence, size_t size, I62_ADDRESS* address);

// The received AIS message of the last completed VDM or VDO sentence; cleared by every
// parametric sentence.
extern UN_AIS_MESSAGE RxAisMessage;
// VDO sentences received on channel A and B.
extern uint32_t ExtCount_TxChA;
extern uint32_t ExtCount_TxChB;

// One sentence, CR LF included, in a buffer of the given size, which it modifies (empty
// fields marked, a missing checksum written as "*FF", the maker prefix re-read). The buffer
// needs four bytes of room beyond the text and its NUL. Returns an I62_PARSE_RESULT.
int Parser(char* sentence, size_t size, I61162_Data_Structure* record);
// Validation, address field and the formatter's parser: 0, 1, 2, 3 or 8. A sentence refused
// before its address field is read leaves the record untouched; a refusing parser may leave
// it partly filled.
int I62_Decompose(char* sentence, size_t size, I61162_Data_Structure* record);
// Writes the group of the record's formatter into it and files the record in the store of
// that group; false when nothing was filed (group -1, a full query table).
bool I62_ProcessData(I61162_Data_Structure* record);
// Group and subtype of a formatter: -1 and 64 unless listed; a formatter beginning with 'Q'
// is a query, 88 and 0.
void I62_GetGroupType(int* group, int* subtype, const char* formatter);

// Takes the codec lock. Clears the receive and transmit encapsulation slots, empties the
// outgoing sentence queue and initialises the fragment store. True.
bool MsgCodecInitial();

// The readers that the dispatcher reaches for a query, RMA and WPL.
// Query: exactly one comma; the formatter asked for, cut to three characters.
bool I62_FMT_Q(char* sentence, I61162_Data_Structure* record);
// RMA: the status and the position that follows it; never refuses.
bool I62_FMT_RMA(char* sentence, I61162_Data_Structure* record);
// WPL: exactly five commas; the position and the waypoint identifier.
bool I62_FMT_WPL(char* sentence, I61162_Data_Structure* record);
