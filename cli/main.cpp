// moorplan-report: plans a deployment from options exactly as the wizard's
// pages would, and prints the finish page's report.
#include "CommandLineInfo.h"
#include "Diagnostics.h"
#include "FinishReport.h"
#include "OptionParser.h"
#include "OptionTable.h"
#include "PlanFile.h"
#include "PlanHelp.h"
#include "PlanRunner.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    CPlanOptions options;
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

    CMoorplanCommandLineInfo switches;
    switches.m_bTest = options.m_bTest;
    switches.m_b485 = options.m_b485;
    const bool bSave = options.Has(kSavePlanOption);
    std::string strReport;
    std::string strMessage;
    CPlanAnswers saved;
    EPlanStatus eStatus = RunPlan(options.m_answers, switches, strReport, strMessage, bSave ? &saved : nullptr);
    if (eStatus == kPlanDone && bSave && !PlanFile::Save(options.Value(kSavePlanOption), saved, strMessage))
        eStatus = kPlanUsageError;
    switch (eStatus) {
    case kPlanDone: {
        const std::string strFile = FinishReport::ExportText(strReport);
        std::fwrite(strFile.data(), 1, strFile.size(), stdout);
        break;
    }
    case kPlanRefused:
        std::fprintf(stderr, "%s\n", strMessage.c_str());
        break;
    case kPlanUsageError:
        std::fprintf(stderr, "moorplan-report: %s\n", strMessage.c_str());
        break;
    }
    return eStatus;
}
