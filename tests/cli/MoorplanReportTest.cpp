#include "MalformedPlans.h"
#include "ReportProcess.h"

#include "FinishReport.h"
#include "Instrument.h"
#include "InstrumentFactory.h"
#include "OptionTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

using Args = std::vector<std::string>;

Args With(Args aArgs, const Args& aMore)
{
    aArgs.insert(aArgs.end(), aMore.begin(), aMore.end());
    return aArgs;
}

QJsonObject ParseJson(const std::string& strText)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(strText), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

// Whole plans: the options as a person would give them, and the record the
// pages would have stored for them.
struct CWholePlan {
    Args aArgs;
    int nModel, nComm, nFirmware;
    std::function<void(CInstrument&)> fill;
};

const CWholePlan kPlans[] = {
    {{"--model", "kelvo 610", "--pressure-sensor", "Digiquartz", "--pump", "P4M", "--interval", "900", "--aux",
      "other = 0.02", "--aux", " KELVO 830", "--battery=1", "--temperature", "12.5"},
     0, -1, -1,
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
    {{"--model", "4", "--comm", "RS 232", "--firmware", "3", "--pressure-sensor", "1", "--interval", "700",
      "--interval", "600", "--sampling", "autonomous", "--transmit-real-time", "on", "--battery", "AA Lithium",
      "--test"},
     4, 0, 3,
     [](CInstrument& k) {
         k.SetPressureSensorIndex(1);
         k.m_nSampleInterval = 600;
         k.m_bTransmitRealTime = 1;
         k.SetBatteryIndex(0);
     }},
    // Continuous sampling overrides a typed interval.
    {{"--model", "Kelvo 710", "--interval", "900", "--sampling", "continuous", "--battery", "alkaline"},
     6, 0, 2,
     [](CInstrument& k) {
         k.SetPressureSensorIndex(0);
         k.m_nSampleInterval = 0;
         k.m_nSamplingMode = 1;
         k.SetBatteryIndex(1);
     }},
};

// The report the finish page would show for the plan's record, followed by
// the newline the program adds.
std::string ExpectedReport(const CWholePlan& plan, bool bTest)
{
    std::unique_ptr<CInstrument> pInstrument = CreateVariant(plan.nModel, plan.nComm, plan.nFirmware);
    plan.fill(*pInstrument);
    FinishReport::Build(*pInstrument, bTest);
    return pInstrument->m_strSummary + "\n";
}

const std::string kSavedPlan = "/tmp/moorplan-saved-" + std::to_string(getpid()) + ".moorplan";

TEST(MoorplanReport, WholePlansPrintTheReportItsJsonAndAPlanThatReadsBack)
{
    for (const CWholePlan& plan : kPlans) {
        SCOPED_TRACE(plan.aArgs[1]);
        const bool bTest = std::find(plan.aArgs.begin(), plan.aArgs.end(), "--test") != plan.aArgs.end();
        const CReportRun text = RunReport(plan.aArgs);
        EXPECT_EQ(text.nStatus, 0) << text.strErr;
        EXPECT_EQ(text.strErr, "");
        EXPECT_EQ(text.strOut, ExpectedReport(plan, bTest));

        const CReportRun json = RunReport(With(plan.aArgs, {"--json", "--save-plan", kSavedPlan}));
        ASSERT_EQ(json.nStatus, 0) << json.strErr;
        const QJsonObject object = ParseJson(json.strOut);
        EXPECT_EQ(object["schema"].toInt(), 1);
        EXPECT_EQ(object["report"].toString().toStdString() + "\n", text.strOut);
        const double dDays = object["enduranceDays"].toDouble();
        EXPECT_GE(object["minInterval"].toInt(), 0);

        // The parts per day, divided into the capacity, give the endurance.
        const QJsonObject breakdown = object["breakdown"].toObject();
        double dSum = 0.0;
        for (const QJsonValue& part : breakdown["parts"].toArray())
            dSum += part.toObject()["perDay"].toDouble();
        EXPECT_NEAR(dSum, breakdown["total"].toDouble(), 1e-12);
        EXPECT_NEAR(object["capacity"].toObject()["value"].toDouble() / dSum, dDays, 1e-9 * dDays);
        EXPECT_EQ(breakdown["unit"].toString(), object["capacity"].toObject()["unit"].toString() + "/day");
        EXPECT_EQ(object["test"].toObject()["rows"].toArray().size(), bTest ? 54 : 0);

        // The inputs are the plan --save-plan wrote; --plan reads it back to the same report.
        QFile file(QString::fromStdString(kSavedPlan));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QJsonDocument::fromJson(file.readAll()).object(), object["inputs"].toObject());
        const CReportRun again = RunReport(bTest ? Args{"--plan", kSavedPlan, "--test"} : Args{"--plan", kSavedPlan});
        EXPECT_EQ(again.nStatus, 0) << again.strErr;
        EXPECT_EQ(again.strOut, text.strOut);
    }
    std::remove(kSavedPlan.c_str());
}

