#include "FinishInsight.h"

#include "Diagnostics.h"
#include "Instrument.h"

#include <algorithm>
#include <cmath>

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

CFinishInsight BuildFinishInsight(CInstrument& instrument)
{
    const Diagnostics::CMuted muted;
    const std::string strNote = instrument.m_strCalcNote;
    CFinishInsight insight;
    insight.m_nInterval = instrument.m_nSampleInterval;
    insight.m_nMinInterval = instrument.GetMinSampleInterval();
    insight.m_aCurve = EnduranceCurve(instrument, insight.m_nMinInterval);
    insight.m_breakdown = instrument.CalculateBreakdown(instrument.m_nSampleInterval);
    instrument.m_strCalcNote = strNote;
    return insight;
}
