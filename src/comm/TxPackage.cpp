#include "comm/TxPackage.h"

#include "support/PortalStr.h"

#include <algorithm>
#include <cstring>

namespace COMM {

void SResponseInform::setExpected(const char* text)
{
    std::memset(expected, 0, sizeof expected);
    if (text)
        Portal::Str::SafeStrCpy(expected, text);
}

bool SResponseInform::terminateExpected()
{
    const bool cut = strnlen(expected, sizeof expected) == sizeof expected;
    expected[sizeof expected - 1] = '\0';
    return cut;
}

size_t STxPackage::setData(const char* bytes, size_t count)
{
    const size_t kept = bytes ? std::min(count, sizeof data) : 0;
    if (kept > 0)
        std::memcpy(data, bytes, kept);
    len = static_cast<int32_t>(kept);
    return kept;
}

} // namespace COMM
