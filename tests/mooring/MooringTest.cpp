#include "MooringFile.h"
#include "PlanFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string kFive = MOORPLAN_SOURCE_DIR "/tests/mooring/fixtures/five.mooring";

std::string Slurp(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A mooring of one Kelvo 610 position with the plan's fields.
std::string OnePosition(const std::string& strPosition, const std::string& strDays = R"("deployed": "2025-03-01",
  "recovery": "2025-09-01")")
{
    return R"({"moorplan-mooring": 1, "name": "M", )" + strDays + R"(, "positions": [)" + strPosition + "]}";
}

struct CBadMooring {
    const char* szName;
    std::string strText;
    std::string strMessage;   // after "FILE"
};

const CBadMooring kaBadMoorings[] = {
    {"not JSON", "{\"moorplan-mooring\": 1,\n \"name\" 3}", ": not a mooring: the text is not JSON (line 2, column 9)"},
    {"not an object", "[]", ": not a mooring: a mooring is one JSON object, not a list"},
    {"newer version", R"({"moorplan-mooring": 2})",
     ": mooring format version 2 is newer than this program can read (version 1)"},
    {"no name", R"({"moorplan-mooring": 1})", ": not a mooring: it has no \"name\""},
    {"bad date", OnePosition("", R"("deployed": "2024-02-30", "recovery": "2025-01-01")"),
     ": \"deployed\" must be a day written YYYY-MM-DD, not \"2024-02-30\""},
    {"recovery before deployment", OnePosition("", R"("deployed": "2025-01-01", "recovery": "2024-12-31")"),
     ": the recovery day 2024-12-31 comes before the deployment day 2025-01-01"},
    {"no positions", OnePosition(""), ": the mooring has no positions"},
    {"position without a label", OnePosition(R"({"depth": 5})"), ": position 1 has no \"label\""},
    {"negative depth", OnePosition(R"({"label": "A", "depth": -1, "plan": {}})"),
     ": position 1 (\"A\"): \"depth\" must be a number of metres, 0 or more, not -1"},
    {"unknown field", OnePosition(R"({"label": "A", "depth": 1, "serial": 4})"),
     ": position 1 (\"A\"): unknown field \"serial\""},
    {"bad plan inside", OnePosition(R"({"label": "A", "depth": 1, "plan": {"moorplan-plan": 1, "days": 9}})"),
     ": position 1 (\"A\") plan: unknown field \"days\""},
    {"answer no page shows",
     OnePosition(R"({"label": "A", "depth": 1, "plan": {"moorplan-plan": 1}},
                    {"label": "B", "depth": 2, "plan": {"moorplan-plan": 1, "model": "Kelvo 610", "navg": 4}})"),
     ": position 2 (\"B\") plan: \"navg\" does not apply to this instrument"},
    {"duplicated key", OnePosition(R"({"label": "A", "depth": 1, "plan": {"moorplan-plan": 1, "pump": 1, "pump": 2}})"),
     ": \"positions\" row 1 \"plan\": \"pump\" is given twice"},
    {"number overflow", OnePosition(R"({"label": "A", "depth": 1e999})"),
     ": not a mooring: a number is too large (line 2, column 67)"},
};

TEST(MooringFile, EveryBadFileGetsOneLineNamingItAndThePosition)
{
    for (const CBadMooring& bad : kaBadMoorings) {
        SCOPED_TRACE(bad.szName);
        CMooringEvaluator evaluator;
        CMooring mooring;
        CMooringTable table;
        std::string strError;
        EXPECT_FALSE(MooringFile::Load(bad.strText, "K2.mooring", evaluator, mooring, table, strError));
        EXPECT_EQ(strError, "K2.mooring" + bad.strMessage);
        EXPECT_TRUE(mooring.m_aPositions.empty());
    }
    const std::string strHuge = fs::temp_directory_path() / ("moorplan-huge-" + std::to_string(getpid()) + ".mooring");
    std::ofstream(strHuge) << "{";
    fs::resize_file(strHuge, MooringFile::kMaxBytes + 1);
    CMooringEvaluator evaluator;
    CMooring mooring;
    CMooringTable table;
    std::string strError;
    EXPECT_FALSE(MooringFile::Open(strHuge, evaluator, mooring, table, strError));
    EXPECT_EQ(strError, strHuge + ": too large for a mooring (more than 4 MiB)");
    fs::remove(strHuge);
}

// What the program writes it reads back to the same bytes; a mooring the
// reader would refuse is not written, and a failed save leaves the old file.
TEST(MooringFile, SavesWhatItReadsAndNothingItWouldRefuse)
{
    const std::string strText = Slurp(kFive);
    CMooring mooring;
    std::string strError;
    ASSERT_TRUE(MooringFile::Parse(strText, "five", mooring, strError)) << strError;
    EXPECT_EQ(MooringFile::Text(mooring), strText);
    // A position's plan walked and taken off the pages again, as the wizard
    // opened on it and left unchanged hands it back, is the same plan.
    for (const CMooringPosition& position : mooring.m_aPositions) {
        CPlanAnswers taken;
        std::string strReport;
        ASSERT_EQ(RunPlan(position.m_plan, CWizardSwitches(), strReport, strError, &taken), kPlanDone);
        EXPECT_EQ(PlanFile::Text(taken), PlanFile::Text(position.m_plan)) << position.m_strLabel;
    }
    mooring.m_aPositions[1].m_dDepth = 12.25;
    mooring.m_aPositions[1].m_strLabel = "\xC3\xA9t\xC3\xA9\n\"2\"";
    CMooring again;
    ASSERT_TRUE(MooringFile::Parse(MooringFile::Text(mooring), "edited", again, strError)) << strError;
    EXPECT_EQ(MooringFile::Text(again), MooringFile::Text(mooring));

    const std::string strPath = fs::temp_directory_path() / ("moorplan-save-" + std::to_string(getpid()) + ".mooring");
    std::ofstream(strPath) << "old\n";
    mooring.m_recovery = CCivilDay{2025, 2, 28};
    EXPECT_FALSE(MooringFile::Save(strPath, mooring, strError));
    EXPECT_EQ(strError, strPath + ": the recovery day 2025-02-28 comes before the deployment day 2025-03-01; the file "
                                  "is unchanged");
    EXPECT_EQ(Slurp(strPath), "old\n");
    ASSERT_TRUE(MooringFile::Save(strPath, again, strError)) << strError;
    EXPECT_EQ(Slurp(strPath), MooringFile::Text(again));
    fs::remove(strPath);
    EXPECT_FALSE(MooringFile::Save("/nonexistent/m.mooring", again, strError));
    EXPECT_EQ(strError, "/nonexistent/m.mooring: the mooring could not be saved (No such file or directory); the file "
                        "is unchanged");
}

// A window edits the mooring by value and asks again: the table follows
// every edit, walking again only the plan that changed.
TEST(MooringTable, FollowsEditsOfPlansLabelsDaysAndOrder)
{
    CMooring mooring;
    std::string strError;
    ASSERT_TRUE(MooringFile::Parse(Slurp(kFive), "five", mooring, strError)) << strError;
    CMooringEvaluator evaluator;
    const CMooringTable before = evaluator.Evaluate(mooring);
    EXPECT_EQ(before.m_nFirstToRunOut, 3);

    mooring.m_aPositions[3].m_plan.Set("interval", "5");
    mooring.m_aPositions[3].m_strLabel = "short";
    std::swap(mooring.m_aPositions[0], mooring.m_aPositions[4]);
    const CMooringTable after = evaluator.Evaluate(mooring);
    EXPECT_EQ(after.m_aRows[4].m_pOutcome, before.m_aRows[0].m_pOutcome) << "a plan walked again";
    EXPECT_EQ(after.m_aRows[3].m_eState, EPositionState::Refused);
    EXPECT_EQ(after.m_strVerdict, "1 of 5 plans are refused, so there is no verdict: short");
    EXPECT_EQ(after.ExitStatus(), 1);

    mooring.m_aPositions.erase(mooring.m_aPositions.begin() + 3);
    mooring.m_recovery = mooring.m_deployed;
    const CMooringTable lasting = evaluator.Evaluate(mooring);
    EXPECT_EQ(lasting.m_strVerdict, "All 4 instruments last until recovery; the first to run out is SN 6101, 313 days after.");
    EXPECT_EQ(lasting.ExitStatus(), 0);
}

}  // namespace
