#pragma once

#include <cstddef>
#include <limits>
#include <string_view>

// The one reader of numbers typed by people, shared by the support library's
// string and edit-field readers and the wizard's page fields. It reads the
// number at the start of a text as the C library's scan does ("%d", "%ld",
// "%u", "%lf"), but never under the user's locale: leading blanks, an optional
// sign, the number; whatever follows is ignored. No toolkit, no allocation.
namespace NumberRead {

// A decimal integer as written: its sign and magnitude. m_bHuge marks a
// magnitude beyond 64 bits (m_nMagnitude is then meaningless).
struct CInteger {
    bool m_bNegative = false;
    bool m_bHuge = false;
    unsigned long long m_nMagnitude = 0;

    // True when the value fits the signed type T.
    template <typename T>
    bool FitsIn() const
    {
        constexpr unsigned long long nMax = static_cast<unsigned long long>(std::numeric_limits<T>::max());
        return !m_bHuge && m_nMagnitude <= nMax + (m_bNegative ? 1u : 0u);
    }
    // The value, or the type's extreme nearest to it when it does not fit.
    template <typename T>
    T Clamped() const
    {
        if (!FitsIn<T>())
            return m_bNegative ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
        return m_bNegative ? static_cast<T>(0 - m_nMagnitude) : static_cast<T>(m_nMagnitude);
    }
};

// "%d": the count of characters read (blanks and sign included), 0 when the
// text holds no integer at its start.
std::size_t ScanInteger(std::string_view strText, CInteger& integer);

// "%lf": decimal or hexadecimal ("0x1p4") notation, "inf", "infinity" and
// "nan" in any case. A number too large for a double reads as infinity and
// one too small as zero, each with its sign. False when the text holds no
// number at its start; dValue is then untouched.
bool ScanDecimal(std::string_view strText, double& dValue);

}  // namespace NumberRead
