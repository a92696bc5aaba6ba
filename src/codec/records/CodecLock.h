#pragma once

#include <mutex>

// The one lock of the codec's process-wide records: the ship table, the message buffers, the
// sensor records, the fragment store and the codec clock. The communication thread holds it
// for the whole handling of one sentence; the resets take it themselves, and so do the
// copy-out functions that the data model reads through. Not recursive: a function documented
// as "the caller holds the codec lock" must not be called from one that takes it.
// Lock order: after the transport and the receive handle, before the target registry, the GPS
// record, the Wi-Fi state and the log queue.
class CCodecLock
{
public:
    CCodecLock();
    CCodecLock(const CCodecLock&) = delete;
    CCodecLock& operator=(const CCodecLock&) = delete;

private:
    std::lock_guard<std::mutex> m_guard;
};