// Each CSV row is a single run of the plan at its value: the endurance with
// every digit, or the page's message.
TEST(MoorplanReport, SweepRowsAreSingleRunsOfThePlan)
{
    const struct {
        const char* szName;
        const char* szRange;
        std::vector<std::string> astrValues;
    } aSweeps[] = {{"interval", "-5:40:15", {"-5", "10", "25", "40"}}, {"temperature", "-10:40:25", {"-10", "15", "40"}}};
    const Args& aPlan = kPlans[0].aArgs;
    for (const auto& sweep : aSweeps) {
        std::string strExpected = sweep.szName + std::string(",days,message\n");
        for (const std::string& strValue : sweep.astrValues) {
            const CReportRun single = RunReport(With(aPlan, {std::string("--") + sweep.szName, strValue, "--json"}));
            char szDays[32] = "";
            if (single.nStatus == 0)
                std::snprintf(szDays, sizeof szDays, "%.17g", ParseJson(single.strOut)["enduranceDays"].toDouble());
            strExpected += strValue + "," + szDays + "," + (single.nStatus == 1 ? single.strErr : "\n");
        }
        const CReportRun run = RunReport(With(aPlan, {"--sweep", sweep.szName + std::string("=") + sweep.szRange}));
        EXPECT_EQ(run.nStatus, 0) << run.strErr;
        EXPECT_EQ(run.strOut, strExpected);
    }
}

TEST(MoorplanReport, TraceGoesToStandardErrorOnly)
{
    const Args plan = {"--model", "0", "--temperature", "20"};
    const CReportRun run = RunReport(With(plan, {"--trace"}));
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, RunReport(plan).strOut);
    EXPECT_NE(run.strErr.find("<Instrument model='0' comm='-1' rev='-1'>"), std::string::npos);
    EXPECT_NE(run.strErr.find(" = "), std::string::npos);
}

// Every row of the option table is listed, with what follows its name and
// the first line of its description, after the usage lines.
TEST(MoorplanReport, HelpListsEveryOptionOfTheTable)
{
    const CReportRun run = RunReport({"--help"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut.rfind("Usage: moorplan-report [--model M]", 0), 0u);
    const std::string strList = run.strOut.substr(run.strOut.find("\n\n"));
    for (const COptionRow& row : OptionTable()) {
        const std::string strName = "--" + std::string(row.szName) + (*row.szArg ? " " : "") + row.szArg;
        const std::string strHelp = row.szHelp ? row.szHelp : "";
        EXPECT_NE(strList.find(strName), std::string::npos) << strName;
        EXPECT_NE(strList.find(strHelp.substr(0, strHelp.find('\n'))), std::string::npos) << strName;
    }
    EXPECT_NE(strList.find("\nExamples:\n  moorplan-report --model "), std::string::npos);
}

// A plan file of a Kelvo 700 LX sampling every 600 s, for the runs that read one.
class PlanFileRuns : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        QFile file(QString::fromStdString(kPath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\"moorplan-plan\": 1, \"model\": \"Kelvo 700 - Integral Pump\", \"interval\": 600}\n");
    }
    static void TearDownTestSuite() { std::remove(kPath.c_str()); }

    static inline const std::string kPath = "/tmp/moorplan-plan-" + std::to_string(getpid()) + ".moorplan";
};

