// The mooring file reader on any bytes: it must answer with a mooring or one
// line naming the file, never crash; what it accepts must give its table in
// each rendering, and write back to a document that reads back the same.
#include "MooringFile.h"
#include "MooringOutput.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    CWizardSwitches switches;
    switches.m_b485 = nSize % 2 == 1;
    CMooringEvaluator evaluator(switches);
    CMooring mooring;
    CMooringTable table;
    std::string strError;
    if (!MooringFile::Load(strText, "fuzz.mooring", evaluator, mooring, table, strError)) {
        if (strError.compare(0, 14, "fuzz.mooring: ") != 0 || strError.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    if (MooringOutput::Text(mooring, table).empty() || MooringOutput::Csv(mooring, table).empty()
        || MooringOutput::Json(mooring, table).empty() || table.ExitStatus() == 2)
        std::abort();
    const std::string strWritten = MooringFile::Text(mooring);
    CMooring reread;
    if (!MooringFile::Parse(strWritten, "written", reread, strError) || MooringFile::Text(reread) != strWritten)
        std::abort();
    return 0;
}
