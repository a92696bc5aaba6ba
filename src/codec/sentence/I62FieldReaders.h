#pragma once

#include "codec/sentence/I62Types.h"

#include <cstdint>

// Readers of position, time and date fields. They are called in the middle of a StrToken
// walk: the caller hands in the first field of the group and the reader takes the rest of
// the group from the same walk.

// Latitude, N/S, longitude, E/W. Returns the field after the E/W field.
char* I62_GetDegree(char* latitudeField, I62_DEGREE* position);
// The same for the long-range sentences, with the precisions of the two coordinates swapped.
char* I62_GetLRngDegree(char* latitudeField, LRng_DEGREE* position);
// hhmmss.ss; returns the field it was given.
char* I62_GetTime(char* field, I62_UTC_TIME* time);
// ddmmyy; returns the next field.
char* I62_GetDate(char* field, I62_DATE* date);
// ddmmyyyy; returns the next field.
char* I62_GetLRngDate(char* field, LRng_DATE* date);

// ddmm.mmmm (or dddmm.mmmm) to degrees; limit + 1 when the result exceeds the limit or the
// value is no coordinate at all (negative, not finite).
double I62_Conv2Deg(double value, double limit);
// Splits an absolute value in degrees; returns the fraction of a minute in 1/100000.
uint64_t I62_Deg2DegMin(double degrees, uint16_t* wholeDegrees, uint16_t* minutes, uint64_t* fraction);

// 1 success (also for an empty text, value 0); 0 at a character that is not 0-9 or A-F.
int HexStrToHexValue_Byte(const char* text, uint8_t* value);

void I62_UTC_TIME_init(I62_UTC_TIME* time);
