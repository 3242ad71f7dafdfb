#include "SheetModel.h"
#include "PlanFile.h"
#include "PlanRunner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A folder of its own for each test, removed afterwards.
class PlanFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("moorplan-plan-test-" + std::to_string(getpid()));
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string Write(const std::string& strName, const std::string& strText)
    {
        const fs::path path = m_folder / strName;
        std::ofstream(path, std::ios::binary) << strText;
        return path.string();
    }
    static std::string Slurp(const std::string& strPath)
    {
        std::ifstream file(strPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    fs::path m_folder;
};

struct CBadPlan {
    const char* szName;
    const char* szText;
    const char* szMessage;   // after "FILE: "
};

const CBadPlan kaBadPlans[] = {
    {"not JSON", "{\"moorplan-plan\": 1,\n  \"model\" \"Kelvo 610\"}",
     "not a plan: the text is not JSON (line 2, column 21)"},
    {"not an object", "[1, 2]", "not a plan: a plan is one JSON object, not a list"},
    {"no version", "{\"model\": \"Kelvo 610\"}", "not a plan: it has no \"moorplan-plan\" version"},
    {"newer schema", "{\"moorplan-plan\": 2, \"model\": \"Kelvo 610\"}",
     "plan format version 2 is newer than this program can read (version 1)"},
    {"version of the wrong type", "{\"moorplan-plan\": \"1\"}", "\"moorplan-plan\" must be a whole number from 1, not \"1\""},
    {"unknown model", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 999\"}",
     "\"model\": 'Kelvo 999' is not in the list (choices: \"Kelvo 610\", \"Kelvo 620\", \"Kelvo 630 (moored mode)\", "
     "\"Kelvo 700 - No Pump\", \"Kelvo 700 - Integral Pump\", \"Kelvo 700 - Integral Pump and Integral Oxygen\", "
     "\"Kelvo 710\")"},
    {"unknown field", "{\"moorplan-plan\": 1, \"endurance\": 300}", "unknown field \"endurance\""},
    {"number of the wrong type", "{\"moorplan-plan\": 1, \"interval\": true}", "\"interval\" must be a number or a text, not true"},
    {"choice of the wrong type", "{\"moorplan-plan\": 1, \"battery\": 1.5}", "\"battery\" must be a text or a list position, not 1.5"},
    {"check box of the wrong type", "{\"moorplan-plan\": 1, \"transmit-real-time\": \"on\"}",
     "\"transmit-real-time\" must be true or false, not \"on\""},
    {"sensors of the wrong type", "{\"moorplan-plan\": 1, \"aux\": {\"type\": \"Other\"}}",
     "\"aux\" must be a list of sensors, not an object"},
    {"sensor without a type", "{\"moorplan-plan\": 1, \"aux\": [{\"type\": \"Other\"}, {\"current\": 0.1}]}",
     "\"aux\" row 2 has no \"type\""},
    {"field the path does not have", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 610\", \"navg\": 4}",
     "\"navg\" does not apply to this instrument"},
    {"field the page hides on this path", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 620\", \"pump\": \"none\", \"pump-mode\": 2}",
     "\"pump-mode\" 2: that control is hidden or disabled on this path"},
    {"keyword of another page", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 710\", \"sampling\": \"polled\"}",
     "\"sampling\": 'polled' is not a choice on this instrument's page"},
};

// Opened as moorplan-report and the wizard open a plan: read, then the pages walked.
TEST_F(PlanFileTest, EveryBadPlanGetsOneMessageNamingTheFile)
{
    for (const CBadPlan& bad : kaBadPlans) {
        SCOPED_TRACE(bad.szName);
        const std::string strPath = Write("bad.moorplan", bad.szText);
        CPlanAnswers answers;
        std::string strMessage;
        std::string strReport;
        if (PlanFile::Read(strPath, answers, strMessage)) {
            EXPECT_EQ(RunPlan(answers, CWizardSwitches(), strMessage, strReport), kPlanUsageError);
        }
        EXPECT_EQ(strMessage, strPath + ": " + bad.szMessage);
    }
}

TEST_F(PlanFileTest, AHugeFileIsRefusedBySizeUnread)
{
    const std::string strPath = Write("huge.moorplan", "{");
    fs::resize_file(strPath, 100u * 1024 * 1024);   // sparse: nothing to read but its size
    CPlanAnswers answers;
    std::string strMessage;
    EXPECT_FALSE(PlanFile::Read(strPath, answers, strMessage));
    EXPECT_EQ(strMessage, strPath + ": too large for a plan (more than 1 MiB)");
    // A device without a size is cut off at the limit all the same.
    EXPECT_FALSE(PlanFile::Read("/dev/zero", answers, strMessage));
    EXPECT_EQ(strMessage, "/dev/zero: too large for a plan (more than 1 MiB)");
    EXPECT_FALSE(answers.Has("model"));
}

// What a person typed goes into the file as a number where it reads back as
// the same text or the same value, and as text otherwise; the plan opened and
// saved again is the same file.
TEST_F(PlanFileTest, TypedTextsSurviveTheFile)
{
    // The last three the file would write with an exponent, the very last as
    // null: they go in as text.
    const std::string astrTexts[] = {"600", "-2", "4.5", " 12.5 ", "0.1", "-0", "-0.0", "007", "1e3", "abc", "", "600.7",
                                     "123456789012345678901", "0.00002", std::string(30, '3') + ".5",
                                     "1" + std::string(400, '0') + ".5"};
    for (const std::string& strTyped : astrTexts) {
        const char* szText = strTyped.c_str();
        CPlanAnswers answers;
        answers.Set("interval", szText);
        const std::string strText = PlanFile::Text(answers);
        CPlanAnswers read;
        std::string strError;
        ASSERT_TRUE(PlanFile::Parse(strText, "t", read, strError)) << strError;
        const double dTyped = std::strtod(szText, nullptr);
        const double dRead = std::strtod(read.Value("interval").c_str(), nullptr);
        EXPECT_EQ(std::signbit(dTyped), std::signbit(dRead)) << szText;
        EXPECT_EQ(dTyped, dRead) << szText;
        EXPECT_EQ(std::strtoul(szText, nullptr, 10), std::strtoul(read.Value("interval").c_str(), nullptr, 10)) << szText;
        EXPECT_EQ(PlanFile::Text(read), strText) << szText;
    }
}

// A plan's sensor list replaces the --aux options before it; an --aux after
// it starts a new list.
TEST_F(PlanFileTest, SensorOptionsAfterAPlanReplaceItsList)
{
    CPlanAnswers answers;
    answers.AddAux({"Other", true, "0.1"});
    std::string strError;
    ASSERT_TRUE(PlanFile::Parse("{\"moorplan-plan\": 1, \"aux\": [{\"type\": \"none\"}]}", "p", answers,
                                strError));
    ASSERT_EQ(answers.Aux().size(), 1u);
    EXPECT_EQ(answers.Aux()[0].m_strType, "none");
    answers.AddAux({"Kelvo 830", false, ""});
    answers.AddAux({"Other", true, "0.2"});
    ASSERT_EQ(answers.Aux().size(), 2u);
    EXPECT_EQ(answers.Aux()[0].m_strType, "Kelvo 830");
}

TEST_F(PlanFileTest, AFailedSaveLeavesTheOldFileWhole)
{
    const std::string strPath = Write("kept.moorplan", "old plan\n");
    CPlanAnswers answers;
    answers.Set("model", std::string(4096, 'x'));
    std::string strError;

    // No room for the new content: the file size limit stands in for a full disk.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool bSaved = PlanFile::Save(strPath, answers, strError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(bSaved);
    EXPECT_EQ(strError, strPath + ": the plan could not be saved (File too large); the file is unchanged");
    EXPECT_EQ(Slurp(strPath), "old plan\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1) << "a temporary file was left";

    ASSERT_TRUE(PlanFile::Save(strPath, answers, strError)) << strError;
    EXPECT_EQ(Slurp(strPath), PlanFile::Text(answers));
}

}  // namespace
