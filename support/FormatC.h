#pragma once

#include <QString>

#include <cstdarg>

// printf-style formatting that always writes numbers the way the C locale
// does ("1.500000", never "1,500000"), whatever locale the application runs
// under. Internal to the support library.
namespace BvUtility::Detail {

QString FormatC(const char* szFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

QString FormatCV(const char* szFormat, va_list args);

}  // namespace BvUtility::Detail
