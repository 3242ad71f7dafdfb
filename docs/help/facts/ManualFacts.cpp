#include "ManualFacts.h"

#include "CommsPageModel.h"
#include "FinishReport.h"
#include "FirmwareCatalogue.h"
#include "Instrument600Series.h"
#include "InstrumentFactory.h"
#include "IntroPageModel.h"
#include "OptionTable.h"
#include "PageMessages.h"
#include "SheetModel.h"
#include "StrFormat.h"

#include <algorithm>
#include <functional>
#include <map>

namespace ManualFacts {
namespace {

std::string Escape(const std::string& strText)
{
    std::string strHtml;
    for (char c : strText)
        strHtml += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return strHtml;
}

std::string Trimmed(const std::string& strText)
{
    const std::size_t nEnd = strText.find_last_not_of(' ');
    return strText.substr(0, nEnd == std::string::npos ? 0 : nEnd + 1);
}

// The names the first two pages give the models and the protocols.
CSheetModel& Names()
{
    static CSheetModel sheet{CWizardSwitches{}};
    return sheet;
}
std::string ModelName(int nModel)
{
    return Trimmed(Names().IntroPage().Control(CIntroPageModel::ModelButton(nModel)).m_strText);
}
std::string CommName(int nComm) { return Names().CommsPage().Control(CCommsPageModel::CommButton(nComm)).m_strText; }

const CFirmwareCatalogue& Catalogue()
{
    static const CFirmwareCatalogue catalogue;
    return catalogue;
}

// Every variant the wizard can build, as the pages reach it: the Kelvo 610
// without communications and firmware, every other model by the revisions of
// each of its protocols.
using VariantVisitor = std::function<void(CInstrument&, int nModel, int nComm, int nFirmware)>;
void ForEachVariant(const VariantVisitor& visit)
{
    for (int nModel = 0; nModel < ModelIndex::kCount; ++nModel) {
        const bool b610 = nModel == ModelIndex::k610;
        for (int nComm = b610 ? -1 : 0; nComm < (b610 ? 0 : CommIndex::kCount); ++nComm) {
            const int nRevisions = b610 ? 1 : Catalogue().GetRevisionCount(nModel, nComm);
            for (int nFirmware = b610 ? -1 : 0; nFirmware < (b610 ? 0 : nRevisions); ++nFirmware)
                if (const auto pInstrument = CreateVariant(nModel, nComm, nFirmware))
                    visit(*pInstrument, nModel, nComm, nFirmware);
        }
    }
}

EPageKind SamplingPage(const CInstrument& instrument)
{
    switch (instrument.GetFamilyCode()) {
    case FamilyCode::k610: return EPageKind::Sampling600;
    case FamilyCode::k700: return EPageKind::Sampling700;
    default: return EPageKind::Sampling710;
    }
}

// The limits a variant's sampling page checks with its own messages: the
// interval always, NCycles on the Kelvo 610/620/630 page, NAvg on the Kelvo
// 700 page; each pressure sensor may change the NCycles rule.
template <class TOnLimit>
void ForEachLimitMessage(CInstrument& instrument, TOnLimit onLimit)
{
    const EPageKind ePage = SamplingPage(instrument);
    onLimit(instrument.GetSampleIntervalRangeMsg(), ePage);
    if (ePage == EPageKind::Sampling600 && instrument.UsesNCycles() != 0)
        for (int nSensor = 0; nSensor < std::max(1, instrument.GetPressureSensorCount()); ++nSensor) {
            instrument.SetPressureSensorIndex(nSensor);
            onLimit(instrument.GetNCyclesRangeMsg(), ePage);
        }
    if (ePage == EPageKind::Sampling700 && (instrument.UsesNAvg() != 0 || instrument.UsesNCycles() != 0))
        onLimit(instrument.GetNAvgRangeMsg(), ePage);
}

// What the sampling page asks per sample, with its range.
std::string MeasurementsText(CInstrument& instrument)
{
    if (SamplingPage(instrument) == EPageKind::Sampling700 && (instrument.UsesNAvg() != 0 || instrument.UsesNCycles() != 0))
        return StrFormat("NAvg %d to %d", instrument.m_nMinNAvg, instrument.m_nMaxNAvg);
    if (SamplingPage(instrument) != EPageKind::Sampling600 || instrument.UsesNCycles() == 0)
        return "&ndash;";
    std::string strText = StrFormat("NCycles %d to %d", instrument.m_nMinNCycles, instrument.m_nMaxNCycles);
    for (int nSensor = 0; nSensor < instrument.GetPressureSensorCount(); ++nSensor) {
        instrument.SetPressureSensorIndex(nSensor);
        if (instrument.MustNCyclesBeEven() != 0)
            strText += ", even with " + Escape(instrument.m_aPressureSensors.NameAt(nSensor));
    }
    return strText;
}

std::string PacksText(const CInstrument& instrument)
{
    std::string strText;
    for (int n = 0; n < std::max(1, instrument.GetBatteryCount()); ++n) {
        const std::string strName = instrument.m_aBatteries.NameAt(n);
        if (!strName.empty())
            strText += (strText.empty() ? "" : ", ") + Escape(strName) +
                       StrFormat(" %.2f Ah", instrument.m_aBatteries.ValueAt(n));
    }
    return strText.empty() ? "&ndash;" : strText;
}

// A table of the variants, one row per run of a protocol's revisions that
// share what cells() writes; families other than bOf are left out.
using Cells = std::function<std::string(CInstrument&)>;
std::string VariantRows(const Cells& cells, const std::function<bool(const CInstrument&)>& bOf)
{
    struct CRun {
        int nModel, nComm;
        std::vector<int> anFirmware;
        std::string strCells;
    };
    std::vector<CRun> aRuns;
    ForEachVariant([&](CInstrument& instrument, int nModel, int nComm, int nFirmware) {
        if (!bOf(instrument))
            return;
        const std::string strCells = cells(instrument);
        if (!aRuns.empty() && aRuns.back().nModel == nModel && aRuns.back().nComm == nComm && aRuns.back().strCells == strCells)
            aRuns.back().anFirmware.push_back(nFirmware);
        else
            aRuns.push_back({nModel, nComm, {nFirmware}, strCells});
    });
    std::string strHtml;
    for (const CRun& run : aRuns) {
        std::string strFirmware;
        if (run.nComm < 0)
            strFirmware = "&ndash;";
        else if (static_cast<int>(run.anFirmware.size()) == Catalogue().GetRevisionCount(run.nModel, run.nComm))
            strFirmware = "every revision";
        else
            for (int nFirmware : run.anFirmware)
                strFirmware += (strFirmware.empty() ? "" : "<br>") + Escape(Catalogue().GetRevision(run.nModel, run.nComm, nFirmware));
        strHtml += "<tr><td>" + Escape(ModelName(run.nModel)) + "</td><td>" +
                   (run.nComm < 0 ? "&ndash;" : Escape(CommName(run.nComm))) + "</td><td>" + strFirmware + "</td>" +
                   run.strCells + "</tr>\n";
    }
    return strHtml;
}

bool AnyVariant(const CInstrument&) { return true; }

std::string IntervalLimits()
{
    return "<tr><th>Model</th><th>Communications</th><th>Firmware</th><th>Sample interval (s)</th>"
           "<th>Measurements per sample</th></tr>\n" +
           VariantRows(
               [](CInstrument& instrument) {
                   return StrFormat("<td>%d to %d</td><td>", instrument.m_nMinSampleInterval,
                                    instrument.m_nMaxSampleInterval) +
                          MeasurementsText(instrument) + "</td>";
               },
               AnyVariant);
}

std::string Packs700()
{
    return "<tr><th>Model</th><th>Communications</th><th>Firmware</th><th>Battery packs</th></tr>\n" +
           VariantRows([](CInstrument& instrument) { return "<td>" + PacksText(instrument) + "</td>"; },
                       [](const CInstrument& instrument) { return instrument.GetFamilyCode() != FamilyCode::k610; });
}

std::string Cell(double dValue, const char* szFormat) { return "<td>" + StrFormat(szFormat, dValue) + "</td>"; }

std::string NominalCapacities()
{
    const auto pInstrument = CreateVariant(ModelIndex::k620, CommIndex::kRs232, 1);
    std::string strRows = "<tr><th>Battery</th><th>Nominal capacity (Ah)</th></tr>\n";
    for (int n = 0; n < pInstrument->GetBatteryCount(); ++n)
        strRows += "<tr><td>" + Escape(pInstrument->m_aBatteries.NameAt(n)) + "</td>" +
                   Cell(pInstrument->m_aBatteries.ValueAt(n), "%.1f") + "</tr>\n";
    return strRows;
}

// The usable capacity of each pack from the coldest to the warmest
// temperature the deployment page accepts; a pump and an auxiliary sensor
// load a pack alike.
std::string CapacityTable()
{
    using Rule = double (*)(double, bool, bool);
    const struct {
        const char* szPack;
        const char* szLoaded;
        bool bLoaded;
        Rule pfnRule;
    } kRows[] = {
        {"Alkaline", "no", false, &CInstrument600Series::AlkalineCapacity},
        {"Alkaline", "yes", true, &CInstrument600Series::AlkalineCapacity},
        {"Lithium (42 Amp-hr)", "no", false, &CInstrument600Series::Lithium42Capacity},
        {"Lithium (42 Amp-hr)", "yes", true, &CInstrument600Series::Lithium42Capacity},
        {"Lithium (30 Amp-hr)", "either", false, &CInstrument600Series::Lithium30Capacity},
    };
    const int anTemperatures[] = {-5, 0, 5, 10, 15, 20, 25, 30, 40};
    std::string strRows = "<tr><th>Battery</th><th>Loaded</th>";
    for (int nTemperature : anTemperatures)
        strRows += "<th>" + std::to_string(nTemperature) + " &deg;C</th>";
    strRows += "</tr>\n";
    for (const auto& row : kRows) {
        strRows += std::string("<tr><td>") + row.szPack + "</td><td>" + row.szLoaded + "</td>";
        for (int nTemperature : anTemperatures)
            strRows += Cell(row.pfnRule(nTemperature, row.bLoaded, false), "%.2f");
        strRows += "</tr>\n";
    }
    return strRows;
}

// The limit messages one sampling page can show, each with the models whose
// variants give it.
std::string LimitMessages(EPageKind ePage)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> aMessages;
    ForEachVariant([&](CInstrument& instrument, int nModel, int, int) {
        ForEachLimitMessage(instrument, [&](const std::string& strText, EPageKind eKind) {
            if (eKind != ePage)
                return;
            auto it = std::find_if(aMessages.begin(), aMessages.end(), [&](const auto& m) { return m.first == strText; });
            if (it == aMessages.end())
                it = aMessages.insert(aMessages.end(), {strText, {}});
            if (std::find(it->second.begin(), it->second.end(), ModelName(nModel)) == it->second.end())
                it->second.push_back(ModelName(nModel));
        });
    });
    std::string strRows;
    for (const auto& [strText, astrModels] : aMessages) {
        std::string strModels;
        for (const std::string& strModel : astrModels)
            strModels += (strModels.empty() ? "" : ", ") + Escape(strModel);
        strRows += "<tr><td><q class=\"msg\">" + Escape(strText) + "</q></td><td>" + strModels + "</td></tr>\n";
    }
    return strRows;
}

std::string OptionRows()
{
    std::string strRows;
    std::string strNames;
    for (const COptionRow& row : OptionTable()) {
        const std::string strArg = row.szArg;
        strNames += std::string(strNames.empty() ? "" : ", ") + "<code>--" + Escape(row.szName) +
                    (strArg.empty() ? "" : " " + Escape(strArg)) + "</code>";
        if (!row.szHelp)
            continue;
        std::string strHelp = row.szHelp;
        std::replace(strHelp.begin(), strHelp.end(), '\n', ' ');
        strRows += "<tr><td>" + strNames + "</td><td>" + Escape(strHelp) + "</td></tr>\n";
        strNames.clear();
    }
    return strRows;
}

const std::map<std::string, std::function<std::string()>>& Regions()
{
    static const std::map<std::string, std::function<std::string()>> kRegions = {
        {"options", OptionRows},
        {"interval-limits", IntervalLimits},
        {"packs-700", Packs700},
        {"nominal", NominalCapacities},
        {"capacity-table", CapacityTable},
        {"limit-messages-610", [] { return LimitMessages(EPageKind::Sampling600); }},
        {"limit-messages-700", [] { return LimitMessages(EPageKind::Sampling700); }},
        {"limit-messages-710", [] { return LimitMessages(EPageKind::Sampling710); }},
    };
    return kRegions;
}

}  // namespace

