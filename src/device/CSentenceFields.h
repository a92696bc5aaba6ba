#pragma once

#include "codec/SensorSentencePackage.h"

#include <cstddef>

// A received sentence copied out and cut into fields with the codec's tokeniser, field i ending
// at the character delimiters[i] (a comma, "*" or CR). The fields from the first one without its
// end on are null.
class CSentenceFields
{
public:
    static constexpr size_t MaxFields = 16;

    // A sentence that is null or longer than a received line is logged under the operation's
    // name and gives no fields.
    CSentenceFields(const char* sentence, const char* delimiters, const char* operation);
    CSentenceFields(const CSentenceFields&) = delete;
    CSentenceFields& operator=(const CSentenceFields&) = delete;

    // Whether every field that the delimiters ask for was found.
    bool isComplete() const { return m_found == m_wanted && m_wanted > 0; }
    const char* operator[](size_t index) const { return index < MaxFields ? m_fields[index] : nullptr; }

private:
    char m_work[SENSOR_SENTENCE_ROOM];
    const char* m_fields[MaxFields] = {};
    size_t m_wanted = 0;
    size_t m_found = 0;
};
