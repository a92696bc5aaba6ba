#include "codec/ais/AisMsgAck.h"

#include <cstring>

AIS_ACK_QUEUE AckMsgQueue;

namespace {

uint32_t nextOf(uint32_t index)
{
    return (index + 1) % AIS_ACK_QUEUE_SIZE;
}

bool isEmpty()
{
    return AckMsgQueue.read == AckMsgQueue.write;
}

} // namespace

void AisMsg_Ack_Init()
{
    AckMsgQueue = AIS_ACK_QUEUE{};
}

int AisMsg_Ack_Add(uint8_t messageId, uint32_t sourceMmsi, uint8_t sequence, uint8_t channel)
{
    if (sourceMmsi < 1 || sourceMmsi > 999999999 || sequence > 3)
        return 1;
    // Indices from outside the ring are taken as an empty queue.
    if (AckMsgQueue.read >= AIS_ACK_QUEUE_SIZE || AckMsgQueue.write >= AIS_ACK_QUEUE_SIZE)
        AisMsg_Ack_Init();
    const uint32_t next = nextOf(AckMsgQueue.write);
    if (next == AckMsgQueue.read)
        return 1;
    AckMsgQueue.entries[AckMsgQueue.write]
        = AIS_ACK_ENTRY{sourceMmsi, static_cast<uint8_t>(messageId + 1), sequence, channel};
    AckMsgQueue.write = next;
    return 0;
}

int AisMsg_Ack_Check(const UN_AIS_MESSAGE* message, uint8_t channel, uint32_t ownMmsi)
{
    if (!message || ownMmsi == 0)
        return 0;
    if (message->messageId == 6 && message->msg6.destMmsi == ownMmsi)
        return AisMsg_Ack_Add(6, message->msg6.header.mmsi, message->msg6.sequence, channel);
    if (message->messageId == 12 && message->msg12.destMmsi == ownMmsi)
        return AisMsg_Ack_Add(12, message->msg12.header.mmsi, message->msg12.sequence, channel);
    return 0;
}

int AisMsg_Ack_Create(uint8_t ackMessageId, uint8_t channel, UN_AIS_MESSAGE* message, uint32_t ownMmsi)
{
    auto matches
        = [&](const AIS_ACK_ENTRY& entry) { return entry.ackMessageId == ackMessageId && entry.channel == channel; };
    if (!message || AisMsg_Ack_CheckData() == 0 || !matches(AckMsgQueue.entries[AckMsgQueue.read]))
        return 1;
    std::memset(message, 0, sizeof *message);
    AIS_MSG_7& ack = message->msg7;
    ack.header.messageId = ackMessageId;
    ack.header.mmsi = ownMmsi;
    for (AIS_ACK_DESTINATION& destination : ack.destinations) {
        if (isEmpty() || !matches(AckMsgQueue.entries[AckMsgQueue.read]))
            break;
        const AIS_ACK_ENTRY& entry = AckMsgQueue.entries[AckMsgQueue.read];
        destination.mmsi = entry.sourceMmsi;
        destination.sequence = entry.sequence;
        AckMsgQueue.read = nextOf(AckMsgQueue.read);
    }
    return 0;
}

uint32_t AisMsg_Ack_CheckData()
{
    if (AckMsgQueue.read >= AIS_ACK_QUEUE_SIZE || AckMsgQueue.write >= AIS_ACK_QUEUE_SIZE)
        return 0;
    return (AckMsgQueue.write + AIS_ACK_QUEUE_SIZE - AckMsgQueue.read) % AIS_ACK_QUEUE_SIZE;
}

uint8_t AisMsg_Ack_CheckProc(uint8_t* channel)
{
    if (AisMsg_Ack_CheckData() == 0)
        return 0;
    const AIS_ACK_ENTRY& entry = AckMsgQueue.entries[AckMsgQueue.read];
    if (channel)
        *channel = entry.channel;
    return entry.ackMessageId;
}
