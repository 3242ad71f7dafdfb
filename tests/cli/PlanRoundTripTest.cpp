#include "FirmwareCatalogue.h"
#include "InstrumentFactory.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "ReportProcess.h"
#include "WizardModel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

struct CVariant {
    int nModel;
    int nComm;
    int nFirmware;
};

// Every (model, communications, firmware) the catalogue offers: every variant.
std::vector<CVariant> AllVariants()
{
    const CFirmwareCatalogue catalogue;
    std::vector<CVariant> aVariants = {{0, -1, -1}};
    for (int nModel = 1; nModel < CFirmwareCatalogue::kModelRows; ++nModel)
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
        sheet.CurrentPage().Click(CCommsPageModel::CommButton(variant.nComm));
        sheet.CurrentPage().SelectEntry(CCommsPageModel::kFirmware, variant.nFirmware);
        sheet.Next();
    }
    CPlanAnswers sensors;
    sensors.AddAux({"Other", true, "0.015"});
    sensors.AddAux({"Other", true, "0.0025"});
    while (sheet.CurrentPage().Kind() != EPageKind::Finish) {
        CPageModel& page = sheet.CurrentPage();
        if (page.Kind() == EPageKind::PressureSelect) {
            const int nLast = static_cast<int>(page.Control(CPressureSelectPageModel::kSensor).m_astrItems.size()) - 1;
            page.SelectEntry(CPressureSelectPageModel::kSensor, nLast);
        }
        ReapplyPageAnswers(page, sensors);
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
        const CPageResult result = sheet.Next();
        ASSERT_EQ(result.m_strMessage, "") << "page " << static_cast<int>(page.Kind());
        ASSERT_FALSE(result.m_bStay);
    }
}

const std::string kSessionPlan = "/tmp/moorplan-session-" + std::to_string(getpid()) + ".moorplan";
const std::string kReportPlan = "/tmp/moorplan-report-" + std::to_string(getpid()) + ".moorplan";

// A plan saved in a session reports the same in moorplan-report, which reads
// and walks it as the wizard opens a plan, and saves it again as the same plan.
TEST(PlanRoundTrip, EveryVariantsPlanGoesFromASessionToMoorplanReportAndBack)
{
    const std::vector<CVariant> aVariants = AllVariants();
    ASSERT_EQ(static_cast<int>(aVariants.size()), VariantCount());
    for (const CVariant& v : aVariants) {
        SCOPED_TRACE(std::to_string(v.nModel) + "/" + std::to_string(v.nComm) + "/" + std::to_string(v.nFirmware));
        CWizardSwitches switches;
        switches.m_b485 = true;
        CSheetModel sheet(switches);
        WalkSession(sheet, v);
        const CPlanAnswers captured = CapturePlan(sheet);
        std::string strMessage;
        ASSERT_TRUE(PlanFile::Save(kSessionPlan, captured, strMessage)) << strMessage;

        const CReportRun run = RunReport({"--plan", kSessionPlan, "--485Nereids", "--save-plan", kReportPlan});
        EXPECT_EQ(run.nStatus, 0) << run.strErr;
        EXPECT_EQ(run.strOut, sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText + "\n");

        CPlanAnswers saved;
        ASSERT_TRUE(PlanFile::Read(kReportPlan, saved, strMessage)) << strMessage;
        EXPECT_EQ(PlanFile::Text(saved), PlanFile::Text(captured));
    }
    std::remove(kSessionPlan.c_str());
    std::remove(kReportPlan.c_str());
}

}  // namespace
