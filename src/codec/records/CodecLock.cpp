#include "codec/records/CodecLock.h"

namespace {

std::mutex& codecMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

CCodecLock::CCodecLock()
    : m_guard(codecMutex())
{
}
