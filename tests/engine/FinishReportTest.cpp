#include "FinishReport.h"
#include "Instrument.h"
#include "TraceCapture.h"

#include <gtest/gtest.h>

#include <sstream>
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

const char* const kRule = "===============================";

struct CRow {
    int nDays;
    std::string strCell;
};

// Splits the section into its rows, checking the fixed head and line ends.
std::vector<CRow> ParseSection(const std::string& strSection, int nMin, int nMax)
{
    const std::string strHead = std::string("\r\n") + kRule + "\r\nSample interval minimum = " + std::to_string(nMin) +
                                "\r\nSample interval maximum = " + std::to_string(nMax) + "\r\n" + kRule +
                                "\r\nDays\tSample Interval\r\n";
    EXPECT_EQ(strSection.substr(0, strHead.size()), strHead);
    std::vector<CRow> aRows;
    std::istringstream rows(strSection.substr(strHead.size()));
    for (std::string strLine; std::getline(rows, strLine);) {
        EXPECT_EQ(strLine.back(), '\r');
        const size_t nTab = strLine.find('\t');
        aRows.push_back({std::stoi(strLine.substr(0, nTab)), strLine.substr(nTab + 1, strLine.size() - nTab - 2)});
    }
    return aRows;
}

TEST(FinishReport, TableHas54RowsAndMarksUnreachableTargets)
{
    CLinearInstrument instrument(10, 14400, 10.0);   // at most 1440 days
    const std::vector<CRow> aRows = ParseSection(FinishReport::SampleIntervalSection(instrument), 10, 14400);
    ASSERT_EQ(aRows.size(), 54u);
    std::vector<int> anTargets;   // 1..9, 10..90, 100..3600
    for (int n = 1; n <= 3600; n += n < 10 ? 1 : n < 100 ? 10 : 100)
        anTargets.push_back(n);
    for (size_t i = 0; i < aRows.size(); ++i) {
        const CRow& row = aRows[i];
        SCOPED_TRACE(row.nDays);
        EXPECT_EQ(row.nDays, anTargets[i]);
        // The rounded endurance of the interval found is the target.
        if (row.nDays <= 1440) {
            EXPECT_EQ(static_cast<int>(std::stoi(row.strCell) / 10.0 + 0.5), row.nDays);
        } else {
            EXPECT_EQ(row.strCell, "*****");
        }
    }
}

// The head prints the stored limits; the search starts from the effective
// minimum, and equal limits leave one interval for every reachable row.
TEST(FinishReport, SectionPrintsTheStoredMinimumButSearchesFromTheEffectiveOne)
{
    CLinearInstrument instrument(10, 3000, 1.0);
    instrument.m_nEffectiveMin = 500;
    const std::vector<CRow> aRows = ParseSection(FinishReport::SampleIntervalSection(instrument), 10, 3000);
    ASSERT_EQ(aRows.size(), 54u);
    EXPECT_EQ(aRows[0].strCell, "500");
    EXPECT_EQ(aRows[27].strCell, "1000");

    CLinearInstrument fixed(900, 900, 1.0);   // always 900 days
    for (const CRow& row : ParseSection(FinishReport::SampleIntervalSection(fixed), 900, 900))
        EXPECT_EQ(row.strCell, row.nDays < 900 ? "900" : "*****") << row.nDays;
}

struct CSearchCase {
    const char* szLabel;
    int nMin, nMax;
    int nDays;
    int nExpected;
};

const CSearchCase kSearchCases[] = {
    {"minimum equals maximum", 600, 600, 5, 600},
    {"span of one", 600, 601, 5, 600},
    {"maximum below minimum", 600, 400, 5, 500},
    {"exact hit at the first midpoint", 0, 2000, 1000, 1000},
    {"target below the shortest interval", 100, 1000, 1, 100},
};

TEST(FinishReport, IntervalSearchEdgeCases)
{
    for (const CSearchCase& c : kSearchCases) {
        CLinearInstrument instrument(c.nMin, c.nMax, 1.0);
        EXPECT_EQ(instrument.IntervalForDays(c.nDays), c.nExpected) << c.szLabel;
    }
}

TEST(FinishReport, IntervalSearchStopsAfterTheHalvingsOfTheSpan)
{
    CLinearInstrument instrument(10, 14400, 1000.0);   // 14.4 days at most
    const int nInterval = instrument.IntervalForDays(3600);
    EXPECT_EQ(instrument.m_nCalls, 14);   // ceil(log2(14390))
    EXPECT_LE(nInterval, 14400);
}

struct CEntryCase {
    const char* szDescription;
    const char* szComments;
};

const CEntryCase kEntryCases[] = {
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

TEST(FinishReport, CatalogueEntryCommentsTheDescription)
{
    for (const CEntryCase& c : kEntryCases) {
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
