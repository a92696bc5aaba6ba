#pragma once

// The codec's output ports. A finished sentence goes to AT91F_I62DataOutport, which hands it
// to the sink set here; with no sink set (this program's case) it goes nowhere.

// Receives one finished sentence, CR LF included. It runs with the codec lock held, so it
// must not take a lock that comes before the codec lock (a transport's): copy the text and
// send it after the lock is released.
using I62_OUTPORT_SINK = void (*)(const char* sentence, void* context);

// Takes the codec lock. A null sink turns the port off.
void I62_SetOutportSink(I62_OUTPORT_SINK sink, void* context);

// The caller holds the codec lock.
void AT91F_I62DataOutport(const char* sentence);
// Writes the text, without its line end, as a warning into the debug log.
void AT91F_DBGU_Printk(const char* text);
