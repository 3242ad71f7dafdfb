#include "FieldNumbers.h"

#include "NumberRead.h"

#include <cmath>

namespace FieldNumbers {

bool ScanUnsignedInRange(const std::string& strText, int nMin, int nMax, int& nValue)
{
    // A minus sign would wrap a large magnitude round into the range
    // ("-4294966696" is 600): in these fields it always means out of range.
    NumberRead::CInteger integer;
    if (!NumberRead::ScanInteger(strText, integer) || integer.m_bNegative || !integer.FitsIn<unsigned int>())
        return false;
    const unsigned int nRead = integer.Clamped<unsigned int>();
    if (nRead < static_cast<unsigned int>(nMin) || nRead > static_cast<unsigned int>(nMax))
        return false;
    nValue = static_cast<int>(nRead);
    return true;
}

bool ScanInt(const std::string& strText, int& nValue)
{
    NumberRead::CInteger integer;
    if (!NumberRead::ScanInteger(strText, integer) || !integer.FitsIn<int>())
        return false;
    nValue = integer.Clamped<int>();
    return true;
}

bool ScanDouble(const std::string& strText, double& dValue)
{
    double dRead = 0.0;
    if (!NumberRead::ScanDecimal(strText, dRead) || !std::isfinite(dRead))
        return false;
    dValue = dRead;
    return true;
}

bool ScanIntNotNegative(const std::string& strText, int& nValue)
{
    NumberRead::CInteger integer;
    if (NumberRead::ScanInteger(strText, integer) && integer.m_bNegative)
        return false;
    nValue = integer.FitsIn<int>() ? integer.Clamped<int>() : 0;
    return true;
}

bool ScanDoubleNotNegative(const std::string& strText, double& dValue)
{
    // The reader gives the number its sign as written, infinity and NaN included.
    double dRead = 0.0;
    if (NumberRead::ScanDecimal(strText, dRead) && std::signbit(dRead))
        return false;
    dValue = std::isfinite(dRead) ? dRead : 0.0;
    return true;
}

}  // namespace FieldNumbers
