#pragma once

#include "codec/sentence/I62Record.h"

#include <cstddef>

// Sentences of an AIS aid-to-navigation station. A parser takes the whole pre-parsed
// sentence, checks the comma count and sets the presence bit of every field it found given.
// AAR, ACE, AFB, AID and ARW also refuse a sentence whose status field is not "R" or "C";
// the fields before it stay stored. Composers as for the GNSS sentences; a field whose bit
// is clear is written empty.

bool ATON_FMT_AAR(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_ACE(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_ACF(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AFB(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AFC(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AID(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_AKE(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_ARW(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_MCR(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_MPR(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_TSP(char* sentence, I61162_Data_Structure* record);
bool ATON_FMT_VER(char* sentence, I61162_Data_Structure* record);

bool ATON_FMT_AAR_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_ACE_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_ACF_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_AFB_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_AFC_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_AID_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_AKE_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_ARW_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_MCR_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_MPR_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_TSP_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool ATON_FMT_VER_Compose(char* out, size_t size, I61162_Data_Structure* record);

// Ten decimal digits: A (3), B (3), C (2), D (2), each kept to its width in the packed record,
// whose bits above each value stay as they were. False (nothing written) for any other text.
bool Convert_Dim_Ref_Str_To_Val(ATON_REF_POINT_DIMENSION* dimensions, const char* text);
