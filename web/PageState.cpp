#include "PageState.h"

#include "AppStrings.h"
#include "FinishInsight.h"
#include "FinishReport.h"
#include "PlanFile.h"
#include "WizardModel.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace PageState {
namespace {

const char* KindName(EControlKind eKind)
{
    switch (eKind) {
    case EControlKind::Label: return "label";
    case EControlKind::Edit: return "edit";
    case EControlKind::List: return "list";
    case EControlKind::Radio: return "radio";
    case EControlKind::Check: return "check";
    case EControlKind::Button: return "button";
    case EControlKind::Report: return "report";
    }
    return "label";
}

const char* PageName(EPageKind eKind)
{
    switch (eKind) {
    case EPageKind::Intro: return "Intro";
    case EPageKind::MoorModel: return "MoorModel";
    case EPageKind::BatterySelect: return "BatterySelect";
    case EPageKind::PressureSelect: return "PressureSelect";
    case EPageKind::SampleRate: return "SampleRate";
    case EPageKind::Sampling700: return "Sampling700";
    case EPageKind::Sampling710: return "Sampling710";
    case EPageKind::MooredPumpSelect: return "MooredPumpSelect";
    case EPageKind::SensorList: return "SensorList";
    case EPageKind::Finish: return "Finish";
    }
    return "";
}

const char* Bool(bool b) { return b ? "true" : "false"; }

// Length of the UTF-8 sequence that starts at i, or 0 when it is not one.
std::size_t Utf8Length(const std::string& str, std::size_t i)
{
    const auto c = static_cast<unsigned char>(str[i]);
    const std::size_t n = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (n == 0 || i + n > str.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(str[i + k]) & 0xC0) != 0x80)
            return 0;
    return n;
}

// Where each edit field and list takes its name from: the label above it in
// the page's control order; on the sensor page, the column heading of its
// row's table cell, with the row number.
struct CLabelling {
    int nLabel = -1;
    int nRow = 0;
};

CLabelling LabelOf(const CPageModel& page, int nId)
{
    using Sensors = CSensorListPageModel;
    if (page.Kind() == EPageKind::SensorList) {
        for (int nRow = 0; nRow < Sensors::kRows; ++nRow) {
            if (nId == Sensors::TypeId(nRow))
                return {Sensors::kTypeLabel, nRow + 1};
            if (nId == Sensors::CurrentId(nRow))
                return {Sensors::kCurrentLabel, nRow + 1};
        }
    }
    for (int n = nId - 1; n >= 0; --n)
        if (page.Control(n).m_eKind == EControlKind::Label)
            return {n, 0};
    return {};
}

void AppendControls(std::string& strJson, const CPageModel& page)
{
    int nGroup = 0;
    EControlKind ePrevious = EControlKind::Label;
    for (int nId = 0; nId < page.ControlCount(); ++nId) {
        const CControlState& control = page.Control(nId);
        // A run of adjacent radio buttons is one group, as on the desktop pages.
        if (control.m_eKind == EControlKind::Radio && ePrevious != EControlKind::Radio)
            ++nGroup;
        ePrevious = control.m_eKind;
        const bool bInput = control.m_eKind == EControlKind::Edit || control.m_eKind == EControlKind::List;
        const CLabelling labelling = bInput ? LabelOf(page, nId) : CLabelling{};
        strJson += nId ? ",{" : "{";
        strJson += "\"kind\":\"" + std::string(KindName(control.m_eKind)) + "\",\"text\":" + Quote(control.m_strText);
        strJson += ",\"items\":[";
        for (std::size_t i = 0; i < control.m_astrItems.size(); ++i)
            strJson += (i ? "," : "") + Quote(control.m_astrItems[i]);
        strJson += "],\"selection\":" + std::to_string(control.m_nSelection);
        strJson += ",\"checked\":" + std::string(Bool(control.m_bChecked));
        strJson += ",\"visible\":" + std::string(Bool(control.m_bVisible));
        strJson += ",\"enabled\":" + std::string(Bool(control.m_bEnabled));
        strJson += ",\"label\":" + std::to_string(labelling.nLabel) + ",\"row\":" + std::to_string(labelling.nRow);
        strJson += ",\"group\":" + std::to_string(control.m_eKind == EControlKind::Radio ? nGroup : 0) + "}";
    }
}

}  // namespace

