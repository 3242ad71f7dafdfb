#include "ReportProcess.h"

#include "FinishReport.h"
#include "Instrument.h"
#include "InstrumentFactory.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Args = std::vector<std::string>;

// The report the finish page would show for a variant whose record holds
// what the pages store, followed by the newline the program adds.
std::string ExpectedReport(int nModel, int nComm, int nFirmware, bool bTest,
                           const std::function<void(CInstrument&)>& fill)
{
    std::unique_ptr<CInstrument> pInstrument = CreateVariant(nModel, nComm, nFirmware);
    fill(*pInstrument);
    FinishReport::Build(*pInstrument, bTest);
    return pInstrument->m_strSummary + "\n";
}

// Whole plans: the options as a person would give them, and the record the
// pages would have stored for them.
struct CWholePlan {
    const char* szName;
    Args astrArgs;
    int nModel, nComm, nFirmware;
    bool bTest;
    std::function<void(CInstrument&)> fill;
};

TEST(MoorplanReport, WholePlansPrintTheFinishReport)
{
    const CWholePlan kPlans[] = {
        {"Kelvo 610",
         {"--model", "kelvo 610", "--pressure-sensor", "Digiquartz", "--pump", "P4M", "--interval", "900", "--aux",
          "other = 0.02", "--aux", " KELVO 830", "--battery=1", "--temperature", "12.5"},
         0, -1, -1, false,
         [](CInstrument& k) {
             k.SetPressureSensorIndex(2);
             k.SetPumpIndex(1);
             k.m_nSampleInterval = 900;
             k.m_nAuxSensorCount = 2;
             k.m_aAuxSensors.Set(0, "Other", 0.02, 4);
             k.m_aAuxSensors.Set(1, "Kelvo 830", 0.010, 2);
             k.SetBatteryIndex(1);
             k.SetDeploymentTemperature(12.5);
         }},
        // The last of a repeated option counts; the test table follows the report.
        {"Kelvo 700 with the test table",
         {"--model", "4", "--comm", "RS 232", "--firmware", "3", "--pressure-sensor", "1", "--interval", "700",
          "--interval", "600", "--sampling", "autonomous", "--transmit-real-time", "on", "--battery", "AA Lithium",
          "--test"},
         4, 0, 3, true,
         [](CInstrument& k) {
             k.SetPressureSensorIndex(1);
             k.m_nSampleInterval = 600;
             k.m_bTransmitRealTime = 1;
             k.m_nCommsPerHour = 0;
             k.m_nInstrumentsQueried = 0;
             k.SetBatteryIndex(0);
         }},
        // Continuous sampling overrides a typed interval.
        {"Kelvo 710 continuous",
         {"--model", "Kelvo 710", "--interval", "900", "--sampling", "continuous", "--battery", "alkaline"},
         6, 0, 2, false,
         [](CInstrument& k) {
             k.SetPressureSensorIndex(0);
             k.m_nSampleInterval = 0;
             k.m_nSamplingMode = 1;
             k.m_nCommsPerHour = 0;
             k.m_nInstrumentsQueried = 0;
             k.SetBatteryIndex(1);
         }},
    };
    for (const CWholePlan& plan : kPlans) {
        const CReportRun run = RunReport(plan.astrArgs);
        EXPECT_EQ(run.nStatus, 0) << plan.szName << ": " << run.strErr;
        EXPECT_EQ(run.strErr, "") << plan.szName;
        EXPECT_EQ(run.strOut, ExpectedReport(plan.nModel, plan.nComm, plan.nFirmware, plan.bTest, plan.fill))
            << plan.szName;
        EXPECT_EQ(run.strOut.find("Days\tSample Interval\r\n") != std::string::npos, plan.bTest) << plan.szName;
    }
}

TEST(MoorplanReport, TraceGoesToStandardErrorOnly)
{
    const Args plan = {"--model", "0", "--temperature", "20"};
    const CReportRun quiet = RunReport(plan);
    Args traced = plan;
    traced.push_back("--trace");
    const CReportRun run = RunReport(traced);
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, quiet.strOut);
    EXPECT_NE(run.strErr.find("<Instrument model='0' comm='-1' rev='-1'>"), std::string::npos);
    EXPECT_NE(run.strErr.find(" = "), std::string::npos);
}

struct CRefusal {
    Args aArgs;
    const char* szMessage;
};

class Refused : public ::testing::TestWithParam<CRefusal> {};

TEST_P(Refused, PrintsThePageMessageAndExits1)
{
    const CReportRun run = RunReport(GetParam().aArgs);
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut, "");
    EXPECT_EQ(run.strErr, std::string(GetParam().szMessage) + "\n");
}

