#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace COMM {

// Handing an element out of a receive queue. A line is copied, so that its slot keeps its room
// for the next line and the caller's string its own; anything else (a chunk) is moved out, so
// that the queue keeps no reference to it.
inline void TakeQueued(std::string& slot, std::string& out)
{
    out.assign(slot);
}

template <typename T>
void TakeQueued(T& slot, T& out)
{
    out = std::move(slot);
}

// Lines of sentence length keep their slot's room; the rare long line gives its room back.
constexpr size_t QueuedLineKeptRoom = 256;

inline void ReleaseQueued(std::string& slot)
{
    if (slot.capacity() > QueuedLineKeptRoom)
        std::string().swap(slot);
    else
        slot.clear();
}

template <typename T>
void ReleaseQueued(T& slot)
{
    slot = T();
}

// A first-in first-out queue on a ring of reused slots: once it has grown to the length the
// traffic needs, queueing and taking out allocate nothing (a line fits the room its slot kept).
// It grows without bound; the receive handle applies the limits. A ring that one burst made
// longer than the limits need gives its slots back once it is empty.
template <typename T>
class CRingQueue
{
public:
    static constexpr size_t KeptSlots = 1024;

    size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }

    // The slot behind the last element, now part of the queue: the caller assigns it.
    T& pushSlot()
    {
        if (m_count == m_slots.size()) {
            std::rotate(m_slots.begin(), m_slots.begin() + static_cast<std::ptrdiff_t>(m_head), m_slots.end());
            m_head = 0;
            m_slots.emplace_back();
        }
        T& slot = m_slots[(m_head + m_count) % m_slots.size()];
        ++m_count;
        return slot;
    }

    void push_back(const T& value) { pushSlot() = value; }

    // Takes the oldest element into out (when given); false when empty.
    bool popFront(T* out)
    {
        if (m_count == 0)
            return false;
        T& slot = m_slots[m_head];
        if (out)
            TakeQueued(slot, *out);
        ReleaseQueued(slot);
        m_head = (m_head + 1) % m_slots.size();
        if (--m_count == 0 && m_slots.size() > KeptSlots) {
            std::vector<T>().swap(m_slots);
            m_head = 0;
        }
        return true;
    }

    // Empties the queue; the slots stay for what comes next.
    void clear()
    {
        while (popFront(nullptr)) {
        }
        m_head = 0;
    }

    void swap(CRingQueue& other) noexcept
    {
        m_slots.swap(other.m_slots);
        std::swap(m_head, other.m_head);
        std::swap(m_count, other.m_count);
    }

private:
    std::vector<T> m_slots;
    size_t m_head = 0;
    size_t m_count = 0;
};

} // namespace COMM
