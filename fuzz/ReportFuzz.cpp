// moorplan-report in-process: the bytes split at NUL into the arguments after
// the program name, parsed and, when they parse, planned to the report. A plan
// is never saved here: the fuzzer must not write files of its own choosing.
#include "Diagnostics.h"
#include "OptionParser.h"
#include "PlanRunner.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Diagnostics::SetSink([](const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::vector<std::string> astrArgs{"moorplan-report"};
    std::string strArg;
    for (std::size_t i = 0; i < nSize; ++i) {
        if (pData[i] == 0) {
            astrArgs.push_back(strArg);
            strArg.clear();
        } else {
            strArg += static_cast<char>(pData[i]);
        }
    }
    astrArgs.push_back(strArg);
    std::vector<const char*> aArgv;
    for (const std::string& str : astrArgs)
        aArgv.push_back(str.c_str());
    aArgv.push_back(nullptr);

    CReportOptions options;
    std::string strError;
    if (!ParsePlanOptions(static_cast<int>(astrArgs.size()), aArgv.data(), options, strError)) {
        if (strError.empty())
            std::abort();
        return 0;
    }
    std::string strReport;
    std::string strMessage;
    switch (RunPlan(options.m_answers, options.Switches(), strMessage, strReport)) {
    case kPlanDone:
        if (strReport.rfind("Moorplan 1.3\r\n", 0) != 0 || strReport.find("Battery Endurance is: ") == std::string::npos)
            std::abort();
        break;
    case kPlanRefused:
    case kPlanUsageError:
        if (strMessage.empty())
            std::abort();
        break;
    }
    return 0;
}
