#pragma once

#include "codec/ais/I62Encap.h"
#include "codec/sentence/I62Record.h"

#include <cstddef>
#include <cstdint>

// The transmit side of the codec: a filled record becomes a whole sentence, checksum and line
// end included. Every function writes within the size it is given; on failure the output is
// an empty text, never a cut sentence.

// The composer of the record's formatter, then the checksum and CR LF. A formatter without a
// composer (GGA, for one) writes nothing: the checksum closes what the output already held.
// False when the sentence or its checksum does not fit. Touches no global record.
bool I62_Compose(char* out, size_t size, I61162_Data_Structure* record);

// Writes the talker (two characters) and formatter (three) into the record's frame, fills the
// field set from the stored records (I62_ReadData) and composes it. The caller holds the codec
// lock.
bool ComposeI62Sentence(char* out, size_t size, I61162_Data_Structure* record, const char* formatter,
                        const char* talker);

// "$<requesting><addressed>Q,<formatter>" with its checksum, e.g. "$ECAIQ,VSD*hh".
bool ComposeI62QuerySentence(char* out, size_t size, const char* requestingTalker, const char* addressedTalker,
                             const char* formatter);

// The message armoured into TxEncapTuple and composed as "!AIVDM" or "!AIVDO" fragments on the
// channel ('A', 'B', or 128 for none) through the record. An own VDO on a channel empties the
// sentence queue and goes into it; every other sentence goes to AT91F_I62DataOutport at once.
// False for another formatter, a message longer than one payload, or a fragment that did not
// compose. The caller holds the codec lock.
bool ComposeI62AisSentence(I61162_Data_Structure* record, const char* formatter, const AIS_raw_message* raw,
                           uint8_t channel);
