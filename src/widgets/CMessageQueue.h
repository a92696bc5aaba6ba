#pragma once

#include <cstdint>
#include <ctime>
#include <deque>
#include <functional>

// One queued message.
struct SMessageItem
{
    static constexpr int TextCapacity = 256;  // with the terminating zero

    uint8_t displayEnded = 0;
    uint8_t checked = 0;
    time_t time = 0;  // wall-clock seconds when added
    wchar_t text[TextCapacity] = {};
};

// Timestamped messages, oldest first, kept until the queue dies. A message's display ends
// 11 s after it was added, or at once when the user checks it. GUI thread only.
class CMessageQueue
{
public:
    // Wall-clock seconds, as time() gives them; tests set their own.
    using WallClock = std::function<time_t()>;

    CMessageQueue();
    explicit CMessageQueue(WallClock clock);

    // Refuses, with a log line, a text of 256 characters or more.
    void addMessage(const wchar_t* text);
    // Null, with a log line, for an index outside the queue.
    SMessageItem* data(int index);
    bool checkItemsIdx(int index);

    void updateDisplayEndFlag();
    void updateDisplayEndProc(int index);
    // Marks every message still displayed as ended and checked.
    void updateAllCheckedFlag();
    void updateCheckedProc(int index);

private:
    std::deque<SMessageItem> m_items;
    WallClock m_clock;
};
