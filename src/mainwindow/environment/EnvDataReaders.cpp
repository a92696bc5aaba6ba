#include "mainwindow/environment/EnvDataReaders.h"

#include "support/PortalStr.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// The value text after the key, or null when the key is missing.
const char* valueAfter(const char* key, const char* text)
{
    if (!key || !text)
        return nullptr;
    const char* found = std::strstr(text, key);
    return found ? found + std::strlen(key) : nullptr;
}

} // namespace

bool floatDataRead(float* out, const char* key, const char* text)
{
    const char* value = valueAfter(key, text);
    if (!value || !out)
        return false;
    *out = static_cast<float>(Portal::Str::ParseDouble(value));
    return true;
}

bool intDataRead(int* out, const char* key, const char* text)
{
    const char* value = valueAfter(key, text);
    if (!value || !out)
        return false;
    const long number = std::strtol(value, nullptr, 10);
    if (number > INT_MAX)
        *out = INT_MAX;
    else if (number < INT_MIN)
        *out = INT_MIN;
    else
        *out = static_cast<int>(number);
    return true;
}

bool charDataRead(char* out, const char* key, int count, const char* text)
{
    if (count < 0)
        return false;
    const char* value = valueAfter(key, text);
    if (!value || !out)
        return false;
    const size_t length = strnlen(value, static_cast<size_t>(count));
    // A value shorter than count is copied with its NUL, so out ends where the text ends.
    std::memcpy(out, value, length < static_cast<size_t>(count) ? length + 1 : length);
    return true;
}

bool boolDataRead(bool* out, const char* key, const char* text)
{
    const char* value = valueAfter(key, text);
    if (!value || !out)
        return false;
    char copy[10];
    Portal::Str::SafeStrCpy(copy, value);
    if (std::strstr(copy, "ON") || std::strchr(copy, '1'))
        *out = true;
    else if (std::strstr(copy, "OFF") || std::strchr(copy, '0'))
        *out = false;
    return true;
}
