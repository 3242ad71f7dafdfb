// The browser page's entry points: one wizard sheet, driven by the page's
// script through these C functions. Every call answers the current page's
// state as JSON (see PageState.h); the script draws it and sends back what a
// person clicked, chose and typed.
#include "FinishInsight.h"
#include "FinishReport.h"
#include "PageState.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "WebSession.h"
#include "WizardModel.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

CWebSession& Session()
{
    static CWebSession session;
    return session;
}

const char* PageAnswer()
{
    CWebSession& session = Session();
    const bool bEditing = session.m_nEditing >= 0;
    const std::string strPosition =
        bEditing && session.m_nEditing < static_cast<int>(session.m_mooring.m_aPositions.size())
            ? session.m_mooring.m_aPositions[static_cast<std::size_t>(session.m_nEditing)].m_strLabel
            : std::string();
    session.m_strState = PageState::ToJson(*session.m_pSheet, session.m_strMessage, bEditing, strPosition);
    return session.m_strState.c_str();
}

namespace {

// A person's action on a control of the current page; a control id the page
// does not have is no action.
template <typename Act>
const char* OnControl(int nId, Act act)
{
    CWebSession& wizard = Session();
    CPageModel& page = wizard.m_pSheet->CurrentPage();
    if (nId >= 0 && nId < page.ControlCount()) {
        wizard.m_strMessage.clear();
        act(page);
    }
    return PageAnswer();
}

const char* Move(CPageResult (CSheetModel::*move)())
{
    CWebSession& wizard = Session();
    wizard.m_strMessage = ((*wizard.m_pSheet).*move)().m_strMessage;
    return PageAnswer();
}

}  // namespace

extern "C" {

// Starts a fresh run with the given switches: every run starts from the
// defaults, as the desktop program does when it is started again.
EMSCRIPTEN_KEEPALIVE const char* mp_start(int bTest, int b485)
{
    CWizardSwitches switches;
    switches.m_bTest = bTest != 0;
    switches.m_b485 = b485 != 0;
    CWebSession& wizard = Session();
    wizard.m_pSheet = std::make_unique<CSheetModel>(switches);
    wizard.m_strMessage.clear();
    wizard.m_nEditing = -1;
    wizard.m_pSheet->Start();
    return PageAnswer();
}

EMSCRIPTEN_KEEPALIVE const char* mp_state() { return PageAnswer(); }

EMSCRIPTEN_KEEPALIVE const char* mp_select(int nId, int nIndex)
{
    return OnControl(nId, [&](CPageModel& page) { page.SelectEntry(nId, nIndex); });
}

EMSCRIPTEN_KEEPALIVE const char* mp_click(int nId)
{
    return OnControl(nId, [&](CPageModel& page) { page.Click(nId); });
}

EMSCRIPTEN_KEEPALIVE const char* mp_check(int nId, int bChecked)
{
    return OnControl(nId, [&](CPageModel& page) { page.SetChecked(nId, bChecked != 0); });
}

EMSCRIPTEN_KEEPALIVE const char* mp_type(int nId, const char* szText)
{
    return OnControl(nId, [&](CPageModel& page) { page.TypeText(nId, szText ? szText : ""); });
}

EMSCRIPTEN_KEEPALIVE const char* mp_next() { return Move(&CSheetModel::Next); }
EMSCRIPTEN_KEEPALIVE const char* mp_back() { return Move(&CSheetModel::Back); }

// The switches as settings. A page reads them when it becomes active, so the
// current page is shown again when it is one that reads the changed switch.
EMSCRIPTEN_KEEPALIVE const char* mp_set_switches(int bTest, int b485)
{
    CSheetModel& sheet = *Session().m_pSheet;
    CWizardSwitches& switches = sheet.Switches();
    const bool bTestChanged = switches.m_bTest != (bTest != 0);
    const bool b485Changed = switches.m_b485 != (b485 != 0);
    switches.m_bTest = bTest != 0;
    switches.m_b485 = b485 != 0;
    const EPageKind eKind = sheet.CurrentPage().Kind();
    if ((bTestChanged && eKind == EPageKind::Finish) || (b485Changed && eKind == EPageKind::Comms))
        sheet.CurrentPage().OnSetActive();
    return PageAnswer();
}

// The bytes "Download report" hands out: the export file's content for the
// report the finish page shows. Valid until the next file is handed out.
EMSCRIPTEN_KEEPALIVE const char* mp_export_data()
{
    CWebSession& wizard = Session();
    const CInstrument* pInstrument = wizard.m_pSheet->Instrument();
    wizard.m_strFile = pInstrument ? FinishReport::ExportText(pInstrument->m_strSummary) : std::string();
    return wizard.m_strFile.data();
}

// The bytes "Save plan" hands out: the plan file of the answers the pages
// hold, as the desktop's "Save Plan..." writes it.
EMSCRIPTEN_KEEPALIVE const char* mp_plan_data()
{
    CWebSession& wizard = Session();
    wizard.m_strFile = PlanFile::Text(CapturePlan(*wizard.m_pSheet));
    return wizard.m_strFile.data();
}

// Where the endurance goes and when it ends, for a deployment starting on
// the given day (month 1 to 12), as the desktop's finish page shows them.
EMSCRIPTEN_KEEPALIVE const char* mp_insight(int nYear, int nMonth, int nDay)
{
    CWebSession& wizard = Session();
    CInstrument* pInstrument = wizard.m_pSheet->Instrument();
    wizard.m_strInsight = pInstrument && wizard.m_pSheet->CurrentPage().Kind() == EPageKind::Finish
                              ? PageState::InsightJson(BuildFinishInsight(*pInstrument), nYear, nMonth, nDay)
                              : std::string("null");
    return wizard.m_strInsight.c_str();
}

EMSCRIPTEN_KEEPALIVE int mp_file_size() { return static_cast<int>(Session().m_strFile.size()); }

// Opens a plan the person chose: nRead bytes at pData, the start of a file of
// dFileSize bytes named szName. As the desktop opens one: a file that cannot
// be used leaves the run as it was; an answer no person could give starts a
// fresh run; otherwise the run lands on the finish page or on the page that
// refuses a value, with the value in its field.
EMSCRIPTEN_KEEPALIVE const char* mp_open_plan(const char* szName, const char* pData, int nRead, double dFileSize)
{
    CWebSession& wizard = Session();
    const std::string strName = szName ? szName : "";
    CPlanAnswers answers;
    std::string strMessage;
    if (dFileSize > static_cast<double>(PlanFile::kMaxBytes))
        strMessage = PlanFile::TooLarge(strName);
    else if (PlanFile::Parse(std::string(pData, static_cast<std::size_t>(nRead)), strName, answers, strMessage)
             && ReplayPlan(*wizard.m_pSheet, answers, strMessage) == kPlanUsageError)
        wizard.m_pSheet->Restart();
    wizard.m_strMessage = strMessage;
    return PageAnswer();
}

}  // extern "C"
