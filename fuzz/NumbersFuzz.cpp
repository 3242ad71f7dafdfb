// The number readers against the C library's own scan (this process runs in
// the "C" locale): the shared reader, the page fields and the support
// library's string readers must all agree with strtod and strtoll.
#include "EditConvert.h"
#include "FieldNumbers.h"
#include "NumberRead.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool SameDouble(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckDecimal(const std::string& strText)
{
    char* pEnd = nullptr;
    const double dC = std::strtod(strText.c_str(), &pEnd);
    const bool bC = pEnd != strText.c_str();
    double dRead = -7.0;
    const bool bRead = NumberRead::ScanDecimal(strText, dRead);
    if (bRead != bC || (bC && !SameDouble(dRead, dC)))
        std::abort();
    double dField = -7.0;
    if (FieldNumbers::ScanDouble(strText, dField) != (bC && std::isfinite(dC)) || (dField != -7.0 && dField != dC))
        std::abort();
    double dLibrary = -7.0;
    if (StringToDouble(QString::fromStdString(strText), dLibrary) != (bC ? 1 : 0) || (bC && !SameDouble(dLibrary, dC)))
        std::abort();
}

void CheckInteger(const std::string& strText)
{
    char* pEnd = nullptr;
    errno = 0;
    const long long nC = std::strtoll(strText.c_str(), &pEnd, 10);
    const bool bRange = errno != ERANGE;
    const bool bC = pEnd != strText.c_str();
    NumberRead::CInteger integer;
    const std::size_t nUsed = NumberRead::ScanInteger(strText, integer);
    if (nUsed != static_cast<std::size_t>(pEnd - strText.c_str()) || (bC && integer.Clamped<long long>() != nC) || (bC && integer.FitsIn<long long>() != bRange))
        std::abort();
    const bool bInt = bC && bRange && nC >= INT_MIN && nC <= INT_MAX;
    int nField = -7;
    if (FieldNumbers::ScanInt(strText, nField) != bInt || (bInt && nField != nC))
        std::abort();
    int nLibrary = -7;
    if (StringToInt(QString::fromStdString(strText), nLibrary) != (bC ? 1 : 0) ||
        (bC && nLibrary != (nC < INT_MIN ? INT_MIN : nC > INT_MAX ? INT_MAX : nC)))
        std::abort();
    long lLibrary = -7;
    if (StringToLong(QString::fromStdString(strText), lLibrary) != (bC ? 1 : 0) || (bC && lLibrary != nC))
        std::abort();
    // "%u" in a range: never a value outside it, never a negative text.
    int nInRange = -7;
    if (FieldNumbers::ScanUnsignedInRange(strText, 15, 32767, nInRange) && (nInRange < 15 || nInRange > 32767 || nC < 0))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    // The text up to the first NUL, as a C string would end it.
    const std::string strText(reinterpret_cast<const char*>(pData), strnlen(reinterpret_cast<const char*>(pData), nSize));
    CheckDecimal(strText);
    CheckInteger(strText);
    return 0;
}
