#include "codec/sentence/I62Dispatch.h"

#include "codec/sentence/I62FieldList.h"
#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62FormatterTable.h"
#include "codec/sentence/I62Syntax.h"

#include <cstring>

namespace {

int checkLineEnd(const char* sentence, size_t length)
{
    if (length < 1 || sentence[length - 1] != '\n')
        return I62_RESULT_NO_LF;
    if (length < 2 || sentence[length - 2] != '\r')
        return I62_RESULT_NO_CR;
    return I62_RESULT_OK;
}

void clearFrame(I61162_Data_Structure* record)
{
    record->startChar = 0;
    std::memset(record->talker, 0, sizeof record->talker);
    std::memset(record->formatter, 0, sizeof record->formatter);
    record->makerLetter = 0;
    record->group = 0;
}

} // namespace

int I62_Decompose(char* sentence, size_t size, I61162_Data_Structure* record)
{
    if (!sentence || !record)
        return I62_RESULT_REFUSED;
    const size_t length = strnlen(sentence, size);
    if (length == size)
        return I62_RESULT_NO_LF; // no end within the buffer
    const int lineEnd = checkLineEnd(sentence, length);
    if (lineEnd != I62_RESULT_OK)
        return lineEnd;
    if (I62_Parse_CheckSum(sentence, size) == I62_CHECKSUM_BAD)
        return I62_RESULT_CHECKSUM;
    if (!I62_PreParse(sentence, size))
        return I62_RESULT_REFUSED;

    clearFrame(record);
    record->startChar = static_cast<uint8_t>(sentence[0]);
    I62_ADDRESS address;
    if (!I62_ReadAddress(sentence, size, &address))
        return I62_RESULT_REFUSED;
    std::memcpy(record->talker, address.talker, sizeof record->talker);
    std::memcpy(record->formatter, address.formatter, sizeof record->formatter);
    record->makerLetter = address.makerLetter;

    char* body = sentence + address.bodyOffset;
    if (address.makerLetter != 0) {
        body[0] = '$';
        body[1] = 'P';
    }
    const I62_FORMATTER_ENTRY* known = I62_FindFormatter(record->formatter);
    if (!known || !known->parser || !known->parser(body, record))
        return I62_RESULT_REFUSED;
    return I62_RESULT_OK;
}

bool I62_FMT_Q(char* sentence, I61162_Data_Structure* record)
{
    char* fields[1];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_FieldText(record->data.query.requested, fields[0]);
    return true;
}

bool I62_FMT_RMA(char* sentence, I61162_Data_Structure* record)
{
    I62_RMA_DATA& f = record->data.rma;
    I62_SkipAddressField(sentence);
    f.status = I62_FieldChar(I62_NextField(), ' ');
    I62_GetDegree(I62_NextField(), &f.position);
    return true;
}

bool I62_FMT_WPL(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 5))
        return false;
    I62_WPL_DATA& f = record->data.wpl;
    // The identifier ends the sentence, where a comma walk does not reach: take it first.
    char* identifier = std::strrchr(sentence, ',') + 1;
    if (char* star = std::strchr(identifier, '*'))
        *star = '\0';
    I62_FieldTextOrEmpty(f.waypointId, identifier);
    I62_SkipAddressField(sentence);
    I62_GetDegree(I62_NextField(), &f.position);
    return true;
}
