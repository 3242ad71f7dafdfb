#include "FirmwareCatalogue.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "ReportProcess.h"
#include "WizardModel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

using Args = std::vector<std::string>;

struct CVariant {
    int nModel;
    int nComm;
    int nFirmware;
};

// Every (model, communications, firmware) the catalogue offers: the 38 variants.
std::vector<CVariant> AllVariants()
{
    const CFirmwareCatalogue catalogue;
    std::vector<CVariant> aVariants = {{0, -1, -1}};
    for (int nModel = 1; nModel < 7; ++nModel)
        for (int nComm = 0; nComm < CFirmwareCatalogue::kCommColumns; ++nComm)
            for (int nFirmware = 0; nFirmware < catalogue.GetRevisionCount(nModel, nComm); ++nFirmware)
                aVariants.push_back({nModel, nComm, nFirmware});
    return aVariants;
}

// What a person types into the fields a page shows, other than their defaults.
const std::pair<const char*, const char*> kaTyped[] = {
    {"interval", "1200"},  {"ncycles", "2"},         {"navg", "2"},           {"delay", "2.5"}, {"instruments-queried", "3"},
    {"comms-per-hour", "4"}, {"temperature", "7.5"}, {"pressure", "1500"}, {"tau20", "5.5"},
};

// A person's run: the variant, then on each page new texts in the fields it
// shows, the last pressure sensor and two auxiliary sensors of another maker
// where offered, Next until the finish page.
void WalkSession(CSheetModel& sheet, const CVariant& variant)
{
    sheet.Start();
    sheet.CurrentPage().Click(CIntroPageModel::ModelButton(variant.nModel));
    sheet.Next();
    if (variant.nModel != 0) {
        sheet.CurrentPage().Click(CMoorModelPageModel::CommButton(variant.nComm));
        sheet.CurrentPage().SelectEntry(CMoorModelPageModel::kFirmware, variant.nFirmware);
        sheet.Next();
    }
    while (sheet.CurrentPage().Kind() != EPageKind::Finish) {
        CPageModel& page = sheet.CurrentPage();
        switch (page.Kind()) {
        case EPageKind::PressureSelect: {
            const int nLast = static_cast<int>(page.Control(CPressureSelectPageModel::kSensor).m_astrItems.size()) - 1;
            page.SelectEntry(CPressureSelectPageModel::kSensor, nLast);
            break;
        }
        case EPageKind::SensorList: {
            using Sensors = CSensorListPageModel;
            if (page.Control(Sensors::kCount).m_astrItems.size() < 3)
                break;
            page.SelectEntry(Sensors::kCount, 2);
            for (int k = 0; k < 2; ++k) {
                const int nLast = static_cast<int>(page.Control(Sensors::TypeId(k)).m_astrItems.size()) - 1;
                page.SelectEntry(Sensors::TypeId(k), nLast);
                page.TypeText(Sensors::CurrentId(k), k == 0 ? "0.015" : "0.0025");
            }
            break;
        }
        default: {
            // Each typed where the page shows its field; 1200 s is beyond a few variants' limits.
            const CInstrument& instrument = *sheet.Instrument();
            const bool bIntervalFits = instrument.m_nMinSampleInterval <= 1200 && 1200 <= instrument.m_nMaxSampleInterval;
            for (const auto& answer : kaTyped) {
                CPlanAnswers typed;
                typed.Set(answer.first, bIntervalFits || std::string(answer.first) != "interval"
                                            ? answer.second
                                            : std::to_string(instrument.m_nMinSampleInterval));
                ReapplyPageAnswers(page, typed);
            }
        }
        }
        const CPageResult result = sheet.Next();
        ASSERT_EQ(result.m_strMessage, "") << "page " << static_cast<int>(page.Kind());
        ASSERT_FALSE(result.m_bStay);
    }
}

std::string FinishReport(const CSheetModel& sheet)
{
    return sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText;
}

std::string VariantName(const CVariant& v)
{
    return std::to_string(v.nModel) + "/" + std::to_string(v.nComm) + "/" + std::to_string(v.nFirmware);
}

const std::string kPlanPath = "/tmp/moorplan-roundtrip-" + std::to_string(getpid()) + ".moorplan";

TEST(PlanRoundTrip, EveryVariantSavedInASessionReportsTheSameInMoorplanReport)
{
    const std::vector<CVariant> aVariants = AllVariants();
    ASSERT_EQ(aVariants.size(), 38u);
    for (std::size_t i = 0; i < aVariants.size(); ++i) {
        const bool bTest = i % 2 == 1;
        CMoorplanCommandLineInfo switches;
        switches.m_bTest = bTest;
        switches.m_b485 = true;
        CSheetModel sheet(switches);
        WalkSession(sheet, aVariants[i]);
        std::string strError;
        ASSERT_TRUE(PlanFile::Save(kPlanPath, CapturePlan(sheet), strError)) << strError;
        std::vector<std::string> astrArgs = {"--plan", kPlanPath, "--485Nereids"};
        if (bTest)
            astrArgs.push_back("--test");
        const CReportRun run = RunReport(astrArgs);
        EXPECT_EQ(run.nStatus, 0) << VariantName(aVariants[i]) << ": " << run.strErr;
        EXPECT_EQ(run.strOut, FinishReport(sheet) + "\n") << VariantName(aVariants[i]);
    }
    std::remove(kPlanPath.c_str());
}

