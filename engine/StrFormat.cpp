#include "StrFormat.h"

#include <cstdarg>
#include <cstdio>

std::string StrFormat(const char* szFormat, ...)
{
    // Report lines fit the buffer: one formatting pass and no scratch allocation.
    char szBuffer[256];
    va_list args;
    va_start(args, szFormat);
    va_list copy;
    va_copy(copy, args);
    const int nLength = std::vsnprintf(szBuffer, sizeof szBuffer, szFormat, copy);
    va_end(copy);
    std::string strResult;
    if (nLength > 0 && static_cast<size_t>(nLength) < sizeof szBuffer) {
        strResult.assign(szBuffer, static_cast<size_t>(nLength));
    } else if (nLength > 0) {
        strResult.resize(static_cast<size_t>(nLength) + 1);
        std::vsnprintf(&strResult[0], strResult.size(), szFormat, args);
        strResult.resize(static_cast<size_t>(nLength));
    }
    va_end(args);
    return strResult;
}
