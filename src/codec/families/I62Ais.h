#pragma once

#include "codec/sentence/I62Record.h"

#include <cstddef>

// AIS sentences: parsers and composers as for the GNSS sentences (I62Gnss.h).

bool I62_FMT_TXT(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_ABK(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_ACA(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_ACS(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_SSD(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_VSD(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ACK(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_ALR(char* sentence, I61162_Data_Structure* record);
// The encapsulation sentences fill record->data.encap.
bool AIS_FMT_ABM(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_BBM(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_VDM(char* sentence, I61162_Data_Structure* record);
bool AIS_FMT_VDO(char* sentence, I61162_Data_Structure* record);

bool AIS_FMT_ABK_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_ACK_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_ALR_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_SSD_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool I62_FMT_VSD_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_ACA_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_ACS_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_ABM_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_BBM_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_VDM_Compose(char* out, size_t size, I61162_Data_Structure* record);
bool AIS_FMT_VDO_Compose(char* out, size_t size, I61162_Data_Structure* record);
