#include "FinishReport.h"
#include "Instrument.h"
#include "TraceCapture.h"

#include <gtest/gtest.h>

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

}  // namespace
