#pragma once

#include <cstddef>

// Splits a pre-parsed sentence into its data fields at once: the comma count must be exact,
// the address field is dropped and the last field ends at the '*' of the checksum. False
// (fields undefined) on a wrong count or when the '*' is missing.
bool I62_SplitFields(char* sentence, int commas, char** fields);

template <size_t N>
bool I62_SplitFields(char* sentence, char* (&fields)[N])
{
    return I62_SplitFields(sentence, static_cast<int>(N), fields);
}
