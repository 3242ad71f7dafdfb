#include "StrFormat.h"

#include <cstdarg>
#include <cstdio>

std::string StrFormat(const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    va_list copy;
    va_copy(copy, args);
    const int nLength = std::vsnprintf(nullptr, 0, szFormat, copy);
    va_end(copy);
    std::string strResult;
    if (nLength > 0) {
        strResult.resize(static_cast<size_t>(nLength) + 1);
        std::vsnprintf(&strResult[0], strResult.size(), szFormat, args);
        strResult.resize(static_cast<size_t>(nLength));
    }
    va_end(args);
    return strResult;
}
