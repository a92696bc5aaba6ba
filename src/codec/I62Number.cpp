#include "codec/I62Number.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale ? locale : LC_GLOBAL_LOCALE;
}

} // namespace

double I62_Atof(const char* text)
{
    return text ? strtod_l(text, nullptr, cLocale()) : 0.0;
}

int I62_Atoi(const char* text)
{
    return text ? std::atoi(text) : 0;
}

int64_t I62_Atol(const char* text)
{
    return text ? std::strtoll(text, nullptr, 10) : 0;
}

bool I62_Print(char* out, size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const bool whole = I62_VPrint(out, size, format, args);
    va_end(args);
    return whole;
}

bool I62_VPrint(char* out, size_t size, const char* format, va_list args)
{
    if (!out || size == 0)
        return false;
    const locale_t previous = uselocale(cLocale());
    const int written = std::vsnprintf(out, size, format, args);
    uselocale(previous);
    return written >= 0 && static_cast<size_t>(written) < size;
}
