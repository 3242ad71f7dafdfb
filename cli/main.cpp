// moorplan-report: plans a deployment from options exactly as the wizard's
// pages would, and prints the finish page's report.
#include "Diagnostics.h"
#include "PlanHelp.h"
#include "PlanOptions.h"
#include "PlanRunner.h"

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

    std::string strReport;
    std::string strMessage;
    const EPlanStatus eStatus = RunPlan(options, strReport, strMessage);
    switch (eStatus) {
    case kPlanDone:
        std::fwrite(strReport.data(), 1, strReport.size(), stdout);
        std::fputc('\n', stdout);
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
