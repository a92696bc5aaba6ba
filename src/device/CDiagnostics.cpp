#include "device/CDiagnostics.h"

void CDiagnostics::clearTxRxDiagnostics()
{
    rxCount[CHANNEL_A] = rxCount[CHANNEL_B] = 0;
    txCount[CHANNEL_A] = txCount[CHANNEL_B] = 0;
}

void CDiagnostics::updateRxTxStatistics(bool own, char channel)
{
    if (!own) {
        ++rxCount[channel == 'A' ? CHANNEL_A : CHANNEL_B];
        return;
    }
    if (channel == 'A')
        ++txCount[CHANNEL_A];
    else if (channel == 'B')
        ++txCount[CHANNEL_B];
}
