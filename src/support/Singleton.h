#pragma once

#include <memory>
#include <mutex>

namespace Pattern {

// One process-wide instance per class, made on first use and deleted at exit.
// Creation is guarded: the first use may come from two threads at once.
template <typename T>
class Singleton
{
public:
    static T* Instance()
    {
        std::call_once(m_Once, [] { m_Instance.reset(new T); });
        return m_Instance.get();
    }

    Singleton() = delete;

private:
    static std::unique_ptr<T> m_Instance;
    static std::once_flag m_Once;
};

template <typename T>
std::unique_ptr<T> Singleton<T>::m_Instance;

template <typename T>
std::once_flag Singleton<T>::m_Once;

} // namespace Pattern
