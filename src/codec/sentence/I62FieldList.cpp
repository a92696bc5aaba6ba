#include "codec/sentence/I62FieldList.h"

#include "codec/sentence/I62Syntax.h"

bool I62_SplitFields(char* sentence, int commas, char** fields)
{
    if (commas < 1 || !I62_CalFieldDelimiter(sentence, commas))
        return false;
    I62_SkipAddressField(sentence);
    for (int i = 0; i < commas - 1; ++i)
        fields[i] = I62_NextField();
    fields[commas - 1] = I62_LastField();
    return fields[commas - 1] != nullptr;
}
