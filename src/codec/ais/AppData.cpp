#include "codec/ais/AppData.h"

#include "codec/ais/AisMessage.h"
#include "codec/records/CodecLock.h"

#include <cstring>

BINARY_APP_DATD BinaryAppData;
APPLICATION_DATA RxBinaryAppData;
APPLICATION_DATA_FI27 RxAppDataFI27;
APPLICATION_DATA_FI22_AREA0 RxAppDataFI22_Area0;
APPLICATION_DATA_FI22_AREA3 RxAppDataFI22_Area3;
APPLICATION_DATA_FI22_AREA3 RxAppDataFI22_Area4;
uint8_t FI22_Area = 0;
FI22_LINKED_NOTICE RecordLinkId = {{FI22_NO_NOTICE, 0}, 0, {}, {}, 0, {}, 0, 0, 0};

namespace {

constexpr uint8_t FI22_APP_ID = 22;
constexpr uint8_t FI27_APP_ID = 27;
constexpr uint32_t FI22_SHAPE_BIT = 71;
constexpr uint32_t FI22_SHAPE_BITS = 3;
constexpr int NO_ENTRY = -1;

int entryOf(uint8_t appId, uint8_t areaShape)
{
    if (appId == FI27_APP_ID)
        return APP_DATA_FI27_ENTRY;
    if (appId == FI22_APP_ID)
        return areaShape <= FI22_POLYGON ? APP_DATA_FI22_ENTRY + areaShape : NO_ENTRY;
    return appId - 1;
}

// Into the record, which the caller cleared.
template <typename Record>
bool unpackInto(Record& record, const uint8_t* bits, uint32_t bitCount, const AIS_MESSAGE_FORMAT& list)
{
    return AisMsgCodec_Unpack(bits, bitCount, reinterpret_cast<uint8_t*>(&record), sizeof record, &list, nullptr)
        == AIS_CODEC_DONE;
}

} // namespace

bool AppDataInitial()
{
    CCodecLock lock;
    RecordLinkId = FI22_LINKED_NOTICE{};
    RecordLinkId.linkId[0] = FI22_NO_NOTICE;
    return true;
}

int AppData_GetFormat_ByData(const BINARY_APP_DATD* data, const AIS_MESSAGE_FORMAT** list)
{
    if (!data || !list || AisMsgCodec_CheckMsgId(data->appId))
        return 1;
    const int entry = entryOf(data->appId, data->areaShape);
    if (entry < 0 || entry >= APP_DATA_FORMATS || !FataFmt[entry])
        return 1;
    *list = FataFmt[entry];
    return 0;
}

bool AppDataPack()
{
    std::memset(BinaryAppData.bits, 0, sizeof BinaryAppData.bits);
    BinaryAppData.bitCount = 0;
    const AIS_MESSAGE_FORMAT* list = nullptr;
    if (AppData_GetFormat_ByData(&BinaryAppData, &list) != 0)
        return false;
    uint32_t bitCount = 0;
    if (AisMsgCodec_Pack(reinterpret_cast<const uint8_t*>(&BinaryAppData.data), sizeof BinaryAppData.data, list,
                         BinaryAppData.bits, sizeof BinaryAppData.bits, &bitCount, 0)
        != AIS_CODEC_DONE)
        return false;
    BinaryAppData.bitCount = bitCount;
    return true;
}

int BinaryAppData_Unpack_FI27(const uint8_t* bits, uint32_t bitCount)
{
    if (!bits || bitCount == 0)
        return 1;
    std::memset(&RxBinaryAppData, 0, sizeof RxBinaryAppData);
    if (!unpackInto(RxBinaryAppData.fi27, bits, bitCount, FmtFI27))
        return 1;
    RxAppDataFI27 = RxBinaryAppData.fi27;
    return 0;
}

int BinaryAppData_Unpack_FI22(const uint8_t* bits, uint32_t bitCount)
{
    if (!bits || bitCount == 0)
        return 1;
    std::memset(&RxBinaryAppData, 0, sizeof RxBinaryAppData);
    const uint8_t shape = AisMsgCodec_GetAppIdentifier_FI22(bits, bitCount);
    switch (shape) {
    case FI22_CIRCLE:
        if (!unpackInto(RxBinaryAppData.area0, bits, bitCount, FmtFI22Area0))
            return 1;
        RxAppDataFI22_Area0 = RxBinaryAppData.area0;
        break;
    case FI22_POLYLINE:
    case FI22_POLYGON:
        if (!unpackInto(RxBinaryAppData.area, bits, bitCount, shape == FI22_POLYLINE ? FmtFI22Area3 : FmtFI22Area4))
            return 1;
        (shape == FI22_POLYLINE ? RxAppDataFI22_Area3 : RxAppDataFI22_Area4) = RxBinaryAppData.area;
        break;
    default:
        return 0;
    }
    return RecordForLinkID_FI22(shape);
}

uint8_t AisMsgCodec_GetAppIdentifier_FI22(const uint8_t* bits, uint32_t bitCount)
{
    FI22_Area = static_cast<uint8_t>(AisMsgCodec_FieldPick(bits, bitCount, FI22_SHAPE_BIT, FI22_SHAPE_BITS));
    return FI22_Area;
}

uint8_t GetFI22_Area()
{
    return FI22_Area;
}
