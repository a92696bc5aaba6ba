#include "codec/compose/I62Outport.h"

#include "codec/records/CodecLock.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>

namespace {

// Guarded by the codec lock.
I62_OUTPORT_SINK g_sink = nullptr;
void* g_sinkContext = nullptr;

constexpr size_t PRINT_TEXT_ROOM = 128;

} // namespace

void I62_SetOutportSink(I62_OUTPORT_SINK sink, void* context)
{
    CCodecLock lock;
    g_sink = sink;
    g_sinkContext = context;
}

void AT91F_I62DataOutport(const char* sentence)
{
    if (g_sink && sentence)
        g_sink(sentence, g_sinkContext);
}

void AT91F_DBGU_Printk(const char* text)
{
    if (!text)
        return;
    size_t length = strnlen(text, PRINT_TEXT_ROOM - 1);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n'))
        --length;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "AT91F_DBGU_Printk", 0, "%.*s",
                                                        static_cast<int>(length), text);
}
