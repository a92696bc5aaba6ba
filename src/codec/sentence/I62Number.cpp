#include "codec/sentence/I62Number.h"

#include "support/PortalStr.h"

#include <cstdarg>
#include <cstdlib>

double I62_Atof(const char* text)
{
    return Portal::Str::ParseDouble(text);
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
    return Portal::Str::SafeFormatV(out, size, format, args);
}
