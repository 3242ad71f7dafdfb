#include "FinishInsight.h"
#include "FinishReport.h"
#include "Instrument.h"
#include "TraceCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// An instrument whose endurance is the interval divided by a fixed number of
// seconds per day, so that every table row can be checked by hand.
class CLinearInstrument : public CInstrument {
public:
    CLinearInstrument(int nMin, int nMax, double dSecondsPerDay)
        : CInstrument(3, 0, 4, 0, 0, 0, 0, 0, 0, 700), m_dSecondsPerDay(dSecondsPerDay)
    {
        m_nMinSampleInterval = nMin;
        m_nMaxSampleInterval = nMax;
    }
    void BuildSummary(int) override { m_strSummary = "report\r\n"; }
    double CalculateEndurance(int nSampleInterval) override
    {
        ++m_nCalls;
        return static_cast<double>(nSampleInterval) / m_dSecondsPerDay;
    }
    int GetMinSampleInterval() override { return m_nEffectiveMin > 0 ? m_nEffectiveMin : m_nMinSampleInterval; }

    double m_dSecondsPerDay;
    int m_nEffectiveMin = 0;
    int m_nCalls = 0;
};

TEST(FinishReport, RowsFindTheIntervalOfEachTargetWithinReach)
{
    CLinearInstrument instrument(10, 14400, 10.0);   // at most 1440 days
    const std::vector<FinishReport::CIntervalRow> aRows = FinishReport::SampleIntervalRows(instrument);
    ASSERT_EQ(aRows.size(), 54u);
    std::vector<int> anTargets;   // 1..9, 10..90, 100..3600
    for (int n = 1; n <= 3600; n += n < 10 ? 1 : n < 100 ? 10 : 100)
        anTargets.push_back(n);
    for (size_t i = 0; i < aRows.size(); ++i) {
        const FinishReport::CIntervalRow& row = aRows[i];
        SCOPED_TRACE(row.nDays);
        EXPECT_EQ(row.nDays, anTargets[i]);
        EXPECT_EQ(row.bReachable, row.nDays <= 1440);
        // The rounded endurance of the interval found is the target.
        if (row.bReachable) {
            EXPECT_EQ(static_cast<int>(row.nInterval / 10.0 + 0.5), row.nDays);
        }
    }
}

// The head prints the stored limits; the search starts from the effective
// minimum, and equal limits leave one interval for every reachable row.
TEST(FinishReport, SectionPrintsTheStoredMinimumButSearchesFromTheEffectiveOne)
{
    const std::string kRule = "===============================\r\n";
    CLinearInstrument instrument(10, 3000, 1.0);
    instrument.m_nEffectiveMin = 500;
    const std::string strSection = FinishReport::SampleIntervalSection(instrument);
    const std::string strHead = "\r\n" + kRule + "Sample interval minimum = 10\r\nSample interval maximum = 3000\r\n" +
                                kRule + "Days\tSample Interval\r\n1\t500\r\n";
    EXPECT_EQ(strSection.substr(0, strHead.size()), strHead);

    CLinearInstrument fixed(900, 900, 1.0);   // always 900 days
    std::string strExpected = "\r\n" + kRule + "Sample interval minimum = 900\r\nSample interval maximum = 900\r\n" +
                              kRule + "Days\tSample Interval\r\n";
    for (const FinishReport::CIntervalRow& row : FinishReport::SampleIntervalRows(fixed))
        strExpected += std::to_string(row.nDays) + (row.nDays < 900 ? "\t900\r\n" : "\t*****\r\n");
    EXPECT_EQ(FinishReport::SampleIntervalSection(fixed), strExpected);
}

TEST(FinishReport, IntervalSearchEdgeCases)
{
    const struct {
        const char* szLabel;
        int nMin, nMax;
        int nDays;
        int nExpected;
    } kCases[] = {
        {"minimum equals maximum", 600, 600, 5, 600},
        {"span of one", 600, 601, 5, 600},
        {"maximum below minimum", 600, 400, 5, 500},
        {"exact hit at the first midpoint", 0, 2000, 1000, 1000},
        {"target below the shortest interval", 100, 1000, 1, 100},
    };
    for (const auto& c : kCases) {
        CLinearInstrument instrument(c.nMin, c.nMax, 1.0);
        EXPECT_EQ(instrument.IntervalForDays(c.nDays), c.nExpected) << c.szLabel;
    }
    // An unreachable target stops after the halvings of the span.
    CLinearInstrument instrument(10, 14400, 1000.0);   // 14.4 days at most
    EXPECT_LE(instrument.IntervalForDays(3600), 14400);
    EXPECT_EQ(instrument.m_nCalls, 14);   // ceil(log2(14390))
}

