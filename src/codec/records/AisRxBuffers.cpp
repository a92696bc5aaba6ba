#include "codec/records/AisRxBuffers.h"

#include "codec/ais/AisMessage.h"

AIS_RX_BUFFER<AIS_MSG_6> RxBinaryAddressMsg;
AIS_RX_BUFFER<AIS_MSG_8> RxBinaryBroadcastMsg;
AIS_RX_BUFFER<AIS_MSG_12> RxSafetyAddressedMsg;
AIS_RX_BUFFER<AIS_MSG_14> RxSafetyBroadcastMsg;
AIS_RX_BUFFER<AIS_MSG_15> InterrogateMsg;
AIS_RX_BUFFER<AIS_MSG_20> DataLinkManageMsg;
AIS_RX_BUFFER<AIS_MSG_22> ChnlManageMsg;
AIS_RX_BUFFER<AIS_MSG_23> GrpAssignCmdMsg;
AIS_RX_BUFFER<UN_AIS_MESSAGE> RxSingleSlotBinaryMsg;
AIS_RX_BUFFER<UN_AIS_MESSAGE> RxMultipleSlotBinaryMsg;
AIS_MSG_21 RxAtoNReportMsg;
int RxAisShipId = -1;
int RxAisMsgId = -1;

namespace {

template <typename T>
void keep(AIS_RX_BUFFER<T>& buffer, const T& message)
{
    buffer.message = message;
    buffer.isNew = 1;
}

template <typename T>
void keepBinary(AIS_RX_BUFFER<T>& buffer, const UN_AIS_MESSAGE& message, const T& part)
{
    keep(buffer, part);
    GetAppIdentifier(&message, &buffer.dac, &buffer.fi);
}

template <typename T>
void keepWithLink(AIS_RX_BUFFER<T>& buffer, const T& message, int channel, uint32_t value)
{
    keep(buffer, message);
    buffer.channel = channel;
    buffer.value = value;
}

} // namespace

void AisRxBuffersInitial()
{
    RxBinaryAddressMsg.isNew = 0;
    RxBinaryBroadcastMsg.isNew = 0;
    RxSafetyAddressedMsg.isNew = 0;
    RxSafetyBroadcastMsg.isNew = 0;
    InterrogateMsg.isNew = 0;
    DataLinkManageMsg.isNew = 0;
    ChnlManageMsg.isNew = 0;
    GrpAssignCmdMsg.isNew = 0;
    RxSingleSlotBinaryMsg.isNew = 0;
    RxMultipleSlotBinaryMsg.isNew = 0;
    GrpAssignCmdMsg.message.area = AIS_AREA{181.0f, 91.0f, 181.0f, 91.0f};
    RxAisShipId = -1;
    RxAisMsgId = -1;
}

bool AisRxBufferStore(const UN_AIS_MESSAGE& message, int channel, uint32_t value)
{
    switch (message.messageId) {
    case 6:
        keepBinary(RxBinaryAddressMsg, message, message.msg6);
        return true;
    case 8:
        keepBinary(RxBinaryBroadcastMsg, message, message.msg8);
        return true;
    case 12:
        keep(RxSafetyAddressedMsg, message.msg12);
        return true;
    case 14:
        keep(RxSafetyBroadcastMsg, message.msg14);
        return true;
    case 15:
        keepWithLink(InterrogateMsg, message.msg15, channel, value);
        return true;
    case 20:
        keepWithLink(DataLinkManageMsg, message.msg20, channel, value);
        return true;
    case 21:
        RxAtoNReportMsg = message.msg21;
        return true;
    case 22:
        keep(ChnlManageMsg, message.msg22);
        return true;
    case 23:
        keep(GrpAssignCmdMsg, message.msg23);
        return true;
    case 25:
        keep(RxSingleSlotBinaryMsg, message);
        return true;
    case 26:
        keep(RxMultipleSlotBinaryMsg, message);
        return true;
    default:
        return false;
    }
}
