#pragma once

#include "codec/ais/AisMessages.h"

#include <cstdint>

// The last received message of each type that the ship table does not keep per station.
// Nothing in this program reads them; the caller holds the codec lock.

template <typename T>
struct AIS_RX_BUFFER
{
    T message;
    uint8_t isNew;
    int channel;    // messages 15 and 20: the channel index given to StoreAisMsg
    uint32_t value; // messages 15 and 20: the value given to StoreAisMsg
    uint16_t dac;   // messages 6 and 8: the application identifier
    uint8_t fi;
};

extern AIS_RX_BUFFER<AIS_MSG_6> RxBinaryAddressMsg;
extern AIS_RX_BUFFER<AIS_MSG_8> RxBinaryBroadcastMsg;
extern AIS_RX_BUFFER<AIS_MSG_12> RxSafetyAddressedMsg;
extern AIS_RX_BUFFER<AIS_MSG_14> RxSafetyBroadcastMsg;
extern AIS_RX_BUFFER<AIS_MSG_15> InterrogateMsg;
extern AIS_RX_BUFFER<AIS_MSG_20> DataLinkManageMsg;
extern AIS_RX_BUFFER<AIS_MSG_22> ChnlManageMsg;
extern AIS_RX_BUFFER<AIS_MSG_23> GrpAssignCmdMsg;
extern AIS_RX_BUFFER<UN_AIS_MESSAGE> RxSingleSlotBinaryMsg;   // 25
extern AIS_RX_BUFFER<UN_AIS_MESSAGE> RxMultipleSlotBinaryMsg; // 26
extern AIS_MSG_21 RxAtoNReportMsg;

// Ship-table entry and message identifier (124 for message 24 part B) of the last message
// filed; -1 after a reset.
extern int RxAisShipId;
extern int RxAisMsgId;

// Clears the new-message flags, sets the corners of the group-assignment buffer to not
// available and the two identifiers above to -1.
void AisRxBuffersInitial();
// Copies the message into its buffer and flags it new; false for a type without a buffer.
bool AisRxBufferStore(const UN_AIS_MESSAGE& message, int channel, uint32_t value);
