#include "codec/compose/I62Compose.h"

#include "codec/compose/I62Outport.h"
#include "codec/compose/I62SentenceQueue.h"
#include "codec/sentence/I62FormatterCode.h"

#include <cstring>

namespace {

// Room for one fragment sentence: 82 characters are the most a sentence may have.
constexpr size_t AIS_SENTENCE_ROOM = 112;

bool isOwnReport(const char* formatter)
{
    return I62_FormatterCode(formatter) == I62_FormatterCode("VDO");
}

bool isEncapsulatedReport(const char* formatter)
{
    return isOwnReport(formatter) || I62_FormatterCode(formatter) == I62_FormatterCode("VDM");
}

} // namespace

bool ComposeI62AisSentence(I61162_Data_Structure* record, const char* formatter, const AIS_raw_message* raw,
                           uint8_t channel)
{
    if (!record || !formatter || !isEncapsulatedReport(formatter))
        return false;
    Encapsulation_Sentence_Structure& slot = TxEncapTuple;
    slot = Encapsulation_Sentence_Structure{};
    if (!I62_EncapSentenceEncode(&slot, raw))
        return false;
    std::memcpy(slot.formatter, formatter, 3);
    slot.channel = channel;
    slot.sequenceId = I62_ABSENT_U8;

    record->startChar = '!';
    std::memcpy(record->talker, "AI", sizeof record->talker);
    std::memcpy(record->formatter, slot.formatter, sizeof record->formatter);
    record->makerLetter = 0;

    const bool queued = isOwnReport(formatter) && channel != I62_ABSENT_U8;
    if (queued)
        I62SentenceQueue.count = 0;
    int cursor = 0;
    for (;;) {
        const int last = I62_SplitEncapSentence(record, &slot, &cursor);
        char sentence[AIS_SENTENCE_ROOM];
        if (!I62_Compose(sentence, sizeof sentence, record)) {
            AT91F_DBGU_Printk("Compose IEC61162 error!!\n\r");
            return false;
        }
        if (queued)
            I62SentenceQueueInput(sentence);
        else
            AT91F_I62DataOutport(sentence);
        if (last)
            return true;
    }
}
