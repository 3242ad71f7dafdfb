#include "FieldNumbers.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace FieldNumbers {
namespace {

// The magnitude and sign of the integer the scan would read, or false when
// the text holds none. A magnitude too large for 64 bits is reported as such.
bool ScanMagnitude(const std::string& strText, bool& bNegative, unsigned long long& nMagnitude, bool& bHuge)
{
    const char* p = strText.c_str();
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bNegative = (*p == '-');
    if (*p == '-' || *p == '+')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return false;
    errno = 0;
    nMagnitude = std::strtoull(p, nullptr, 10);
    bHuge = (errno == ERANGE);
    return true;
}

}  // namespace

bool ScanUnsigned(const std::string& strText, unsigned int& nValue)
{
    bool bNegative = false;
    bool bHuge = false;
    unsigned long long nMagnitude = 0;
    if (!ScanMagnitude(strText, bNegative, nMagnitude, bHuge))
        return false;
    if (bHuge || nMagnitude > std::numeric_limits<unsigned int>::max())
        return false;
    const unsigned int nUnsigned = static_cast<unsigned int>(nMagnitude);
    nValue = bNegative ? 0u - nUnsigned : nUnsigned;
    return true;
}

bool ScanUnsignedInRange(const std::string& strText, int nMin, int nMax, int& nValue)
{
    unsigned int nRead = 0;
    if (!ScanUnsigned(strText, nRead) || nRead < static_cast<unsigned int>(nMin) || nRead > static_cast<unsigned int>(nMax))
        return false;
    nValue = static_cast<int>(nRead);
    return true;
}

bool ScanInt(const std::string& strText, int& nValue)
{
    bool bNegative = false;
    bool bHuge = false;
    unsigned long long nMagnitude = 0;
    if (!ScanMagnitude(strText, bNegative, nMagnitude, bHuge))
        return false;
    const unsigned long long nLimit =
        bNegative ? 1ull + static_cast<unsigned long long>(std::numeric_limits<int>::max())
                  : static_cast<unsigned long long>(std::numeric_limits<int>::max());
    if (bHuge || nMagnitude > nLimit)
        return false;
    const long long nSigned = bNegative ? -static_cast<long long>(nMagnitude) : static_cast<long long>(nMagnitude);
    nValue = static_cast<int>(nSigned);
    return true;
}

bool ScanDouble(const std::string& strText, double& dValue)
{
    double dRead = 0.0;
    if (std::sscanf(strText.c_str(), "%lf", &dRead) != 1 || !std::isfinite(dRead))
        return false;
    dValue = dRead;
    return true;
}

int IntOrZero(const std::string& strText)
{
    int nValue = 0;
    return ScanInt(strText, nValue) ? nValue : 0;
}

double DoubleOrZero(const std::string& strText)
{
    double dValue = 0.0;
    return ScanDouble(strText, dValue) ? dValue : 0.0;
}

}  // namespace FieldNumbers
