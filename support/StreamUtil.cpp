#include "StreamUtil.h"

#include "FormatC.h"

#include <QIODevice>

#include <cmath>

using BvUtility::Detail::FormatC;

namespace {

void WriteKeyValue(const QString& strKey, const QString& strValue, QIODevice& file)
{
    file.write((strKey + '=' + strValue + '\n').toUtf8());
}

}  // namespace

int ddw(double x, int nExtra)
{
    // Only a finite logarithm of at least 1 widens the field (x <= 0 and NaN give 1).
    const double dLog = x > 0 ? std::log10(x) : 0.0;
    const int nDigits = std::isfinite(dLog) && dLog >= 1 ? static_cast<int>(dLog) : 1;
    return nDigits + nExtra;
}

void SetFloat(std::ostream& os, long lFlags, int nPrecision)
{
    const auto flags = static_cast<std::ios_base::fmtflags>(lFlags);
    os.unsetf(std::ios_base::floatfield);
    os.flags((os.flags() & ~flags) | (flags & std::ios_base::floatfield));
    os.precision(nPrecision);
}

std::ostream& operator<<(std::ostream& os, const ins_space& spaces)
{
    for (int i = 0; i < spaces.Count(); ++i)
        os.put(' ');
    return os;
}

void WriteIntString(const QString& strKey, int nValue, QIODevice& file)
{
    WriteKeyValue(strKey, QString::number(nValue), file);
}

void WriteDoubleString(const QString& strKey, double dValue, QIODevice& file)
{
    WriteKeyValue(strKey, FormatC("%f", dValue), file);
}

void WriteString(const QString& strKey, QString strValue, QIODevice& file)
{
    WriteKeyValue(strKey, strValue, file);
}

void WriteULongString(const QString& strKey, unsigned long ulValue, QIODevice& file)
{
    WriteKeyValue(strKey, QString::number(ulValue), file);
}
