// moorplan-report: plans a deployment from options exactly as the wizard's
// pages would, and prints the finish page's report.
#include "CommandLineInfo.h"
#include "Diagnostics.h"
#include "PlanFile.h"
#include "PlanOptions.h"
#include "PlanRunner.h"

#include <cstdio>
#include <string>

namespace {

const char* const kHelp =
    "Usage: moorplan-report [--model M] [--comm C] [--firmware F] [page answers...]\n"
    "                       [--plan FILE] [--save-plan FILE]\n"
    "                       [--test] [--485Nereids] [--trace]\n"
    "\n"
    "Answers the wizard's pages from options, in page order, and prints the finish\n"
    "page's report (the text \"View in Notepad\" would write).\n"
    "\n"
    "A choice is the entry's index in the page's list (0 = first) or its text, in any\n"
    "letter case, surrounding blanks ignored. A number is the text a person would\n"
    "type into the field, read as the page reads it. Options are written\n"
    "--name VALUE or --name=VALUE; a repeated option keeps its last value.\n"
    "\n"
    "  --model M               instrument model (default: Kelvo 620)\n"
    "  --comm C                \"RS 232\", \"RS 485\", \"Inductive Modem\" or 0..2\n"
    "  --firmware F            firmware revision\n"
    "  --pressure-sensor S     pressure sensor\n"
    "  --paros-time N          Paros integration time (sec)\n"
    "  --pump P                pump (Kelvo 610/620/630)\n"
    "  --pump-mode 1|2         pump mode button\n"
    "  --interval N            sample interval in seconds\n"
    "  --ncycles N             measurements per sample (Kelvo 610/620/630)\n"
    "  --navg N                NAvg or NCycle (Kelvo 700)\n"
    "  --delay X               delay before sampling (seconds)\n"
    "  --sampling KIND         Kelvo 700: autonomous, polled, serial-sync;\n"
    "                          Kelvo 710: interval, continuous, polled-low, polled-high\n"
    "  --transmit-real-time on|off, --receive-line-valid on|off   Kelvo 700 check boxes\n"
    "  --instruments-queried N, --comms-per-hour N   the shared line's query figures\n"
    "  --aux TYPE[=CURRENT]    one auxiliary sensor row each time, in row order;\n"
    "                          CURRENT (amps) is typed for a sensor of another maker\n"
    "  --battery B             battery type\n"
    "  --temperature X         deployment temperature (deg C)\n"
    "  --pressure X            deployment pressure (decibars)\n"
    "  --tau20 X               oxygen sensor Tau20 (seconds)\n"
    "  --plan FILE             the answers of a plan file (.moorplan); options before\n"
    "                          it give way to the file, options after it override it\n"
    "  --save-plan FILE        once the report is done, write the plan of the run\n"
    "                          (every answer the pages hold) to FILE\n"
    "  --test                  append the table of sample interval against days\n"
    "  --485Nereids            offer RS 485 for the Kelvo 700 without oxygen\n"
    "  --trace                 write the diagnostic lines to standard error\n"
    "  --help                  show this text\n"
    "\n"
    "Exit status: 0 report printed; 1 a page refused an entry (its message on\n"
    "standard error); 2 usage error, or a plan file that cannot be read or saved.\n"
    "\n"
    "Example:\n"
    "  moorplan-report --model \"Kelvo 700 - Integral Pump\" --comm \"RS 232\" \\\n"
    "      --firmware \"3.0 and higher, less than 4.0\" --pressure-sensor \"Strain gauge\" \\\n"
    "      --interval 600 --sampling autonomous --battery \"AA Lithium\"\n";

}  // namespace

int main(int argc, char** argv)
{
    CPlanOptions options;
    std::string strError;
    if (!ParsePlanOptions(argc, argv, options, strError)) {
        std::fprintf(stderr, "moorplan-report: %s\n", strError.c_str());
        return kPlanUsageError;
    }
    if (options.m_bHelp) {
        std::fputs(kHelp, stdout);
        return kPlanDone;
    }
    if (options.m_bTrace)
        Diagnostics::SetSink([](const std::string& strText) { std::fwrite(strText.data(), 1, strText.size(), stderr); });

    CMoorplanCommandLineInfo switches;
    switches.m_bTest = options.m_bTest;
    switches.m_b485 = options.m_b485;
    std::string strReport;
    std::string strMessage;
    CPlanAnswers saved;
    EPlanStatus eStatus =
        RunPlan(options.m_answers, switches, strReport, strMessage, options.m_strSavePlan.empty() ? nullptr : &saved);
    if (eStatus == kPlanDone && !options.m_strSavePlan.empty()) {
        if (!PlanFile::Save(options.m_strSavePlan, saved, strMessage))
            eStatus = kPlanUsageError;
    }
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
