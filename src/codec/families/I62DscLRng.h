#pragma once

#include "codec/sentence/I62Record.h"

#include <cstddef>

// DSC, long-range and AIR sentences: parsers and composers as for the GNSS sentences
// (I62Gnss.h). They check nothing but the comma count; empty numbers read as 0 and empty
// characters as the blank. A 64-bit number of 0 is composed as an empty field.

bool I62_FMT_DSC(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DSE(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DSI(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_DSR(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LRI(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LRF(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LR1(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LR2(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_LR3(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_AIR(char* sentence, I61162_Data_Structure* record);

bool I62_FMT_DSI_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_LRI_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_LRF_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_LR1_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_LR2_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_LR3_Compose(char* out, size_t size, I61162_Data_Structure* record);
