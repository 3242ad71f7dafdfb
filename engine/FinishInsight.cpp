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


// Room above the highest point, so that it is not drawn on the frame.
constexpr double kHeadroom = 1.05;

}  // namespace

CCurveAxis CurveAxis(const CFinishInsight& insight)
{
    const double dEntered = insight.m_breakdown.m_dDays;
    double dUsable = 3.0 * kTwoYearNoticeDays;
    if (insight.m_nInterval > 0 && std::isfinite(dEntered))
        dUsable = std::max(dUsable, 1.5 * dEntered);
    double dHighest = kTwoYearNoticeDays;
    for (const CFinishInsight::CPoint& point : insight.m_aCurve)
        if (std::isfinite(point.dDays))
            dHighest = std::max(dHighest, point.dDays);

    CCurveAxis axis;
    axis.m_dTopDays = std::min(dHighest * kHeadroom, dUsable);
    const std::vector<CFinishInsight::CPoint>& aCurve = insight.m_aCurve;
    for (; axis.m_nPointsWithin < static_cast<int>(aCurve.size()); ++axis.m_nPointsWithin) {
        const CFinishInsight::CPoint& point = aCurve[static_cast<std::size_t>(axis.m_nPointsWithin)];
        if (!(point.dDays > axis.m_dTopDays))
            continue;
        axis.m_bCut = true;
        axis.m_dCutInterval = point.nInterval;
        if (axis.m_nPointsWithin > 0) {
            // Where the straight piece between the two points on the chart's
            // logarithmic interval scale meets the top.
            const CFinishInsight::CPoint& before = aCurve[static_cast<std::size_t>(axis.m_nPointsWithin - 1)];
            const double dShare = (axis.m_dTopDays - before.dDays) / (point.dDays - before.dDays);
            axis.m_dCutInterval = before.nInterval * std::pow(double(point.nInterval) / before.nInterval, dShare);
        }
        break;
    }
    return axis;
}

std::string BreakdownSummary(const CFinishInsight& insight)
{
    const CEnduranceBreakdown& breakdown = insight.m_breakdown;
    const double dTotal = breakdown.TotalPerDay();
    if (!std::isfinite(dTotal) || dTotal <= 0.0 || breakdown.Parts().empty())
        return "No breakdown at an interval of " + std::to_string(insight.m_nInterval) + " s.";
    const auto itLargest = std::max_element(
        breakdown.Parts().begin(), breakdown.Parts().end(),
        [](const CEndurancePart& a, const CEndurancePart& b) { return a.m_dPerDay < b.m_dPerDay; });
    char szText[256];
    std::snprintf(szText, sizeof szText, "Largest consumer: %s, %.1f %% of %.3g %s a day.", itLargest->m_strName.c_str(),
                  100.0 * itLargest->m_dPerDay / dTotal, dTotal, breakdown.UnitName());
    return szText;
}

std::string CurveSummary(const CFinishInsight& insight, const CCurveAxis& axis)
{
    char szText[256];
    const double dDays = insight.m_breakdown.m_dDays;
    if (insight.m_nInterval > 0 && std::isfinite(dDays))
        std::snprintf(szText, sizeof szText, "%.0f days at the entered interval of %d s; ", dDays, insight.m_nInterval);
    else
        std::snprintf(szText, sizeof szText, "No endurance at the entered interval; ");
    std::string strText = szText;
    std::snprintf(szText, sizeof szText, "the two-year notice is %.0f days", kTwoYearNoticeDays);
    strText += szText;
    if (axis.m_bCut) {
        std::snprintf(szText, sizeof szText, "; the curve leaves the chart at %.0f days, above %.0f s", axis.m_dTopDays,
                      axis.m_dCutInterval);
        strText += szText;
    }
    return strText + ".";
}

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
