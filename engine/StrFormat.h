#pragma once

#include <string>

// printf-style formatting into a std::string, with the C library's own
// rendering of every directive (report widths and NaN text depend on it).
std::string StrFormat(const char* szFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
