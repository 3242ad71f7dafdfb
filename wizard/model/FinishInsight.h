#pragma once

#include "EnduranceBreakdown.h"

#include <vector>

class CInstrument;

// What the finish page shows beside its report: where the endurance goes at
// the entered interval, and how the endurance changes with the interval, from
// the variant's shortest usable interval up to one sample a day.
struct CFinishInsight {
    struct CPoint {
        int nInterval;    // seconds
        double dDays;
    };

    int m_nInterval = 0;      // the entered interval
    int m_nMinInterval = 0;   // the variant's smallest usable interval
    CEnduranceBreakdown m_breakdown;
    // Ascending intervals, spaced evenly on a logarithmic scale, whole seconds.
    std::vector<CPoint> m_aCurve;
};

// The longest interval the curve reaches: one sample a day.
inline constexpr int kInsightLongestInterval = 86400;

// Works the insight out from the instrument's calculation. The record and
// the calculation's note are as they were before the call.
CFinishInsight BuildFinishInsight(CInstrument& instrument);
