#include "FinishReport.h"

#include "Diagnostics.h"
#include "Instrument.h"
#include "StrFormat.h"

namespace FinishReport {
namespace {

std::string TrimRight(std::string strText)
{
    const auto nEnd = strText.find_last_not_of(" \t\r\n\v\f");
    strText.erase(nEnd == std::string::npos ? 0 : nEnd + 1);
    return strText;
}

// Days targets of the table: 1..9, 10..90, 100..3600.
template <typename Visit>
void ForEachTarget(Visit visit)
{
    for (int nDays = 1; nDays < 10; ++nDays)
        visit(nDays);
    for (int nDays = 10; nDays < 100; nDays += 10)
        visit(nDays);
    for (int nDays = 100; nDays < 3650; nDays += 100)
        visit(nDays);
}

CIntervalRow IntervalRow(CInstrument& instrument, int nDays)
{
    const int nInterval = instrument.IntervalForDays(nDays);
    // At the longest interval the target may still be out of reach.
    const bool bReachable =
        nInterval < instrument.m_nMaxSampleInterval || nDays < instrument.CalculateEndurance(nInterval);
    return {nDays, nInterval, bReachable};
}

}  // namespace

std::string CatalogueEntry(const CInstrument& instrument)
{
    std::string strEntry = StrFormat("\t<Instrument model='%d' comm='%d' rev='%d'>\r\n", instrument.m_nModelIndex,
                                     instrument.m_nCommIndex, instrument.m_nFirmwareIndex);
    static const std::string kModelPrefix = "Model = ";
    std::string strText = instrument.m_strDescription;
    if (strText.compare(0, kModelPrefix.size(), kModelPrefix) == 0)
        strText.erase(0, kModelPrefix.size());
    strText = TrimRight(strText);
    const auto nBreak = strText.find("\r\n");
    if (nBreak != std::string::npos && nBreak > 0) {
        strEntry += "\t\t<!-- " + strText.substr(0, nBreak) + " -->\r\n";
        strEntry += "\t\t<!-- " + strText.substr(nBreak + 2) + " -->\r\n";
    } else {
        strEntry += "\t\t<!-- " + strText + " -->\r\n";
    }
    strEntry += "\t\t<Manual>  </Manual>\r\n\t</Instrument>\r\n";
    return strEntry;
}

std::string SampleIntervalSection(CInstrument& instrument)
{
    std::string strSection = StrFormat(
        "\r\n===============================\r\nSample interval minimum = %d\r\nSample interval maximum = %d",
        instrument.m_nMinSampleInterval, instrument.m_nMaxSampleInterval);
    strSection += "\r\n===============================\r\nDays\tSample Interval\r\n";
    for (const CIntervalRow& row : SampleIntervalRows(instrument)) {
        strSection += StrFormat("%d\t", row.nDays) +
                      (row.bReachable ? StrFormat("%d", row.nInterval) : std::string("*****")) + "\r\n";
    }
    return strSection;
}

std::vector<CIntervalRow> SampleIntervalRows(CInstrument& instrument)
{
    std::vector<CIntervalRow> aRows;
    ForEachTarget([&](int nDays) { aRows.push_back(IntervalRow(instrument, nDays)); });
    return aRows;
}

void Build(CInstrument& instrument, bool bTestMode)
{
    instrument.BuildSummary(1);
    Diagnostics::Write(CatalogueEntry(instrument));
    if (bTestMode)
        instrument.m_strSummary += SampleIntervalSection(instrument);
}

std::string ExportText(const std::string& strReport) { return strReport + '\n'; }

}  // namespace FinishReport
