#include "widgets/CMessageQueue.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstdlib>
#include <cwchar>

namespace {

constexpr int64_t DisplaySeconds = 11;

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

time_t systemTime()
{
    return std::time(nullptr);
}

} // namespace

CMessageQueue::CMessageQueue()
    : CMessageQueue(systemTime)
{
}

CMessageQueue::CMessageQueue(WallClock clock)
    : m_clock(std::move(clock))
{
}

void CMessageQueue::addMessage(const wchar_t* text)
{
    if (!text) {
        Log()->dbgPrintf(DBG_EXCEPTION, "addMessage", 0, "No message text");
        return;
    }
    const size_t length = wcsnlen(text, SMessageItem::TextCapacity);
    if (length >= size_t(SMessageItem::TextCapacity)) {
        Log()->dbgPrintf(DBG_EXCEPTION, "addMessage", 0, "Message is too long");
        return;
    }
    SMessageItem item;
    item.time = m_clock();
    wmemcpy(item.text, text, length);
    m_items.push_back(item);
}

SMessageItem* CMessageQueue::data(int index)
{
    return checkItemsIdx(index) ? &m_items[size_t(index)] : nullptr;
}

bool CMessageQueue::checkItemsIdx(int index)
{
    if (index >= 0 && size_t(index) < m_items.size())
        return true;
    Log()->dbgPrintf(DBG_EXCEPTION, "checkItemsIdx", 0, "Not found item");
    return false;
}

void CMessageQueue::updateDisplayEndFlag()
{
    for (size_t i = 0; i < m_items.size(); ++i)
        updateDisplayEndProc(int(i));
}

void CMessageQueue::updateDisplayEndProc(int index)
{
    SMessageItem* item = data(index);
    if (!item || item->displayEnded)
        return;
    // Seconds as 32 bits, so a clock that wrapped or stepped back still gives the distance.
    const auto apart = int32_t(uint32_t(m_clock()) - uint32_t(item->time));
    if (std::llabs(int64_t(apart)) >= DisplaySeconds)
        item->displayEnded = 1;
}

void CMessageQueue::updateAllCheckedFlag()
{
    for (size_t i = 0; i < m_items.size(); ++i)
        updateCheckedProc(int(i));
}

void CMessageQueue::updateCheckedProc(int index)
{
    SMessageItem* item = data(index);
    if (!item || item->displayEnded)
        return;
    item->displayEnded = 1;
    item->checked = 1;
}
