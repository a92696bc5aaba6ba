#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace StringConvt {

// A caller's fixed text buffer: every formatter writes through it, never past its end, and
// always leaves it NUL-terminated. A char array converts to it with its own size.
class CTextBuffer
{
public:
    template <size_t N>
    CTextBuffer(char (&array)[N])
        : CTextBuffer(array, N)
    {
    }
    CTextBuffer(char* data, size_t size)
        : m_data(size > 0 ? data : nullptr)
        , m_size(data ? size : 0)
    {
    }

    // As much of the text as fits.
    void assign(std::string_view text) const;
    void append(std::string_view text) const;
    // The whole text, or "--" when it does not fit: a number cut short would show a wrong value.
    void assignValue(std::string_view text) const;
    // printf in the C locale, whole or "--".
    void assignFormat(const char* format, ...) const __attribute__((format(printf, 2, 3)));
    // The value with the given decimals less trailing zeros and point, then the suffix; "--"
    // for a value that is no finite number.
    void assignNumber(float value, int decimals, std::string_view suffix = {}) const;

    // The text up to its NUL, or up to the buffer's end when there is none.
    std::string_view text() const;
    // Ends the text after `length` characters (at most the buffer's room).
    void truncate(size_t length) const;

private:
    char* m_data;
    size_t m_size;
};

// A text a formatter reads. Taken from a char array, it stops at the array's end even when the
// array holds no NUL.
class CTextView
{
public:
    template <size_t N>
    CTextView(const char (&array)[N])
        : m_text(array, strnlen(array, N))
    {
    }
    CTextView(std::string_view text)
        : m_text(text)
    {
    }

    std::string_view text() const { return m_text; }

private:
    std::string_view m_text;
};

} // namespace StringConvt
