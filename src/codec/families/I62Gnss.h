#pragma once

#include "codec/sentence/I62Record.h"

#include <cstddef>

// GNSS sentences. A parser takes the whole pre-parsed sentence (start character to checksum,
// one blank in every empty field), splits it in place and fills its field set of the record;
// false refuses the sentence (wrong comma count or a field out of range), and fields stored
// before a failed check stay in the record.
// A composer writes the sentence without checksum and line end; false when it does not fit.

bool I62_FMT_GGA(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GLL(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GBS(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GSA(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GRS(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GST(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GSV(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_VTG(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ZDA(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DTM(char* sentence, I61162_Data_Structure* record);

// RMC by its field count: 13 commas with navigational status, 12 with mode indicator, 11 without.
bool RMC_ParseProc(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RMC_Add_NavStatus(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RMC(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RMC_Lack_ModeIndicator(char* sentence, I61162_Data_Structure* record);

// GNS by its field count: 13 commas with navigational status, 12 without.
bool GNS_ParseProc(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GNS_Add_NavStatus(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_GNS(char* sentence, I61162_Data_Structure* record);

bool I62_FMT_RMC_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_GBS_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_GSA_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_ZDA_Compose(char* out, size_t size, I61162_Data_Structure* record);
