#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

// Whole seconds for the window's pacing and hold times: the wall clock, or a value a test sets so
// that it never waits for real seconds.
class CSecondsSource
{
public:
    int64_t now() const { return m_fixed ? *m_fixed : int64_t(std::time(nullptr)); }
    void set(int64_t seconds) { m_fixed = seconds; }
    void clear() { m_fixed.reset(); }

private:
    std::optional<int64_t> m_fixed;
};
