#include "Instrument.h"

#include "StrFormat.h"
#include "AppStrings.h"

#include <climits>
#include <cmath>

namespace {

// The endurance rounded half up, as a whole number of days. A result outside
// the int range (a budget that nearly cancels out) saturates instead of
// reaching an undefined conversion; NaN counts as the lowest value.
int RoundedDays(double dDays)
{
    const double dRounded = dDays + 0.5;
    if (std::isnan(dRounded))
        return INT_MIN;
    if (dRounded >= 2147483648.0)
        return INT_MAX;
    if (dRounded <= -2147483649.0)
        return INT_MIN;
    return static_cast<int>(dRounded);
}

// Halvings needed to cover the span; none for a span of 0 or 1 or a negative
// one (the logarithm of 0 or of a negative number must not be converted).
int HalvingsFor(long long nSpan)
{
    if (nSpan <= 1)
        return 0;
    return static_cast<int>(std::ceil(std::log(static_cast<double>(nSpan)) / std::log(2.0)));
}

}  // namespace

CInstrument::CInstrument(int nModelIndex, int nCommIndex, int nFirmwareIndex, int nBatteryCount,
                         int nPressureSensorCount, int nPumpCount, int nCommScheme, int bPumpModes,
                         int bRealTimeOption, int nFamilyCode)
    : m_nModelIndex(nModelIndex),
      m_nCommIndex(nCommIndex),
      m_nFirmwareIndex(nFirmwareIndex),
      m_nBatteryCount(nBatteryCount),
      m_nPressureSensorCount(nPressureSensorCount),
      m_nPumpCount(nPumpCount),
      m_nCommScheme(nCommScheme),
      m_bPumpModes(bPumpModes),
      m_bRealTimeOption(bRealTimeOption),
      m_nFamilyCode(nFamilyCode)
{
}

CInstrument::~CInstrument() = default;

int CInstrument::GetMinSampleInterval() { return m_nMinSampleInterval; }

void CInstrument::SetPressureSensorIndex(int nIndex) { m_nPressureSensorIndex = nIndex; }

std::string CInstrument::GetSampleIntervalRangeMsg() const
{
    return StrFormat("Sample interval must be between %d and %d seconds.", m_nMinSampleInterval,
                     m_nMaxSampleInterval);
}

std::string CInstrument::ReportHead() const
{
    return std::string(AppStrings::kAppTitle) + "\r\n" + m_strDescription;
}

std::string CInstrument::EnduranceLine(double dDays, bool bFinalLineEnd)
{
    if (dDays >= kTwoYearNoticeDays) {
        return StrFormat("Battery Endurance is: %5.0lf Days\r\n\r\n", dDays) + kTwoYearNotice
               + (bFinalLineEnd ? "\r\n" : "");
    }
    return StrFormat("Battery Endurance is: %5.0lf Days\r\n", dDays);
}

int CInstrument::IntervalForDays(int nDays)
{
    long long nLo = GetMinSampleInterval();
    long long nHi = m_nMaxSampleInterval;
    const long long nSpan = nHi - nLo;
    const int nHalvings = HalvingsFor(nSpan);
    long long nMid = nLo + nSpan / 2;
    if (nHalvings < 1)
        return static_cast<int>(nMid);
    for (int i = 0; i < nHalvings; ++i) {
        const int nFound = RoundedDays(CalculateEndurance(static_cast<int>(nMid)));
        if (nFound == nDays)
            break;
        if (nDays < nFound)
            nHi = nMid;
        else
            nLo = nMid + 1;
        if (nHi < nLo)
            break;
        nMid = nLo + (nHi - nLo) / 2;
    }
    return static_cast<int>(nMid);
}

CEnduranceBreakdown CInstrument::CalculateBreakdown(int nSampleInterval)
{
    CEnduranceBreakdown breakdown;
    m_pBreakdown = &breakdown;
    breakdown.m_dDays = CalculateEndurance(nSampleInterval);
    m_pBreakdown = nullptr;
    return breakdown;
}