std::vector<CMessage> PageMessages()
{
    std::vector<CMessage> aMessages;
    const auto Add = [&](const std::string& strText, EPageKind ePage) {
        auto it = std::find_if(aMessages.begin(), aMessages.end(), [&](const CMessage& m) { return m.strText == strText; });
        if (it == aMessages.end())
            it = aMessages.insert(aMessages.end(), CMessage{strText, {}});
        if (std::find(it->aPages.begin(), it->aPages.end(), ePage) == it->aPages.end())
            it->aPages.push_back(ePage);
    };
    for (const CPageMessageRow& row : PageMessageTable())
        for (EPageKind ePage : row.aPages)
            Add(row.szText, ePage);
    ForEachVariant([&](CInstrument& instrument, int, int, int) { ForEachLimitMessage(instrument, Add); });
    Add(FinishReport::kNoTempFolderMessage, EPageKind::Finish);
    Add(FinishReport::kCannotWriteMessage, EPageKind::Finish);
    return aMessages;
}

bool Region(const std::string& strName, std::string& strHtml)
{
    const auto it = Regions().find(strName);
    if (it == Regions().end())
        return false;
    strHtml = it->second();
    return true;
}

bool Refresh(const std::string& strTopic, std::string& strResult, std::string& strError)
{
    static const std::string kOpen = "<!-- facts:";
    static const std::string kEnd = " -->";
    strResult.clear();
    std::size_t nAt = 0;
    for (std::size_t nOpen = strTopic.find(kOpen); nOpen != std::string::npos; nOpen = strTopic.find(kOpen, nAt)) {
        const std::size_t nNameEnd = strTopic.find(kEnd, nOpen);
        const std::string strName = strTopic.substr(nOpen + kOpen.size(), nNameEnd - nOpen - kOpen.size());
        const std::string strClose = "<!-- /facts:" + strName + kEnd;
        const std::size_t nClose = nNameEnd == std::string::npos ? nNameEnd : strTopic.find(strClose, nNameEnd);
        std::string strHtml;
        if (nClose == std::string::npos) {
            strError = "the facts \"" + strName + "\" are not closed by " + strClose;
            return false;
        }
        if (!Region(strName, strHtml)) {
            strError = "no facts are named \"" + strName + "\"";
            return false;
        }
        strResult += strTopic.substr(nAt, nNameEnd + kEnd.size() - nAt) + "\n" + strHtml;
        nAt = nClose;
    }
    strResult += strTopic.substr(nAt);
    return true;
}

}  // namespace ManualFacts
