#include "FormatC.h"

#include <QByteArray>

#include <cstdio>

#if defined(__unix__) || defined(__APPLE__)
#include <locale.h>
#if defined(__APPLE__)
#include <xlocale.h>
#endif
#define MOORPLAN_HAS_USELOCALE 1
#endif

namespace BvUtility::Detail {
namespace {

#if defined(MOORPLAN_HAS_USELOCALE)
// Qt sets the process locale from the environment on these platforms, so the
// "C" locale is put in place for the one call, on this thread only.
class CClassicNumbers {
public:
    CClassicNumbers() : m_prevLocale(uselocale(ClassicLocale())) {}
    ~CClassicNumbers() { uselocale(m_prevLocale); }
    CClassicNumbers(const CClassicNumbers&) = delete;
    CClassicNumbers& operator=(const CClassicNumbers&) = delete;

private:
    static locale_t ClassicLocale()
    {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return classic;
    }
    locale_t m_prevLocale;
};
#else
// Elsewhere the C library keeps the "C" locale unless the program changes it.
struct CClassicNumbers {};
#endif

}  // namespace

QString FormatCV(const char* szFormat, va_list args)
{
    CClassicNumbers classic;
    va_list copy;
    va_copy(copy, args);
    const int nLength = std::vsnprintf(nullptr, 0, szFormat, copy);
    va_end(copy);
    if (nLength <= 0)
        return QString();
    QByteArray text(nLength, '\0');
    std::vsnprintf(text.data(), static_cast<size_t>(nLength) + 1, szFormat, args);
    return QString::fromUtf8(text);
}

QString FormatC(const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    QString strResult = FormatCV(szFormat, args);
    va_end(args);
    return strResult;
}

}  // namespace BvUtility::Detail
