#pragma once

#include <array>
#include <cstddef>
#include <string>

// One entry of an option list: a battery (capacity in Ah), a pressure sensor
// (the instrument's sampling current in A), a pump or an auxiliary sensor
// (current in A).
struct CInstrumentOption {
    std::string m_strName;
    int m_nTypeIndex = 0;   // auxiliary slots only: chosen entry of the type list
    double m_dValue = 0.0;
};

// A fixed-capacity option list. Reading never leaves the list: an index of -1
// or at or beyond the capacity gives an empty entry (no name, 0.0), so a stale
// or unset index in the record can never reach outside the array.
template <std::size_t N>
class COptionList {
public:
    static constexpr int kCapacity = static_cast<int>(N);

    const CInstrumentOption& At(int nIndex) const
    {
        static const CInstrumentOption empty;
        return IsValidIndex(nIndex) ? m_aEntries[static_cast<std::size_t>(nIndex)] : empty;
    }
    const std::string& NameAt(int nIndex) const { return At(nIndex).m_strName; }
    double ValueAt(int nIndex) const { return At(nIndex).m_dValue; }

    // Writes entry nIndex; an index outside the list is ignored.
    void Set(int nIndex, const std::string& strName, double dValue, int nTypeIndex = 0)
    {
        if (IsValidIndex(nIndex))
            m_aEntries[static_cast<std::size_t>(nIndex)] = CInstrumentOption{strName, nTypeIndex, dValue};
    }

    static bool IsValidIndex(int nIndex) { return nIndex >= 0 && nIndex < kCapacity; }

private:
    std::array<CInstrumentOption, N> m_aEntries{};
};
