#pragma once

#include "codec/records/SensorRecords.h"
#include "codec/sentence/I62Record.h"

#include <cstdint>

// The stores that file a parsed sentence into the record of its group, with validity flags
// stamped by the codec clock, and the once-per-second heading time-out. Each store returns
// false, leaving the record unchanged, for a formatter that is not of its group. The caller
// holds the codec lock.

uint32_t I62_SystemId(const char* talker);

// Group 1: GGA, GLL, GBS, GSA, GSV, RMC, VTG, ZDA, DTM into the slot (GpsData[CurGpsPort]).
bool StoreGPSData(const I61162_Data_Structure* record, GPS_Data* slot);
// Group 2: GNS, VBW, ROT, HDT, HDM into EXTGnssData. A heading from 0 to below 360 is valid.
bool StoreSensorData(const I61162_Data_Structure* record, GNSS_Data* sensors);
// Groups 3 to 8: the fields of each formatter copied, its received flag set.
bool StoreLRngData(const I61162_Data_Structure* record, LRng_Data* data);
bool StoreAISData(const I61162_Data_Structure* record, AIS_Data* data);
bool StoreDSCData(const I61162_Data_Structure* record, DSC_Data* data);
bool StoreProprietaryData(const I61162_Data_Structure* record, PRI_DATA* data);
bool StoreAtoNData(const I61162_Data_Structure* record, AtoN_sentence_data* data);
bool StoreRadarData(const I61162_Data_Structure* record, RADAR_DATA* data);
// Group 88: the first free slot of I62QueryData takes the formatter asked for; false (query
// dropped) when all four are in use.
bool StoreQueryData(const I61162_Data_Structure* record);

// A heading valid flag older than 10 seconds of the codec clock is cleared (HDT and HDM apart).
void CheckSensorDataValid();
// Once per second: the time-outs, then the own heading in ship-table entry 0 from HDT, else
// HDM, with SensorData flag 2 set; with neither valid the flag is cleared and the entry kept.
void UpdataShipSensorData();
