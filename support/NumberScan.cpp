#include "NumberScan.h"

#include <QByteArray>

#include <charconv>
#include <limits>
#include <type_traits>

namespace BvUtility::Detail {
namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal order of magnitude of a number text that does not fit a double:
// positive means it is too large, negative that it is too small.
long DecimalOrder(const char* p, const char* pEnd)
{
    if (p < pEnd && *p == '-')
        ++p;
    long nOrder = -1;
    bool bPoint = false;
    bool bSignificant = false;
    for (; p < pEnd && (IsDigit(*p) || *p == '.'); ++p) {
        if (*p == '.')
            bPoint = true;
        else if (!bSignificant && *p == '0' && bPoint)
            --nOrder;
        else if (!bSignificant && *p != '0')
            bSignificant = true;
        if (bSignificant && !bPoint && IsDigit(*p))
            ++nOrder;
    }
    if (p < pEnd && (*p == 'e' || *p == 'E')) {
        long nExponent = 0;
        std::from_chars(p + 1 + (p[1] == '+'), pEnd, nExponent);
        nOrder += nExponent;
    }
    return nOrder;
}

template <typename T>
T OutOfRange(const char* p, const char* pEnd)
{
    const bool bNegative = *p == '-';
    if constexpr (std::is_floating_point_v<T>) {
        const T dMagnitude = DecimalOrder(p, pEnd) > 0 ? std::numeric_limits<T>::infinity() : T(0);
        return bNegative ? -dMagnitude : dMagnitude;
    } else {
        return bNegative ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
    }
}

}  // namespace

template <typename T>
bool ScanNumber(const QString& strText, T& value)
{
    const QByteArray text = strText.toUtf8();
    const char* p = text.constData();
    const char* const pEnd = p + text.size();
    while (p < pEnd && IsCSpace(*p))
        ++p;
    if (p < pEnd && *p == '+') {
        ++p;
        if (p < pEnd && *p == '-')
            return false;
    }
    T parsed{};
    std::from_chars_result result;
    if constexpr (std::is_floating_point_v<T>)
        result = std::from_chars(p, pEnd, parsed, std::chars_format::general);
    else
        result = std::from_chars(p, pEnd, parsed, 10);
    if (result.ec == std::errc::invalid_argument)
        return false;
    value = result.ec == std::errc::result_out_of_range ? OutOfRange<T>(p, result.ptr) : parsed;
    return true;
}

template bool ScanNumber<int>(const QString&, int&);
template bool ScanNumber<long>(const QString&, long&);
template bool ScanNumber<double>(const QString&, double&);

}  // namespace BvUtility::Detail
