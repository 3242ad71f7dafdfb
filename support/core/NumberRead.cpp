#include "NumberRead.h"

#include <charconv>
#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#endif

namespace NumberRead {
namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Skips the leading blanks and one sign; false when a second sign follows,
// which no scan accepts.
bool SkipBlanksAndSign(const char*& p, const char* pEnd, bool& bNegative)
{
    while (p < pEnd && IsCSpace(*p))
        ++p;
    bNegative = p < pEnd && *p == '-';
    if (p < pEnd && (*p == '-' || *p == '+'))
        ++p;
    return !(p < pEnd && (*p == '-' || *p == '+'));
}

// The exponent after 'e' or 'p', clamped far beyond any double's range so
// that no count of digits can overflow it.
long long ClampedExponent(const char* p, const char* pEnd)
{
    constexpr long long nLimit = 1LL << 40;
    const bool bNegative = p < pEnd && *p == '-';
    if (p < pEnd && (*p == '-' || *p == '+'))
        ++p;
    long long nExponent = 0;
    for (; p < pEnd && IsDigit(*p); ++p)
        nExponent = nExponent < nLimit ? nExponent * 10 + (*p - '0') : nLimit;
    return bNegative ? -nExponent : nExponent;
}

// Whether an unsigned number text that a double cannot hold is too large
// rather than too small. Such a text is beyond 1e308 or below 1e-324, so the
// order of its first significant digit (in the exponent's units: binary
// places for hex) plus its exponent decides by its sign alone.
bool TooLarge(const char* p, const char* pEnd, bool bHex)
{
    const long long nDigitUnits = bHex ? 4 : 1;
    long long nOrder = -nDigitUnits;   // below the point until a significant digit shows otherwise
    bool bPoint = false;
    bool bSignificant = false;
    for (; p < pEnd && ((bHex ? IsHexDigit(*p) : IsDigit(*p)) || *p == '.'); ++p) {
        if (*p == '.')
            bPoint = true;
        else if (*p != '0' && !bSignificant)
            bSignificant = true;
        else if (!bSignificant && bPoint)
            nOrder -= nDigitUnits;        // a zero between the point and the first significant digit
        if (bSignificant && !bPoint && *p != '.')
            nOrder += nDigitUnits;        // a place of the integer part
    }
    if (p < pEnd && (*p == (bHex ? 'p' : 'e') || *p == (bHex ? 'P' : 'E')))
        nOrder += ClampedExponent(p + 1, pEnd);
    return nOrder >= 0;
}

// The end of the hexadecimal number text at p (after "0x"): digits with one
// point, then a binary exponent only when a digit follows its 'p' and sign.
// The standard library's hex reader is given no more than this, as some
// versions take "p+-1" for an exponent.
const char* HexNumberEnd(const char* p, const char* pEnd)
{
    bool bPoint = false;
    for (; p < pEnd && (IsHexDigit(*p) || (*p == '.' && !bPoint)); ++p)
        bPoint = bPoint || *p == '.';
    if (p < pEnd && (*p == 'p' || *p == 'P')) {
        const char* pDigits = p + 1;
        if (pDigits < pEnd && (*pDigits == '+' || *pDigits == '-'))
            ++pDigits;
        if (pDigits < pEnd && IsDigit(*pDigits)) {
            for (p = pDigits; p < pEnd && IsDigit(*p); ++p) {
            }
        }
    }
    return p;
}

}  // namespace

std::size_t ScanInteger(std::string_view strText, CInteger& integer)
{
    const char* p = strText.data();
    const char* const pEnd = p + strText.size();
    CInteger read;
    if (!SkipBlanksAndSign(p, pEnd, read.m_bNegative) || p == pEnd || !IsDigit(*p))
        return 0;
    constexpr unsigned long long nMax = std::numeric_limits<unsigned long long>::max();
    for (; p < pEnd && IsDigit(*p); ++p) {
        const unsigned nDigit = static_cast<unsigned>(*p - '0');
        if (read.m_nMagnitude > (nMax - nDigit) / 10)
            read.m_bHuge = true;
        else
            read.m_nMagnitude = read.m_nMagnitude * 10 + nDigit;
    }
    integer = read;
    return static_cast<std::size_t>(p - strText.data());
}

namespace {

#if defined(__cpp_lib_to_chars)
std::from_chars_result DoubleFromChars(const char* pFirst, const char* pLast, double& dValue, bool bHex)
{
    return std::from_chars(pFirst, pLast, dValue, bHex ? std::chars_format::hex : std::chars_format::general);
}
#else
// The same reading for a standard library without from_chars for doubles (the
// browser page's): strtod on the number's own characters, its extra freedoms
// (leading blanks, a sign, "0x") refused or supplied here.
std::from_chars_result DoubleFromChars(const char* pFirst, const char* pLast, double& dValue, bool bHex)
{
    if (pFirst == pLast || IsCSpace(*pFirst) || *pFirst == '+' || *pFirst == '-')
        return {pFirst, std::errc::invalid_argument};
    const std::string strNumber = (bHex ? "0x" : "") + std::string(pFirst, pLast);
    char* pStop = nullptr;
    errno = 0;
    const double dRead = std::strtod(strNumber.c_str(), &pStop);
    const std::size_t nUsed = static_cast<std::size_t>(pStop - strNumber.c_str());
    if (nUsed == 0 || (bHex && nUsed <= 2))
        return {pFirst, std::errc::invalid_argument};
    const char* const pStopped = pFirst + (nUsed - (bHex ? 2 : 0));
    if (errno == ERANGE && (dRead == 0.0 || std::isinf(dRead)))
        return {pStopped, std::errc::result_out_of_range};
    dValue = dRead;
    return {pStopped, std::errc()};
}
#endif

}  // namespace

bool ScanDecimal(std::string_view strText, double& dValue)
{
    const char* p = strText.data();
    const char* const pEnd = p + strText.size();
    bool bNegative = false;
    if (!SkipBlanksAndSign(p, pEnd, bNegative))
        return false;
    // "0x" counts only when a hex digit follows, before or after the point;
    // otherwise the text is the number 0 followed by letters.
    const char* pHex = p + 2;
    const bool bHex = pEnd - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') &&
                      (IsHexDigit(*pHex) || (*pHex == '.' && pHex + 1 < pEnd && IsHexDigit(pHex[1])));
    const char* const pNumber = bHex ? pHex : p;
    const char* const pNumberEnd = bHex ? HexNumberEnd(pHex, pEnd) : pEnd;
    double dMagnitude = 0.0;
    const std::from_chars_result result = DoubleFromChars(pNumber, pNumberEnd, dMagnitude, bHex);
    if (result.ec == std::errc::invalid_argument)
        return false;
    if (result.ec == std::errc::result_out_of_range)
        dMagnitude = TooLarge(pNumber, result.ptr, bHex) ? std::numeric_limits<double>::infinity() : 0.0;
    dValue = bNegative ? -dMagnitude : dMagnitude;
    return true;
}

}  // namespace NumberRead