TEST(FinishReport, CatalogueEntryCommentsTheDescription)
{
    const struct {
        const char* szDescription;
        const char* szComments;
    } kCases[] = {
        {"Kelvo 610\r\n", "\t\t<!-- Kelvo 610 -->\r\n"},
        {"Model = Kelvo 620 MX\r\nFirmware = 2.0 or higher\r\n",
         "\t\t<!-- Kelvo 620 MX -->\r\n\t\t<!-- Firmware = 2.0 or higher -->\r\n"},
        {"Model = Kelvo 700 LX RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nExternal Power Option\r\n",
         "\t\t<!-- Kelvo 700 LX RS-232 -->\r\n"
         "\t\t<!-- Firmware 2.6 and higher, less than 3.0\r\nExternal Power Option -->\r\n"},
        {"Model = \r\nFirmware 1\r\n", "\t\t<!-- \r\nFirmware 1 -->\r\n"},
        {"model = Kelvo 620 \t \r\n", "\t\t<!-- model = Kelvo 620 -->\r\n"},
        {"", "\t\t<!--  -->\r\n"},
    };
    for (const auto& c : kCases) {
        CLinearInstrument instrument(10, 20, 1.0);
        instrument.m_strDescription = c.szDescription;
        EXPECT_EQ(FinishReport::CatalogueEntry(instrument),
                  std::string("\t<Instrument model='3' comm='0' rev='4'>\r\n") + c.szComments +
                      "\t\t<Manual>  </Manual>\r\n\t</Instrument>\r\n")
            << c.szDescription;
    }
}

TEST(FinishReport, BuildWritesTheEntryAndAppendsTheTableOnlyInTestMode)
{
    CLinearInstrument instrument(10, 14400, 10.0);
    {
        CTraceCapture capture;
        FinishReport::Build(instrument, false);
        EXPECT_EQ(capture.Text(), FinishReport::CatalogueEntry(instrument));
    }
    EXPECT_EQ(instrument.m_strSummary, "report\r\n");
    FinishReport::Build(instrument, true);
    EXPECT_EQ(instrument.m_strSummary, "report\r\n" + FinishReport::SampleIntervalSection(instrument));
}

// The interval chart's days axis: up to what a deployment can use, the curve
// cut where it first leaves it, the two-year line and the entered point always
// on the chart.
struct CAxisRow {
    const char* szCase;
    std::vector<CFinishInsight::CPoint> aCurve;
    int nInterval;
    double dEnteredDays;
    double dTop;
    int nWithin;
    double dCutInterval;   // 0: not cut
};

TEST(FinishInsight, CurveAxisIsBoundedToADeploymentsReach)
{
    const std::vector<CFinishInsight::CPoint> aQuiet = {{10, 100}, {1000, 1000}, {10000, 10000}, {86400, 15000}};
    const double dNan = std::nan("");
    for (const CAxisRow& row : {
             CAxisRow{"all below the reach", {{10, 100}, {100, 500}, {1000, 900}}, 100, 500, 945, 3, 0},
             CAxisRow{"all below the notice", {{10, 10}, {86400, 400}}, 10, 10, 766.5, 2, 0},
             CAxisRow{"decades on paper", aQuiet, 1000, 1000, 2190, 2, 1000 * std::pow(10.0, 1190.0 / 9000)},
             CAxisRow{"entered beyond three notices", aQuiet, 10000, 9000, 13500, 3, 10000 * std::pow(8.64, 0.7)},
             CAxisRow{"no endurance entered", aQuiet, 0, dNan, 2190, 2, 1000 * std::pow(10.0, 1190.0 / 9000)},
             CAxisRow{"leaves at the first point", {{10, 5000}, {20, 6000}}, 10, 1000, 2190, 0, 10},
         }) {
        CFinishInsight insight;
        insight.m_aCurve = row.aCurve;
        insight.m_nInterval = row.nInterval;
        insight.m_breakdown.m_dDays = row.dEnteredDays;
        const CCurveAxis axis = CurveAxis(insight);
        EXPECT_NEAR(axis.m_dTopDays, row.dTop, 1e-9) << row.szCase;
        EXPECT_EQ(axis.m_nPointsWithin, row.nWithin) << row.szCase;
        EXPECT_EQ(axis.m_bCut, row.dCutInterval > 0) << row.szCase;
        EXPECT_NEAR(axis.m_dCutInterval, row.dCutInterval, 1e-6) << row.szCase;
        EXPECT_GE(axis.m_dTopDays, kTwoYearNoticeDays) << row.szCase;
        EXPECT_TRUE(!(row.dEnteredDays > axis.m_dTopDays)) << row.szCase;
    }
}

// What the charts say in words: the largest consumer with its share, the days
// at the entered interval and where the curve leaves the chart.
TEST(FinishInsight, SummariesNameTheLargestConsumerAndTheEnteredDays)
{
    CFinishInsight insight;
    insight.m_nInterval = 900;
    insight.m_breakdown.Begin(EBudgetUnit::Charge, 42.0 * 3600);
    insight.m_breakdown.Add("Sampling", 10.0);
    insight.m_breakdown.Add("Pump", 30.0);
    insight.m_breakdown.m_dDays = 412.4;
    EXPECT_EQ(BreakdownSummary(insight), "Largest consumer: Pump, 75.0 % of 0.267 Ah a day.");
    EXPECT_EQ(CurveSummary(insight, CCurveAxis{2190, 10, true, 5432.1}),
              "412 days at the entered interval of 900 s; the two-year notice is 730 days; "
              "the curve leaves the chart at 2190 days, above 5432 s.");
    insight.m_breakdown.Begin(EBudgetUnit::Charge, 1.0);
    EXPECT_EQ(BreakdownSummary(insight), "No breakdown at an interval of 900 s.");
}

}  // namespace