// A refusal prints the page's message and exits 1; a usage error says what
// is wrong in one line naming the program and exits 2; neither prints a report.
struct CMessage {
    Args aArgs;
    std::string strMessage;
};

void PrintTo(const CMessage& message, std::ostream* pOut) { *pOut << message.strMessage; }

class Message : public PlanFileRuns, public ::testing::WithParamInterface<CMessage> {};

TEST_P(Message, IsAllThatIsPrinted)
{
    const CReportRun run = RunReport(GetParam().aArgs);
    const bool bUsageError = GetParam().strMessage.rfind("moorplan-report: ", 0) == 0;
    EXPECT_EQ(run.nStatus, bUsageError ? 2 : 1);
    EXPECT_EQ(run.strOut, "");
    EXPECT_EQ(run.strErr, GetParam().strMessage + "\n");
}

// The pages' own messages are tested with the models; these check that a
// plan reaches them in page and control order, the page's number reader
// included.
INSTANTIATE_TEST_SUITE_P(
    Refused, Message,
    ::testing::Values(
        CMessage{{"--model", "3", "--firmware", "1", "--navg", "101", "--battery", "7"}, "NAvg must be between 1 and 100"},
        // A minus sign in an unsigned field is out of range, however large the number.
        CMessage{{"--model", "6", "--interval", "-4294966696"}, "Sample interval must be between 0 and 14400 seconds."},
        CMessage{{"--model", "1", "--ncycles", "-4294967294"}, "NCycles must be between 1 and 100 seconds"},
        CMessage{{"--model", "3", "--firmware", "1", "--navg", "-4294967294"}, "NAvg must be between 1 and 100"},
        CMessage{{"--plan", PlanFileRuns::kPath, "--interval", "5"}, "Sample interval must be between 6 and 14400 seconds."},
        // A minus sign in a field without a range, one row for each such field.
        CMessage{{"--model", "Kelvo 620", "--delay", "-40", "--temperature", "10"},
                 "Delay before sampling must not be negative"},
        CMessage{{"--model", "1", "--comm", "2", "--firmware", "1", "--pressure-sensor", "Digiquartz", "--paros-time",
                  "-1"},
                 "Paros integration time must not be negative"},
        CMessage{{"--model", "0", "--aux", "Other=-0.02"}, "Auxiliary sensor current must not be negative"},
        CMessage{{"--model", "1", "--comm", "2", "--instruments-queried", "-0", "--comms-per-hour", "-1"},
                 "Number of instruments to be queried must not be negative"},
        CMessage{{"--model", "6", "--comm", "2", "--comms-per-hour", "-1"},
                 "Communication rate must not be negative"}));

INSTANTIATE_TEST_SUITE_P(
    PlansAndSweeps, Message,
    ::testing::Values(
        CMessage{{"--plan", PlanFileRuns::kPath, "--ncycles", "3"},
                 "moorplan-report: --ncycles does not apply to this instrument"},
        CMessage{{"--plan", PlanFileRuns::kPath + ".gone"},
                 "moorplan-report: " + PlanFileRuns::kPath + ".gone: cannot be read (No such file or directory)"},
        CMessage{{"--plan", PlanFileRuns::kPath, "--save-plan", "/nonexistent-folder/p.moorplan"},
                 "moorplan-report: /nonexistent-folder/p.moorplan: the plan could not be saved "
                 "(No such file or directory); the file is unchanged"},
        CMessage{{"--sweep", "interval=10:5:1"}, "moorplan-report: --sweep: STEP must be above 0 and STOP not below START"},
        CMessage{{"--sweep", "interval=1:2"}, "moorplan-report: --sweep: 'interval=1:2' is not NAME=START:STOP:STEP"},
        CMessage{{"--sweep", "navg=1:2:1"}, "moorplan-report: --sweep: 'navg' cannot be swept (interval or temperature)"},
        CMessage{{"--sweep", "interval=0:1e9:1"}, "moorplan-report: --sweep: more than 1000000 values"},
        CMessage{{"--sweep", "interval=10:20:1", "--json"},
                 "moorplan-report: --sweep prints no report: --json, --test and --save-plan do not go with it"},
        CMessage{{"--sweep", "interval=10:20:1", "--save-plan", PlanFileRuns::kPath},
                 "moorplan-report: --sweep prints no report: --json, --test and --save-plan do not go with it"}));

