#pragma once

#include "codec/sentence/I62Record.h"

#include <cstddef>

// Heading, rate-of-turn, water-speed and radar sentences; parsers and composers as for the
// GNSS sentences. None of these parsers refuses a sentence whose comma count is right.

bool I62_FMT_HDT(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_HDM(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ROT(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_VBW(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_OSD(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RSD(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_TTM(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_TLB(char* sentence, I61162_Data_Structure* record);

bool I62_FMT_HDT_Compose(char* out, size_t size, I61162_Data_Structure* record);
// Also writes the two direction letters into the record.
bool I62_FMT_HDG_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_ROT_Compose(char* out, size_t size, I61162_Data_Structure* record);