std::string Quote(const std::string& strText)
{
    std::string strOut = "\"";
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const auto c = static_cast<unsigned char>(strText[i]);
        if (c == '"' || c == '\\') {
            strOut += '\\';
            strOut += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x80) {
            const std::size_t n = c >= 0x80 ? Utf8Length(strText, i) : 0;
            if (n) {
                strOut.append(strText, i, n);
                i += n - 1;
                continue;
            }
            char szEscape[8];
            std::snprintf(szEscape, sizeof szEscape, "\\u%04x", c);
            strOut += szEscape;
        } else {
            strOut += static_cast<char>(c);
        }
    }
    return strOut + "\"";
}

std::string ToJson(CSheetModel& sheet, const std::string& strMessage)
{
    CPageModel& page = sheet.CurrentPage();
    const int nButtons = page.WizardButtons();
    const auto* pFinish = dynamic_cast<const CFinishPageModel*>(&page);
    std::string strJson = "{\"caption\":" + Quote(AppStrings::kSheetCaption);
    strJson += ",\"title\":" + Quote(page.Title());
    strJson += ",\"kind\":\"" + std::string(PageName(page.Kind())) + "\"";
    strJson += ",\"finishPage\":" + std::string(Bool(pFinish && sheet.Instrument()));
    strJson += ",\"back\":" + std::string(Bool(nButtons & kWizBack));
    strJson += ",\"next\":" + std::string(Bool(nButtons & kWizNext));
    strJson += ",\"finish\":" + std::string(Bool(nButtons & kWizFinish));
    strJson += ",\"finishText\":" + Quote(pFinish ? pFinish->FinishButtonText() : "Finish");
    strJson += ",\"test\":" + std::string(Bool(sheet.CommandLine().m_bTest));
    strJson += ",\"b485\":" + std::string(Bool(sheet.CommandLine().m_b485));
    strJson += ",\"exportName\":" + Quote(FinishReport::kExportFileName);
    strJson += ",\"planName\":" + Quote(std::string("plan.") + PlanFile::kExtension);
    strJson += ",\"planMaxBytes\":" + std::to_string(PlanFile::kMaxBytes);
    strJson += ",\"openPlan\":" + std::string(Bool(sheet.CurrentIndex() == 0));
    strJson += ",\"message\":" + Quote(strMessage);
    strJson += ",\"controls\":[";
    AppendControls(strJson, page);
    return strJson + "]}";
}

std::string InsightJson(const CFinishInsight& insight, int nYear, int nMonth, int nDay)
{
    const CEnduranceBreakdown& breakdown = insight.m_breakdown;
    const double dTotal = breakdown.TotalPerDay();
    const bool bParts = std::isfinite(dTotal) && dTotal > 0.0;
    std::string strJson = "{\"parts\":[";
    for (const CEndurancePart& part : bParts ? breakdown.Parts() : std::vector<CEndurancePart>()) {
        if (strJson.back() != '[')
            strJson += ',';
        char szShare[32];
        std::snprintf(szShare, sizeof szShare, "%.6f", part.m_dPerDay / dTotal);
        strJson += "{\"label\":" + Quote(BreakdownLabel(part, dTotal)) + ",\"share\":" + szShare + "}";
    }
    strJson += "],\"total\":" + Quote(bParts ? BreakdownTotal(insight) : std::string());
    return strJson + ",\"end\":" + Quote(ExpectedEndText(nYear, nMonth, nDay, breakdown.m_dDays)) + "}";
}

}  // namespace PageState