// A plan no page could take, or no reader, is refused as usage errors are,
// naming the file; nothing ends on a signal (the status would be -1).
TEST(MoorplanReport, MalformedPlansAreRefusedInOneLineNamingTheFile)
{
    const std::string strPath = "/tmp/moorplan-malformed-" + std::to_string(getpid()) + ".moorplan";
    for (const CMalformedPlan& plan : MalformedPlans()) {
        SCOPED_TRACE(plan.szName);
        QFile file(QString::fromStdString(strPath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(plan.strText.data(), static_cast<qint64>(plan.strText.size()));
        file.close();
        const CReportRun run = RunReport({"--plan", strPath});
        EXPECT_EQ(run.nStatus, 2);
        EXPECT_EQ(run.strOut, "");
        EXPECT_EQ(run.strErr, "moorplan-report: " + strPath + ": " + plan.strMessage + "\n");
    }
    std::remove(strPath.c_str());
}

class UsageError : public ::testing::TestWithParam<Args> {};

TEST_P(UsageError, SaysWhatIsWrongInOneLineAndExits2)
{
    const CReportRun run = RunReport(GetParam());
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.strOut, "");
    EXPECT_EQ(run.strErr.rfind("moorplan-report: ", 0), 0u) << run.strErr;
    EXPECT_EQ(run.strErr.find('\n'), run.strErr.size() - 1) << run.strErr;
}

INSTANTIATE_TEST_SUITE_P(
    Plans, UsageError,
    ::testing::Values(Args{"--Model", "1"}, Args{"--model"}, Args{"--model="}, Args{"--model", "0", "--ncycles", "2"},
                      Args{"--model", "0", "--delay", "1"}, Args{"--model", "6", "--sampling", "polled-low"},
                      Args{"--model", "4", "--comm", "RS 485"}, Args{"--model", "3", "--sampling", "interval"},
                      Args{"--model", "5", "--battery", "1"},   // another entry of a disabled single-entry list
                      Args{"--model", "0", "--aux", "1", "--aux", "1", "--aux", "1", "--aux", "1", "--aux", "1"},
                      Args{"--model", "0", "--aux", "Kelvo 810=0.5"}, Args{"--pump-mode", "3"},
                      Args{"--model", "0", "--pump-mode", "1"}, Args{"--test=1"},
                      Args{"--model", "1", "--paros-time", "2"},   // shown only for the Digiquartz
                      Args{"--model", "3", "--comm", "0", "--firmware", "0", "--navg", "4"},
                      Args{"--model", "6", "--comm", "2", "--sampling", "polled-low", "--comms-per-hour", "1"},
                      Args{"--model", "5", "--receive-line-valid", "on"},
                      Args{"--sampling", "polled", "--sampling", "sideways"}, Args{"stray"},
                      // Temperature is no page answer of the Kelvo 700 without oxygen.
                      Args{"--model", "4", "--sweep", "temperature=0:10:5"}));

class Accepted : public PlanFileRuns, public ::testing::WithParamInterface<Args> {};

TEST_P(Accepted, RunsToTheFinishPage)
{
    const CReportRun run = RunReport(GetParam());
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strErr, "");
}

// Checking a box that is checked already is no action, however locked it is
// (choices and buttons: PlanRoundTrip); a plan file overrides the options
// before it (the ones after it override the plan: Refused).
INSTANTIATE_TEST_SUITE_P(
    Plans, Accepted,
    ::testing::Values(Args{"--model", "5", "--sampling", "polled", "--transmit-real-time", "on", "--temperature", "4",
                           "--pressure", "1", "--tau20", "5"},   // checked and locked by the button
                      Args{"--model", "3", "--comm", "0", "--firmware", "0", "--transmit-real-time", "off"},
                      Args{"--model", "0000000001", "--temperature", "5"},
                      Args{"--interval", "5", "--plan", PlanFileRuns::kPath}));

}  // namespace
