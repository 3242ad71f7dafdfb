// moorplan-report: plans a deployment from options exactly as the wizard's
// pages would, and prints the finish page's report.
#include "Diagnostics.h"
#include "PlanHelp.h"
#include "PlanJson.h"
#include "PlanOptions.h"
#include "PlanRunner.h"
#include "PlanSweep.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    CPlanOptions options;
    std::string strError;
    if (!ParsePlanOptions(argc, argv, options, strError)) {
        std::fprintf(stderr, "moorplan-report: %s (see --help)\n", strError.c_str());
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
    EPlanStatus eStatus;
    if (options.Has("sweep") && (options.m_bJson || options.m_bTest)) {
        strMessage = "--sweep prints no report: --json and --test do not go with it";
        eStatus = kPlanUsageError;
    } else if (options.Has("sweep")) {
        eStatus = RunSweep(options, strOutput, strMessage);
    } else if (options.m_bJson) {
        std::string strReport;
        eStatus = RunPlan(options, strReport, strMessage, [&](CSheetModel& sheet) {
            strOutput = PlanJson(sheet, strReport, options.m_bTest) + "\n";
        });
    } else {
        eStatus = RunPlan(options, strOutput, strMessage);
        strOutput += "\n";
    }
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
