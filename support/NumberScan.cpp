#include "NumberScan.h"

#include "NumberRead.h"

#include <QByteArray>

#include <type_traits>

namespace BvUtility::Detail {

template <typename T>
bool ScanNumber(const QString& strText, T& value)
{
    const QByteArray text = strText.toUtf8();
    const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
    if constexpr (std::is_floating_point_v<T>) {
        return NumberRead::ScanDecimal(view, value);
    } else {
        NumberRead::CInteger integer;
        if (!NumberRead::ScanInteger(view, integer))
            return false;
        value = integer.Clamped<T>();
        return true;
    }
}

template bool ScanNumber<int>(const QString&, int&);
template bool ScanNumber<long>(const QString&, long&);
template bool ScanNumber<double>(const QString&, double&);

}  // namespace BvUtility::Detail
