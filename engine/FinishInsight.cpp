#include "FinishInsight.h"

#include "DayText.h"
#include "Diagnostics.h"
#include "Instrument.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Enough points for a smooth curve on a page-sized chart.
constexpr int kCurveSteps = 80;

std::vector<CFinishInsight::CPoint> EnduranceCurve(CInstrument& instrument, int nFrom)
{
    std::vector<CFinishInsight::CPoint> aCurve;
    // A log axis cannot start at 0 s (Kelvo 710 RS-232 continuous sampling).
    const double dFrom = std::max(1, nFrom);
    const double dRatio = std::log(kInsightLongestInterval / dFrom);
    for (int i = 0; i <= kCurveSteps; ++i) {
        const int nInterval = static_cast<int>(std::lround(dFrom * std::exp(dRatio * i / kCurveSteps)));
        if (!aCurve.empty() && aCurve.back().nInterval >= nInterval)
            continue;
        aCurve.push_back({nInterval, instrument.CalculateEndurance(nInterval)});
    }
    return aCurve;
}


}  // namespace

std::string BreakdownLabel(const CEndurancePart& part, double dTotalPerDay)
{
    char szPercent[32];
    std::snprintf(szPercent, sizeof szPercent, " %.1f %%", 100.0 * part.m_dPerDay / dTotalPerDay);
    return part.m_strName + szPercent;
}

std::string BreakdownTotal(const CFinishInsight& insight)
{
    const CEnduranceBreakdown& breakdown = insight.m_breakdown;
    char szText[128];
    std::snprintf(szText, sizeof szText, "%.3g %s a day of %.1f %s, at %d s", breakdown.TotalPerDay(),
                  breakdown.UnitName(), breakdown.Capacity(), breakdown.UnitName(), insight.m_nInterval);
    return szText;
}

bool ExpectedEndDay(const CCivilDay& start, double dDays, CCivilDay& end)
{
    // Past a few thousand years there is no calendar day to name.
    constexpr double kLastCountedDays = 1e9;
    if (!std::isfinite(dDays) || dDays < 0.0 || dDays >= kLastCountedDays || !start.IsValid())
        return false;
    end = CCivilDay::FromNumber(start.Number() + static_cast<long long>(std::floor(dDays)));
    return true;
}

std::string ExpectedEndText(int nYear, int nMonth, int nDay, double dDays)
{
    // The two-year notice names no day, so however far off its end lies.
    CCivilDay end;
    if (!ExpectedEndDay({nYear, nMonth, nDay}, dDays >= kTwoYearNoticeDays ? kTwoYearNoticeDays : dDays, end))
        return "no date (no endurance to count)";
    char szText[64];
    if (dDays >= kTwoYearNoticeDays) {
        // The days as the report's endurance line rounds them, so both read alike.
        std::snprintf(szText, sizeof szText, "beyond the two-year notice (%.0f days)", dDays);
        return szText;
    }
    return DayText::DayMonthYear(end.m_nYear, end.m_nMonth, end.m_nDay);
}

CEnduranceBreakdown FinishBreakdown(CInstrument& instrument)
{
    const Diagnostics::CMuted muted;
    const std::string strNote = instrument.m_strCalcNote;
    CEnduranceBreakdown breakdown = instrument.CalculateBreakdown(instrument.m_nSampleInterval);
    instrument.m_strCalcNote = strNote;
    return breakdown;
}

CFinishInsight BuildFinishInsight(CInstrument& instrument)
{
    const Diagnostics::CMuted muted;
    const std::string strNote = instrument.m_strCalcNote;
    CFinishInsight insight;
    insight.m_nInterval = instrument.m_nSampleInterval;
    insight.m_nMinInterval = instrument.GetMinSampleInterval();
    insight.m_aCurve = EnduranceCurve(instrument, insight.m_nMinInterval);
    instrument.m_strCalcNote = strNote;
    insight.m_breakdown = FinishBreakdown(instrument);
    return insight;
}
