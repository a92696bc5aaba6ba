#pragma once

#include "codec/ais/AisMessages.h"

#include <cstdint>

// Acknowledgements owed for addressed binary (6, acknowledged by 7) and safety (12, by 13)
// messages sent to the own ship. The own MMSI is given by the caller (the own-ship entry of
// the ship table).

constexpr uint32_t AIS_ACK_QUEUE_SIZE = 20; // one entry always stays free

struct AIS_ACK_ENTRY
{
    uint32_t sourceMmsi;
    uint8_t ackMessageId; // 7 or 13
    uint8_t sequence;
    uint8_t channel;
};

struct AIS_ACK_QUEUE
{
    AIS_ACK_ENTRY entries[AIS_ACK_QUEUE_SIZE];
    uint32_t read;
    uint32_t write;
};

extern AIS_ACK_QUEUE AckMsgQueue;

void AisMsg_Ack_Init();
// Queues the acknowledgement of a message 6 or 12 addressed to the own MMSI: 0 queued or not
// for the own ship; 1 refused (source MMSI outside 1..999999999, sequence above 3, queue full).
int AisMsg_Ack_Check(const UN_AIS_MESSAGE* message, uint8_t channel, uint32_t ownMmsi);
// Queues the acknowledgement (message id + 1) directly; 0 queued, 1 refused as above.
int AisMsg_Ack_Add(uint8_t messageId, uint32_t sourceMmsi, uint8_t sequence, uint8_t channel);
// Builds message 7 or 13 from the own MMSI and up to four consecutive queued entries of that
// acknowledgement and channel, and removes them: 0; 1 when the first queued entry differs.
int AisMsg_Ack_Create(uint8_t ackMessageId, uint8_t channel, UN_AIS_MESSAGE* message, uint32_t ownMmsi);
// Entries queued.
uint32_t AisMsg_Ack_CheckData();
// The first entry's acknowledgement id (0 when the queue is empty) and its channel.
uint8_t AisMsg_Ack_CheckProc(uint8_t* channel);
