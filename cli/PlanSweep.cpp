#include "PlanSweep.h"

#include "CsvField.h"
#include "FinishInsight.h"
#include "Instrument.h"
#include "OptionTable.h"
#include "SheetModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <thread>
#include <vector>

namespace {

// More rows than anyone plots: a typing slip in STEP should not run for hours.
constexpr double kMostRows = 1000000.0;

struct CSweep {
    std::string strName;
    double dStart;
    double dStop;
    double dStep;
    long long nCount;
};

bool ReadNumber(const std::string& strText, double& dValue)
{
    char* pEnd = nullptr;
    dValue = std::strtod(strText.c_str(), &pEnd);
    return !strText.empty() && *pEnd == '\0' && std::isfinite(dValue);
}

bool ParseSweep(const std::string& strSpec, CSweep& sweep, std::string& strError)
{
    const auto nEquals = strSpec.find('=');
    const auto nColon1 = strSpec.find(':', nEquals == std::string::npos ? 0 : nEquals);
    const auto nColon2 = nColon1 == std::string::npos ? std::string::npos : strSpec.find(':', nColon1 + 1);
    if (nEquals == std::string::npos || nColon2 == std::string::npos) {
        strError = "--sweep: '" + strSpec + "' is not NAME=START:STOP:STEP";
        return false;
    }
    sweep.strName = strSpec.substr(0, nEquals);
    if (std::find(std::begin(kSweepNames), std::end(kSweepNames), sweep.strName) == std::end(kSweepNames)) {
        strError = "--sweep: '" + sweep.strName + "' cannot be swept (interval or temperature)";
        return false;
    }
    if (!ReadNumber(strSpec.substr(nEquals + 1, nColon1 - nEquals - 1), sweep.dStart) ||
        !ReadNumber(strSpec.substr(nColon1 + 1, nColon2 - nColon1 - 1), sweep.dStop) ||
        !ReadNumber(strSpec.substr(nColon2 + 1), sweep.dStep)) {
        strError = "--sweep: START, STOP and STEP of '" + strSpec + "' must be numbers";
        return false;
    }
    if (sweep.dStep <= 0.0 || sweep.dStop < sweep.dStart) {
        strError = "--sweep: STEP must be above 0 and STOP not below START";
        return false;
    }
    // A hair of tolerance, so that 0:1:0.1 reaches 1 despite the binary fractions.
    const double dCount = std::floor((sweep.dStop - sweep.dStart) / sweep.dStep + 1e-9) + 1.0;
    if (dCount > kMostRows) {
        strError = "--sweep: more than 1000000 values";
        return false;
    }
    sweep.nCount = static_cast<long long>(dCount);
    return true;
}

// The value as a person would type it: whole numbers without a point, others
// with every digit that tells the double apart.
std::string ValueText(double dValue)
{
    char szText[64];
    if (dValue == std::floor(dValue) && std::fabs(dValue) < 1e15)
        std::snprintf(szText, sizeof szText, "%.0f", dValue);
    else
        std::snprintf(szText, sizeof szText, "%.17g", dValue);
    return szText;
}

// The rows of the values nFirst .. nEnd - 1, or the usage error that stopped them.
struct CSweepPart {
    long long nFirst = 0;
    long long nEnd = 0;
    std::string strRows;
    EPlanStatus eStatus = kPlanDone;
    std::string strMessage;
};

void RunSweepPart(const CSweep& sweep, const CPlanAnswers& answers, const CWizardSwitches& switches, CSweepPart& part)
{
    CPlanAnswers plan = answers;
    for (long long i = part.nFirst; i < part.nEnd; ++i) {
        const std::string strValue = ValueText(sweep.dStart + static_cast<double>(i) * sweep.dStep);
        plan.Set(sweep.strName, strValue);
        double dDays = 0.0;
        std::string strRefusal;
        const EPlanStatus eStatus = RunPlan(plan, switches, strRefusal, [&dDays](CSheetModel& sheet) {
            CInstrument& instrument = *sheet.Instrument();
            dDays = instrument.CalculateEndurance(instrument.m_nSampleInterval);
        });
        if (eStatus == kPlanUsageError) {
            part.eStatus = eStatus;
            part.strMessage = strRefusal;
            return;
        }
        char szDays[64] = "";
        if (eStatus == kPlanDone)
            std::snprintf(szDays, sizeof szDays, "%.17g", dDays);
        part.strRows += strValue + "," + szDays + "," + CsvField(strRefusal) + "\n";
    }
}

}  // namespace

EPlanStatus RunSweep(const CReportOptions& options, std::string& strCsv, std::string& strMessage)
{
    const CWizardSwitches switches = options.Switches();
    CSweep sweep;
    if (!ParseSweep(options.Value(kSweepOption), sweep, strMessage))
        return kPlanUsageError;
    // The values are independent plans: the cores share them out in runs of
    // neighbouring values, and the rows are joined in order. Traced lines
    // would interleave, so a traced sweep keeps to one thread.
    const long long nThreads = options.m_bTrace ? 1 : std::clamp<long long>(std::thread::hardware_concurrency(), 1, 8);
    const long long nPerThread = (sweep.nCount + nThreads - 1) / nThreads;
    std::vector<CSweepPart> aParts(static_cast<std::size_t>(nThreads));
    std::vector<std::thread> aThreads;
    for (long long t = 0; t < nThreads; ++t) {
        CSweepPart& part = aParts[static_cast<std::size_t>(t)];
        part.nFirst = t * nPerThread;
        part.nEnd = std::min(sweep.nCount, part.nFirst + nPerThread);
        if (t == 0)
            continue;   // this thread's own share, below
        aThreads.emplace_back([&sweep, &options, &switches, &part] {
            RunSweepPart(sweep, options.m_answers, switches, part);
        });
    }
    RunSweepPart(sweep, options.m_answers, switches, aParts.front());
    for (std::thread& thread : aThreads)
        thread.join();

    strCsv = sweep.strName + ",days,message\n";
    for (const CSweepPart& part : aParts) {
        if (part.eStatus == kPlanUsageError) {
            strMessage = part.strMessage;
            return kPlanUsageError;
        }
        strCsv += part.strRows;
    }
    return kPlanDone;
}