// The pages' own messages are tested with the models; these check that a
// plan reaches them in page and control order.
INSTANTIATE_TEST_SUITE_P(
    Messages, Refused,
    ::testing::Values(
        CRefusal{{"--model", "0", "--interval", "14"}, "Sample interval must be between 15 and 32767 seconds."},
        CRefusal{{"--model", "1", "--comm", "2", "--firmware", "0", "--pressure-sensor", "digiquartz", "--ncycles", "3"},
                 "NCycles must be an even number"},
        CRefusal{{"--model", "3", "--firmware", "1", "--navg", "101", "--battery", "7"}, "NAvg must be between 1 and 100"},
        // A minus sign in an unsigned field is out of range, however large the number.
        CRefusal{{"--model", "6", "--interval", "-4294966696"}, "Sample interval must be between 0 and 14400 seconds."},
        CRefusal{{"--model", "1", "--ncycles", "-4294967294"}, "NCycles must be between 1 and 100 seconds"},
        CRefusal{{"--model", "3", "--firmware", "1", "--navg", "-4294967294"}, "NAvg must be between 1 and 100"},
        CRefusal{{"--model", "1", "--pump", "p4t low pwr 2000 rpm", "--battery", "2", "--temperature", "5"},
                 "Kelvo P4T or P4P pump not compatible with lithium battery packs."}));

class UsageError : public ::testing::TestWithParam<Args> {};

TEST_P(UsageError, SaysWhatIsWrongInOneLineAndExits2)
{
    const CReportRun run = RunReport(GetParam());
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.strOut, "");
    ASSERT_FALSE(run.strErr.empty());
    EXPECT_EQ(run.strErr.find('\n'), run.strErr.size() - 1) << run.strErr;
    EXPECT_EQ(run.strErr.rfind("moorplan-report: ", 0), 0u) << run.strErr;
}

INSTANTIATE_TEST_SUITE_P(
    Plans, UsageError,
    ::testing::Values(Args{"--colour", "red"}, Args{"--Model", "1"}, Args{"--model"}, Args{"--model="},
                      Args{"--model", "Kelvo 611"}, Args{"--model", "0", "--ncycles", "2"},
                      Args{"--model", "0", "--delay", "1"}, Args{"--model", "6", "--sampling", "polled-low"},
                      Args{"--model", "0", "--comm", "0"}, Args{"--model", "4", "--comm", "RS 485"},
                      Args{"--model", "3", "--sampling", "interval"}, Args{"--model", "1", "--battery", "3"},
                      Args{"--model", "5", "--battery", "1"},   // another entry of a disabled single-entry list
                      Args{"--model", "0", "--aux", "1", "--aux", "1", "--aux", "1", "--aux", "1", "--aux", "1"},
                      Args{"--model", "0", "--aux", "Kelvo 810=0.5"}, Args{"--pump-mode", "3"},
                      Args{"--model", "0", "--pump-mode", "1"}, Args{"--test=1"},
                      Args{"--model", "1", "--paros-time", "2"},   // shown only for the Digiquartz
                      Args{"--model", "3", "--comm", "0", "--firmware", "0", "--navg", "4"},
                      Args{"--model", "6", "--comm", "2", "--sampling", "polled-low", "--comms-per-hour", "1"},
                      Args{"--model", "5", "--receive-line-valid", "on"},
                      Args{"--sampling", "polled", "--sampling", "sideways"}, Args{"stray"}));

class Accepted : public ::testing::TestWithParam<Args> {};

TEST_P(Accepted, RunsToTheFinishPage)
{
    const CReportRun run = RunReport(GetParam());
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
}

// Asking a control for what it already shows is no action, whatever its state.
INSTANTIATE_TEST_SUITE_P(
    Plans, Accepted,
    ::testing::Values(Args{"--model", "2", "--comm", " rs 232 ", "--temperature", "10"},   // all protocols disabled
                      Args{"--model", "5", "--battery", "aa lithium", "--temperature", "4", "--pressure", "1",
                           "--tau20", "5"},   // a disabled single-entry list
                      Args{"--model", "5", "--sampling", "polled", "--transmit-real-time", "on", "--temperature",
                           "4", "--pressure", "1", "--tau20", "5"},   // checked and locked by the button
                      Args{"--model", "3", "--comm", "0", "--firmware", "0", "--transmit-real-time", "off"},
                      Args{"--model", "0000000001", "--temperature", "5"}));

TEST(MoorplanReport, HelpExplainsTheOptionsWithAnExample)
{
    const CReportRun run = RunReport({"--help"});
    EXPECT_EQ(run.nStatus, 0);
    for (const char* szWord : {"--model", "--aux TYPE[=CURRENT]", "--485Nereids", "--trace", "Example:"})
        EXPECT_NE(run.strOut.find(szWord), std::string::npos) << szWord;
}

}  // namespace
