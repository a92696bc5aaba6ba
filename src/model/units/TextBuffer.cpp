#include "model/units/TextBuffer.h"

#include "support/PortalStr.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <string>

namespace StringConvt {

namespace {

const std::string_view kNotAvailable = "--";

} // namespace

void CTextBuffer::assign(std::string_view text) const
{
    truncate(0);
    append(text);
}

void CTextBuffer::append(std::string_view text) const
{
    if (m_size == 0)
        return;
    // A buffer that arrives without a NUL is ended at its last byte.
    const size_t length = std::min(this->text().size(), m_size - 1);
    const size_t count = std::min(m_size - 1 - length, text.size());
    std::memcpy(m_data + length, text.data(), count);
    m_data[length + count] = '\0';
}

void CTextBuffer::assignValue(std::string_view text) const
{
    assign(text.size() < m_size ? text : kNotAvailable);
}

void CTextBuffer::assignFormat(const char* format, ...) const
{
    char work[128];
    va_list args;
    va_start(args, format);
    const bool fitted = Portal::Str::SafeFormatV(work, sizeof work, format, args);
    va_end(args);
    assignValue(fitted ? std::string_view(work) : kNotAvailable);
}

void CTextBuffer::assignNumber(float value, int decimals, std::string_view suffix) const
{
    if (!std::isfinite(value)) {
        assign(kNotAvailable);
        return;
    }
    char number[64]; // room for any float with a few decimals
    Portal::Str::ConvtFloatToChar(number, value, static_cast<char>(decimals));
    std::string text(number);
    text.append(suffix);
    assignValue(text);
}

std::string_view CTextBuffer::text() const
{
    return m_size == 0 ? std::string_view() : std::string_view(m_data, strnlen(m_data, m_size));
}

void CTextBuffer::truncate(size_t length) const
{
    if (m_size > 0)
        m_data[std::min({length, text().size(), m_size - 1})] = '\0';
}

} // namespace StringConvt
