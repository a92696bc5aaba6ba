#pragma once

#include "codec/records/SensorRecords.h"
#include "codec/sentence/I62Record.h"

// Read-back: the inverse of the stores. The field set of the record's formatter takes the
// values that its group record keeps, so that a record composed again carries the last stored
// values; fields the group record does not keep stay as the record held them. Each read-back
// returns false, leaving the record unchanged, for a formatter it does not list.

// GGA, GBS, GLL, GSA, GSV, RMC, VTG, ZDA from a GNSS source slot.
bool I62_ReadGPSData(I61162_Data_Structure* record, const GPS_Data* slot);
// GNS, VBW, ROT, HDT, HDM.
bool I62_ReadSensorData(I61162_Data_Structure* record, const GNSS_Data* sensors);
// LRI, LRF, LR1, LR2, LR3.
bool I62_ReadLRngData(I61162_Data_Structure* record, const LRng_Data* data);
// SSD, VSD, ALR, ACK, ACA, ACS, BBM.
bool I62_ReadAISData(I61162_Data_Structure* record, const AIS_Data* data);
// DSI.
bool I62_ReadDSCData(I61162_Data_Structure* record, const DSC_Data* data);
// MID, BDY, TST, FRQ, BTH, DBG, TPS, MOB, MRK.
bool I62_ReadPriData(I61162_Data_Structure* record, const PRI_DATA* data);
// All twelve AtoN sentences.
bool I20_ReadAtoNData(I61162_Data_Structure* record, const AtoN_sentence_data* data);

// The read-back of the formatter's group from its group record (the GNSS slot in use for
// group 1). Radar, query and unlisted formatters leave the record unchanged. The caller holds
// the codec lock.
void I62_ReadData(I61162_Data_Structure* record);
