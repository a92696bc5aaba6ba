#include "codec/records/SensorStores.h"

#include "codec/records/CodecText.h"
#include "codec/records/SensorGroupFields.h"
#include "codec/sentence/I62FormatterCode.h"

namespace {

// Copies the record's field set into the kept slot of its formatter.
struct KeepFields
{
    template <typename T>
    void operator()(I62_KEPT_FIELDS<T>& kept, const T& fields) const
    {
        kept.fields = fields;
        kept.received = 1;
    }
};

// Files the record into the group record through the group's pairing; the system identifier
// is kept when it was filed.
template <typename Data, typename Pairing>
bool file(const I61162_Data_Structure* record, Data* data, Pairing pairing)
{
    if (!record || !data || !pairing(I62_FormatterCode(record->formatter), *data, record->data, KeepFields{}))
        return false;
    data->systemId = I62_SystemId(record->talker);
    return true;
}

} // namespace

bool StoreLRngData(const I61162_Data_Structure* record, LRng_Data* data)
{
    return file(record, data, [](auto&&... a) { return VisitLRngFields(a...); });
}

bool StoreAISData(const I61162_Data_Structure* record, AIS_Data* data)
{
    return file(record, data, [](auto&&... a) { return VisitAisFields(a...); });
}

bool StoreDSCData(const I61162_Data_Structure* record, DSC_Data* data)
{
    return file(record, data, [](auto&&... a) { return VisitDscFields(a...); });
}

bool StoreProprietaryData(const I61162_Data_Structure* record, PRI_DATA* data)
{
    return file(record, data, [](auto&&... a) { return VisitPriFields(a...); });
}

bool StoreAtoNData(const I61162_Data_Structure* record, AtoN_sentence_data* data)
{
    return file(record, data, [](auto&&... a) { return VisitAtoNFields(a...); });
}

bool StoreRadarData(const I61162_Data_Structure* record, RADAR_DATA* data)
{
    return file(record, data, [](auto&&... a) { return VisitRadarFields(a...); });
}

bool StoreQueryData(const I61162_Data_Structure* record)
{
    if (!record)
        return false;
    for (I62_QUERY_SLOT& slot : I62QueryData) {
        if (!slot.inUse) {
            CopyFixedText(slot.formatter, record->data.query.requested);
            slot.inUse = 1;
            return true;
        }
    }
    return false;
}
