// moorplan-report: plans a deployment from options exactly as the wizard's
// pages would, and prints the finish page's report.
#include "Diagnostics.h"
#include "FinishPageModel.h"
#include "FinishReport.h"
#include "MooringReport.h"
#include "OptionParser.h"
#include "OptionTable.h"
#include "PlanFile.h"
#include "PlanHelp.h"
#include "PlanJson.h"
#include "PlanRunner.h"
#include "PlanSweep.h"
#include "SheetModel.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    CReportOptions options;
    std::string strError;
    if (!ParsePlanOptions(argc, argv, options, strError)) {
        std::fprintf(stderr, "moorplan-report: %s\n", strError.c_str());
        return kPlanUsageError;
    }
    if (options.m_bHelp) {
        std::fputs(PlanHelpText().c_str(), stdout);
        return kPlanDone;
    }
    if (options.m_bTrace)
        Diagnostics::SetSink([](const std::string& strText) { std::fwrite(strText.data(), 1, strText.size(), stderr); });

    std::string strOutput;
    std::string strMessage;
    if (options.Has(kMooringOption)) {
        const int nStatus = RunMooring(options, strOutput, strMessage);
        std::fwrite(strOutput.data(), 1, strOutput.size(), stdout);
        if (nStatus == kPlanUsageError)
            std::fprintf(stderr, "moorplan-report: %s\n", strMessage.c_str());
        return nStatus;
    }
    if (options.m_bCsv) {
        std::fprintf(stderr, "moorplan-report: --csv goes with --mooring only\n");
        return kPlanUsageError;
    }
    CPlanAnswers saved;
    EPlanStatus eStatus;
    if (options.Has(kSweepOption) && (options.m_bJson || options.m_bTest || options.Has(kSavePlanOption))) {
        strMessage = "--sweep prints no report: --json, --test and --save-plan do not go with it";
        eStatus = kPlanUsageError;
    } else if (options.Has(kSweepOption)) {
        eStatus = RunSweep(options, strOutput, strMessage);
    } else {
        eStatus = RunPlan(options.m_answers, options.Switches(), strMessage, [&](CSheetModel& sheet) {
            saved = CapturePlan(sheet);
            strOutput = options.m_bJson
                            ? PlanJson(sheet, saved, options.m_bTest) + "\n"
                            : FinishReport::ExportText(sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText);
        });
    }
    if (eStatus == kPlanDone && options.Has(kSavePlanOption) &&
        !PlanFile::Save(options.Value(kSavePlanOption), saved, strMessage))
        eStatus = kPlanUsageError;
    switch (eStatus) {
    case kPlanDone:
        std::fwrite(strOutput.data(), 1, strOutput.size(), stdout);
        break;
    case kPlanRefused:
        std::fprintf(stderr, "%s\n", strMessage.c_str());
        break;
    case kPlanUsageError:
        std::fprintf(stderr, "moorplan-report: %s\n", strMessage.c_str());
        break;
    }
    return eStatus;
}
