#pragma once

#include <cstddef>

// Sentence syntax: checksum check and closer, field splitting, empty-field marking.
// Every function that writes into the sentence takes the buffer's size.

constexpr int I62_CHECKSUM_OK = 0;
constexpr int I62_CHECKSUM_BAD = 1;
constexpr int I62_CHECKSUM_ADDED = 9; // no checksum: "*FF" CR LF was written, taken as success
// Longest sentence after empty fields were marked, line end included.
constexpr size_t I62_PREPARSED_MAX = 98;

// 0 match; 1 mismatch, too short, or no room for the "*FF" rewrite; 9 no checksum present.
int I62_Parse_CheckSum(char* sentence, size_t size);

// Appends '*', the two checksum digits, CR and LF. False when the text has no end within
// its buffer or the five bytes do not fit.
bool I62_Compose_CheckSum(char* sentence, size_t size);

// Splits a text in place. A null text continues the previous walk; only the delimiter's first
// character counts. The last field, which no delimiter follows, is never returned.
// Not reentrant: one walk at a time per thread.
char* StrToken(char* text, const char* delimiter);

// Writes one blank into every empty field. False (sentence unchanged) when the result would
// not fit the buffer, or, unless it is an encapsulation sentence ("!"), would be longer than
// 98 characters.
bool I62_PreParse(char* sentence, size_t size);

// True exactly when the text holds that many commas.
bool I62_CalFieldDelimiter(const char* text, int commas);

// The field walk of every parser: the address field is dropped, each field is taken up to the
// next comma, and the last one up to the '*' of the checksum.
inline void I62_SkipAddressField(char* sentence)
{
    StrToken(sentence, ",");
}

inline char* I62_NextField()
{
    return StrToken(nullptr, ",");
}

inline char* I62_LastField()
{
    return StrToken(nullptr, "*");
}
