// The plan file reader on any bytes: it must answer with the answers or one
// line naming the file, never crash; what it accepts must walk the pages
// without a crash, and write back to a document that reads back the same.
// The text comes straight from memory: reading a file sets aside room for
// the largest plan each time, which would set the pace of the run.
#include "PlanFile.h"
#include "PlanRunner.h"
#include "SheetModel.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    CPlanAnswers answers;
    std::string strError;
    if (!PlanFile::Parse(strText, "fuzz.moorplan", answers, strError)) {
        if (strError.compare(0, 15, "fuzz.moorplan: ") != 0 || strError.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    const std::string strWritten = PlanFile::Text(answers);
    CPlanAnswers reread;
    if (!PlanFile::Parse(strWritten, "written", reread, strError) || PlanFile::Text(reread) != strWritten)
        std::abort();
    CWizardSwitches switches;
    switches.m_b485 = nSize % 2 == 1;
    std::string strReport;
    std::string strMessage;
    if (RunPlan(answers, switches, strMessage, strReport) == kPlanDone && strReport.empty())
        std::abort();
    return 0;
}