TEST(PlanRoundTrip, EveryVariantSavedByMoorplanReportOpensInASessionWithTheSameReport)
{
    for (const CVariant& variant : AllVariants()) {
        std::vector<std::string> astrArgs = {"--model", std::to_string(variant.nModel), "--485Nereids", "--save-plan",
                                             kPlanPath};
        if (variant.nModel != 0)
            astrArgs.insert(astrArgs.end(), {"--comm", std::to_string(variant.nComm), "--firmware",
                                             std::to_string(variant.nFirmware)});
        // The deployment conditions have no defaults; only some variants ask for them.
        CReportRun run = RunReport(astrArgs);
        for (const Args& aDeployment : {Args{"--temperature", "10"}, Args{"--pressure", "1500", "--tau20", "5.5"}}) {
            if (run.nStatus != 1)
                break;
            astrArgs.insert(astrArgs.end(), aDeployment.begin(), aDeployment.end());
            run = RunReport(astrArgs);
        }
        ASSERT_EQ(run.nStatus, 0) << VariantName(variant) << ": " << run.strErr;

        // Opened as the wizard opens a plan: the file read, the pages walked.
        CPlanAnswers answers;
        std::string strMessage;
        ASSERT_TRUE(PlanFile::Read(kPlanPath, answers, strMessage)) << strMessage;
        CMoorplanCommandLineInfo switches;
        switches.m_b485 = true;
        CSheetModel sheet(switches);
        ASSERT_EQ(ReplayPlan(sheet, answers, strMessage), kPlanDone) << VariantName(variant) << ": " << strMessage;
        EXPECT_EQ(FinishReport(sheet) + "\n", run.strOut) << VariantName(variant);
        // Saving the opened plan again writes the same file.
        CPlanAnswers reopened;
        ASSERT_TRUE(PlanFile::Read(kPlanPath, reopened, strMessage));
        EXPECT_EQ(PlanFile::Text(CapturePlan(sheet)), PlanFile::Text(reopened)) << VariantName(variant);
    }
    std::remove(kPlanPath.c_str());
}

TEST(PlanRoundTrip, OptionsAfterThePlanOverrideItAndBadFilesExitWithStatusTwo)
{
    {
        FILE* pFile = std::fopen(kPlanPath.c_str(), "w");
        std::fputs("{\"moorplan-plan\": 1, \"model\": \"Kelvo 700 - Integral Pump\", \"interval\": 600}\n", pFile);
        std::fclose(pFile);
    }
    const CReportRun after = RunReport({"--interval", "900", "--plan", kPlanPath, "--interval", "1200"});
    EXPECT_EQ(after.nStatus, 0) << after.strErr;
    EXPECT_NE(after.strOut.find("Sample Interval = 1200\r\n"), std::string::npos);
    const CReportRun before = RunReport({"--interval", "900", "--plan", kPlanPath});
    EXPECT_NE(before.strOut.find("Sample Interval = 600\r\n"), std::string::npos);

    const CReportRun refused = RunReport({"--plan", kPlanPath, "--interval", "5"});
    EXPECT_EQ(refused.nStatus, 1);
    EXPECT_EQ(refused.strErr, "Sample interval must be between 6 and 14400 seconds.\n");

    const CReportRun wrongPath = RunReport({"--plan", kPlanPath, "--ncycles", "3"});
    EXPECT_EQ(wrongPath.nStatus, 2);
    EXPECT_EQ(wrongPath.strErr, "moorplan-report: --ncycles does not apply to this instrument\n");

    const CReportRun missing = RunReport({"--plan", kPlanPath + ".gone"});
    EXPECT_EQ(missing.nStatus, 2);
    EXPECT_EQ(missing.strErr, "moorplan-report: " + kPlanPath + ".gone: cannot be read (No such file or directory)\n");

    const CReportRun unsaved = RunReport({"--plan", kPlanPath, "--save-plan", "/nonexistent-folder/p.moorplan"});
    EXPECT_EQ(unsaved.nStatus, 2);
    EXPECT_EQ(unsaved.strOut, "");
    EXPECT_EQ(unsaved.strErr, "moorplan-report: /nonexistent-folder/p.moorplan: the plan could not be saved "
                              "(No such file or directory); the file is unchanged\n");
    std::remove(kPlanPath.c_str());
}

}  // namespace
