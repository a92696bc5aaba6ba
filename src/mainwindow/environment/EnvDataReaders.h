#pragma once

// Readers that take a value out of a text block by its key. The value starts right after the
// first occurrence of the key (nothing is skipped, so a key followed by "=" must include it).
// Each returns false, leaving the output unchanged, when the key is not in the text.

// Leading blanks skipped, the number read with a decimal point whatever the locale; no
// digits give 0.
bool floatDataRead(float* out, const char* key, const char* text);
// As floatDataRead; a number beyond the range of int reads as the nearest end of it.
bool intDataRead(int* out, const char* key, const char* text);
// Copies up to count bytes of the value, stopping after the text's terminating NUL. out must
// have room for count bytes. False at once for a negative count.
bool charDataRead(char* out, const char* key, int count, const char* text);
// Looks at up to the first 9 characters of the value: "ON" or a "1" store true, else "OFF" or
// a "0" store false, else the output stays. True whenever the key is found.
bool boolDataRead(bool* out, const char* key, const char* text);
