#include "FinishPageModel.h"

#include "FinishReport.h"
#include "Instrument.h"
#include "SheetModel.h"

namespace {
std::vector<CControlState> FinishLayout()
{
    return {
        ReportControl(),
        ButtonControl("View in Notepad"),
        ButtonControl("View Manual"),
    };
}
}  // namespace

CFinishPageModel::CFinishPageModel(CSheetModel& sheet)
    : CPageModel(sheet, EPageKind::Finish, "Finish", FinishLayout())
{
}

void CFinishPageModel::OnSetActive()
{
    Show({kViewManual}, Sheet().Switches().m_bManual);
    SetWizardButtons(kWizBack | kWizFinish);
    CInstrument* pInstrument = Instrument();
    if (!pInstrument)
        return;
    FinishReport::Build(*pInstrument, Sheet().Switches().m_bTest);
    // Pressing the button now ends the program, so it says so.
    m_strFinishButtonText = "Exit";
    Control(kReport).m_strText = pInstrument->m_strSummary;
}
