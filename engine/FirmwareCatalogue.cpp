#include "FirmwareCatalogue.h"

#include "InstrumentCodes.h"

namespace {

struct CFirmwareCell {
    int nModel;
    int nComm;
    std::vector<const char*> aszRevisions;
};

using namespace ModelIndex;
using namespace CommIndex;

// Cells not listed offer no revision. The texts are what the list shows; the
// reports word the same revisions their own way in the variants'
// descriptions (Kelvo700Table: "...\r\nNo External Power Option" against
// ", no external power option" here). Both wordings are fixed: keep them apart.
const CFirmwareCell kCells[] = {
    {k610, kRs232, {"all revisions"}},
    {k620, kRs232, {"1.8c or less", "2.0 or higher"}},
    {k620, kRs485, {"1.2 or less"}},
    {k620, kModem, {"1.2c or less", "2.0 or higher"}},
    {k630, kRs232, {"1.6b or less", "2.0 or higher"}},
    {k700NoPump, kRs232, {"1.6 or less", "2.0 and higher, less than 2.6",
            "2.6 and higher, less than 3.0, no external power option",
            "2.6 and higher, less than 3.0, with external power option", "3.0 and higher"}},
    {k700NoPump, kRs485, {"1.3 and less", "2.0 and higher, less than 3.0", "3.0 and higher"}},
    {k700NoPump, kModem, {"1.4 and lower", "2.0 and higher, less than 3.0", "3.0 and higher"}},
    {k700Pump, kRs232, {"less than 2.6", "2.6 and higher, less than 3.0, no external power option",
            "2.6 and higher, less than 3.0, with external power option", "3.0 and higher, less than 4.0",
            "4.0 and higher"}},
    {k700Pump, kRs485, {"less than 2.3", "2.3 or higher, less than 3.0", "3.0 and higher"}},
    {k700Pump, kModem, {"2.0 and higher, less than 3.0", "3.0 and higher, leas than 4.0", "4.0 and higher"}},
    {k700PumpOxygen, kRs232, {"1.0 and higher"}},
    {k700PumpOxygen, kModem, {"4.0 (prototype version, 2009)", "1.1 and higher (production version, 2010 & later)"}},
    {k710, kRs232, {"less than 2.0", "2.0 and higher, less than 3.1", "3.1 or higher"}},
    {k710, kModem, {"less than 1.1", "1.1 and higher"}},
};

bool IsInTable(int nModelIndex, int nCommIndex)
{
    return nModelIndex >= 0 && nModelIndex < CFirmwareCatalogue::kModelRows && nCommIndex >= 0 &&
           nCommIndex < CFirmwareCatalogue::kCommColumns;
}

}  // namespace

CFirmwareCatalogue::CFirmwareCatalogue()
{
    for (const CFirmwareCell& cell : kCells)
        m_aastrRevisions[cell.nModel][cell.nComm].assign(cell.aszRevisions.begin(), cell.aszRevisions.end());
}

const std::vector<std::string>& CFirmwareCatalogue::GetRevisions(int nModelIndex, int nCommIndex) const
{
    static const std::vector<std::string> kNone;
    return IsInTable(nModelIndex, nCommIndex) ? m_aastrRevisions[nModelIndex][nCommIndex] : kNone;
}

int CFirmwareCatalogue::GetRevisionCount(int nModelIndex, int nCommIndex) const
{
    return static_cast<int>(GetRevisions(nModelIndex, nCommIndex).size());
}

int CFirmwareCatalogue::GetNewestRevision(int nModelIndex, int nCommIndex) const
{
    const int nCount = GetRevisionCount(nModelIndex, nCommIndex);
    return nCount > 0 ? nCount - 1 : 0;
}

std::string CFirmwareCatalogue::GetRevision(int nModelIndex, int nCommIndex, int nFirmwareIndex) const
{
    const std::vector<std::string>& astrRevisions = GetRevisions(nModelIndex, nCommIndex);
    if (nFirmwareIndex < 0 || nFirmwareIndex >= static_cast<int>(astrRevisions.size()))
        return std::string();
    return astrRevisions[static_cast<size_t>(nFirmwareIndex)];
}
