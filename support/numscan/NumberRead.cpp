#include "NumberRead.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

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

struct CDecimalScan {
    const char* m_pEnd;
    bool m_bInvalid;
    bool m_bOutOfRange;
};

// The magnitude in [pBegin, pEnd): decimal, or for bHex hexadecimal with its
// "0x" (which from_chars does not take, strtod does).
CDecimalScan ScanMagnitude(const char* pBegin, const char* pEnd, bool bHex, double& dMagnitude)
{
#if defined(__cpp_lib_to_chars)
    const char* const pDigits = bHex ? pBegin + 2 : pBegin;
    const std::from_chars_result result =
        std::from_chars(pDigits, pEnd, dMagnitude, bHex ? std::chars_format::hex : std::chars_format::general);
    return {result.ptr, result.ec == std::errc::invalid_argument, result.ec == std::errc::result_out_of_range};
#else
    // A standard library without the floating-point from_chars (the browser
    // page's): the C library reads the same text. It skips blanks and takes
    // a '+', which from_chars refuses; nothing in that program changes the C
    // locale, so the decimal point stays a full stop.
    if (pBegin == pEnd || *pBegin == '+' || IsCSpace(*pBegin))
        return {pBegin, true, false};
    const std::string strText(pBegin, pEnd);
    char* pStop = nullptr;
    errno = 0;
    dMagnitude = std::strtod(strText.c_str(), &pStop);
    const char* const pScanEnd = pBegin + (pStop - strText.c_str());
    const bool bRange = errno == ERANGE && (dMagnitude == 0.0 || std::isinf(dMagnitude));
    return {pScanEnd, pStop == strText.c_str(), bRange};
#endif
}

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
    const CDecimalScan result = ScanMagnitude(bHex ? p : pNumber, pNumberEnd, bHex, dMagnitude);
    if (result.m_bInvalid)
        return false;
    if (result.m_bOutOfRange)
        dMagnitude = TooLarge(pNumber, result.m_pEnd, bHex) ? std::numeric_limits<double>::infinity() : 0.0;
    dValue = bNegative ? -dMagnitude : dMagnitude;
    return true;
}

}  // namespace NumberRead
