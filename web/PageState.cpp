#include "PageState.h"

#include "AppStrings.h"
#include "ConsumerPalette.h"
#include "FinishInsight.h"
#include "FinishReport.h"
#include "PlanFile.h"
#include "WizardModel.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace PageState {
namespace {

using Json = nlohmann::ordered_json;

// Text that is not UTF-8 (a field cut short inside a character) shows
// replacement characters rather than failing the whole state.
std::string Dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

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

Json ControlsJson(const CPageModel& page)
{
    Json controls = Json::array();
    int nGroup = 0;
    EControlKind ePrevious = EControlKind::Label;
    for (int nId = 0; nId < page.ControlCount(); ++nId) {
        const CControlState& control = page.Control(nId);
        // A run of adjacent radio buttons is one group, as on the desktop pages.
        if (control.m_eKind == EControlKind::Radio && ePrevious != EControlKind::Radio)
            ++nGroup;
        ePrevious = control.m_eKind;
        const CControlLabel label = page.LabelOf(nId);
        controls.push_back({{"kind", KindName(control.m_eKind)},
                            {"text", control.m_strText},
                            {"items", control.m_astrItems},
                            {"selection", control.m_nSelection},
                            {"checked", control.m_bChecked},
                            {"visible", control.m_bVisible},
                            {"enabled", control.m_bEnabled},
                            {"label", label.m_nLabel},
                            {"row", label.m_nRow},
                            {"group", control.m_eKind == EControlKind::Radio ? nGroup : 0}});
    }
    return controls;
}

}  // namespace

std::string ToJson(CSheetModel& sheet, const std::string& strMessage)
{
    CPageModel& page = sheet.CurrentPage();
    const int nButtons = page.WizardButtons();
    const auto* pFinish = dynamic_cast<const CFinishPageModel*>(&page);
    return Dump({{"caption", AppStrings::kSheetCaption},
                 {"title", page.Title()},
                 {"kind", PageKindName(page.Kind())},
                 {"finishPage", pFinish && sheet.Instrument()},
                 {"back", (nButtons & kWizBack) != 0},
                 {"next", (nButtons & kWizNext) != 0},
                 {"finish", (nButtons & kWizFinish) != 0},
                 {"finishText", pFinish ? pFinish->FinishButtonText() : "Finish"},
                 {"test", sheet.Switches().m_bTest},
                 {"b485", sheet.Switches().m_b485},
                 {"exportName", FinishReport::kExportFileName},
                 {"planName", std::string("plan.") + PlanFile::kExtension},
                 {"planMaxBytes", PlanFile::kMaxBytes},
                 {"openPlan", sheet.CurrentIndex() == 0},
                 {"message", strMessage},
                 {"controls", ControlsJson(page)}});
}

std::string InsightJson(const CFinishInsight& insight, int nYear, int nMonth, int nDay)
{
    const CEnduranceBreakdown& breakdown = insight.m_breakdown;
    const double dTotal = breakdown.TotalPerDay();
    const bool bParts = std::isfinite(dTotal) && dTotal > 0.0;
    Json parts = Json::array();
    if (bParts) {
        for (const CEndurancePart& part : breakdown.Parts()) {
            const char* szColour = ConsumerColour(part.m_strName);
            parts.push_back({{"label", BreakdownLabel(part, dTotal)},
                             {"share", part.m_dPerDay / dTotal},
                             {"colour", szColour ? szColour : "gray"}});
        }
    }
    return Dump({{"parts", parts},
                 {"total", bParts ? BreakdownTotal(insight) : std::string()},
                 {"end", ExpectedEndText(nYear, nMonth, nDay, breakdown.m_dDays)}});
}

}  // namespace PageState
