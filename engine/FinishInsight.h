#pragma once

#include "CivilDay.h"
#include "EnduranceBreakdown.h"
#include "InstrumentCodes.h"

#include <string>
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

// Where the endurance goes at the entered interval alone; the record and the
// calculation's note are as they were.
CEnduranceBreakdown FinishBreakdown(CInstrument& instrument);


// A consumer as the chart's legend names it: its name and its share of the
// day's total, "Pump 12.3 %".
std::string BreakdownLabel(const CEndurancePart& part, double dTotalPerDay);

// The legend's last line: the day's total against the capacity, at the
// entered interval, "0.118 Ah a day of 42.0 Ah, at 900 s".
std::string BreakdownTotal(const CFinishInsight& insight);

// The days axis of the curve: what a deployment can use, the larger of three
// times the two-year notice and half as much again as the entered interval's
// days, or less where the whole curve stays lower. The two-year line and the
// entered point always lie within it. Beyond the axis the curve is cut: it
// is drawn up to its first m_nPointsWithin points and ends where it leaves
// the axis, at m_dCutInterval.
struct CCurveAxis {
    double m_dTopDays = 0.0;
    int m_nPointsWithin = 0;
    bool m_bCut = false;
    double m_dCutInterval = 0.0;   // seconds
};
CCurveAxis CurveAxis(const CFinishInsight& insight);

// What the two charts show, in words, for a screen reader: the largest
// consumer and its share; the days at the entered interval and where the
// curve leaves the axis.
std::string BreakdownSummary(const CFinishInsight& insight);
std::string CurveSummary(const CFinishInsight& insight, const CCurveAxis& axis);

// The day the batteries are expected to run out for a deployment that starts
// on the day start: the start plus the whole days of the endurance, since the
// batteries run out in the course of the last, partly used day. False when
// the endurance or the start is not usable, or the end lies past any
// calendar. From the two-year notice on there is a day all the same.
bool ExpectedEndDay(const CCivilDay& start, double dDays, CCivilDay& end);

// That day as the finish page shows it, for a start on the given day (month 1
// to 12): "05 Jul 2027", or the two-year notice, or that there is no date.
std::string ExpectedEndText(int nYear, int nMonth, int nDay, double dDays);
