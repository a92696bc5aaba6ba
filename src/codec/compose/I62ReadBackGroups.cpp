#include "codec/compose/I62ReadBack.h"

#include "codec/records/SensorGroupFields.h"
#include "codec/sentence/I62Dispatch.h"
#include "codec/sentence/I62FormatterCode.h"

#include <initializer_list>

namespace {

// Copies the kept slot back into the record's field set.
struct ReadFields
{
    template <typename T>
    void operator()(const I62_KEPT_FIELDS<T>& kept, T& fields) const
    {
        fields = kept.fields;
    }
};

// The read-back of the listed formatters of a group, through the group's pairing.
template <typename Data, typename Pairing>
bool readBack(I61162_Data_Structure* record, const Data* data, std::initializer_list<uint32_t> listed,
              Pairing pairing)
{
    if (!record || !data)
        return false;
    const uint32_t formatter = I62_FormatterCode(record->formatter);
    for (uint32_t code : listed) {
        if (code == formatter)
            return pairing(formatter, *data, record->data, ReadFields{});
    }
    return false;
}

} // namespace

bool I62_ReadLRngData(I61162_Data_Structure* record, const LRng_Data* data)
{
    return readBack(record, data,
                    {I62_FormatterCode("LRI"), I62_FormatterCode("LRF"), I62_FormatterCode("LR1"),
                     I62_FormatterCode("LR2"), I62_FormatterCode("LR3")},
                    [](auto&&... a) { return VisitLRngFields(a...); });
}

bool I62_ReadAISData(I61162_Data_Structure* record, const AIS_Data* data)
{
    return readBack(record, data,
                    {I62_FormatterCode("SSD"), I62_FormatterCode("VSD"), I62_FormatterCode("ALR"),
                     I62_FormatterCode("ACK"), I62_FormatterCode("ACA"), I62_FormatterCode("ACS"),
                     I62_FormatterCode("BBM")},
                    [](auto&&... a) { return VisitAisFields(a...); });
}

bool I62_ReadDSCData(I61162_Data_Structure* record, const DSC_Data* data)
{
    return readBack(record, data, {I62_FormatterCode("DSI")}, [](auto&&... a) { return VisitDscFields(a...); });
}

bool I62_ReadPriData(I61162_Data_Structure* record, const PRI_DATA* data)
{
    return readBack(record, data,
                    {I62_FormatterCode("MID"), I62_FormatterCode("BDY"), I62_FormatterCode("TST"),
                     I62_FormatterCode("FRQ"), I62_FormatterCode("BTH"), I62_FormatterCode("DBG"),
                     I62_FormatterCode("TPS"), I62_FormatterCode("MOB"), I62_FormatterCode("MRK")},
                    [](auto&&... a) { return VisitPriFields(a...); });
}

bool I20_ReadAtoNData(I61162_Data_Structure* record, const AtoN_sentence_data* data)
{
    return readBack(record, data,
                    {I62_FormatterCode("AAR"), I62_FormatterCode("ACE"), I62_FormatterCode("ACF"),
                     I62_FormatterCode("AFB"), I62_FormatterCode("AFC"), I62_FormatterCode("AID"),
                     I62_FormatterCode("AKE"), I62_FormatterCode("ARW"), I62_FormatterCode("MCR"),
                     I62_FormatterCode("MPR"), I62_FormatterCode("TSP"), I62_FormatterCode("VER")},
                    [](auto&&... a) { return VisitAtoNFields(a...); });
}

void I62_ReadData(I61162_Data_Structure* record)
{
    if (!record)
        return;
    int group = I62_GROUP_OTHER;
    I62_GetGroupType(&group, nullptr, record->formatter);
    switch (group) {
    case I62_GROUP_GNSS:
        if (CurGpsPort >= 0 && CurGpsPort < GPS_SLOTS)
            I62_ReadGPSData(record, &GpsData[CurGpsPort]);
        break;
    case I62_GROUP_SENSOR:
        I62_ReadSensorData(record, &EXTGnssData);
        break;
    case I62_GROUP_LONG_RANGE:
        I62_ReadLRngData(record, &EXTLRngData);
        break;
    case I62_GROUP_AIS:
        I62_ReadAISData(record, &EXTAISData);
        break;
    case I62_GROUP_DSC:
        I62_ReadDSCData(record, &EXTDSCData);
        break;
    case I62_GROUP_PROPRIETARY:
        I62_ReadPriData(record, &EXTPriData);
        break;
    case I62_GROUP_ATON:
        I20_ReadAtoNData(record, &EXTAtoNData);
        break;
    default:
        break;
    }
}
