#include "PageModel.h"

#include "FieldNumbers.h"
#include "Instrument.h"
#include "SheetModel.h"

#include <iterator>

namespace {
// In the order of EPageKind.
constexpr const char* kPageKindNames[] = {"Intro",       "Comms",       "BatterySelect",    "PressureSelect",
                                          "Sampling600", "Sampling700", "Sampling710",      "MooredPumpSelect",
                                          "SensorList",  "Finish"};
static_assert(std::size(kPageKindNames) == static_cast<std::size_t>(EPageKind::Finish) + 1,
              "one name per page kind, in the enumeration's order");
}  // namespace

const char* PageKindName(EPageKind eKind) { return kPageKindNames[static_cast<std::size_t>(eKind)]; }

CPageModel::CPageModel(CSheetModel& sheet, EPageKind eKind, std::string strCaption, std::vector<CControlState> aLayout)
    : m_sheet(sheet),
      m_eKind(eKind),
      m_strCaption(std::move(strCaption)),
      m_strTitle(m_strCaption),
      m_aLayout(std::move(aLayout)),
      m_aControls(m_aLayout),
      m_astrFieldText(m_aLayout.size())
{
}

CPageModel::~CPageModel() = default;

void CPageModel::ResetControls()
{
    m_aControls = m_aLayout;
    m_strTitle = m_strCaption;
}

void CPageModel::OnCommand(int) {}

CPageResult CPageModel::Leave(bool) { return {}; }

namespace {
// A person's action on a control: no action when the control already shows
// what it would do, refused when a person could not reach the control;
// otherwise the change is made and the page's handler runs.
template <class TChange>
EActionResult Act(CPageModel& page, int nId, bool bAlready, TChange change)
{
    CControlState& control = page.Control(nId);
    if (bAlready)
        return EActionResult::NoChange;
    if (!control.m_bVisible || !control.m_bEnabled)
        return EActionResult::Unavailable;
    change(control);
    page.OnCommand(nId);
    return EActionResult::Done;
}
}  // namespace

EActionResult CPageModel::SelectEntry(int nId, int nIndex)
{
    const CControlState& control = Control(nId);
    if (nIndex < 0 || nIndex >= static_cast<int>(control.m_astrItems.size()))
        return EActionResult::NotInList;
    return Act(*this, nId, control.m_nSelection == nIndex, [nIndex](CControlState& list) { list.m_nSelection = nIndex; });
}

EActionResult CPageModel::Click(int nId)
{
    return Act(*this, nId, Control(nId).m_bChecked, [](CControlState& button) { button.m_bChecked = true; });
}

EActionResult CPageModel::SetChecked(int nId, bool bChecked)
{
    return Act(*this, nId, Control(nId).m_bChecked == bChecked,
               [bChecked](CControlState& box) { box.m_bChecked = bChecked; });
}

EActionResult CPageModel::TypeText(int nId, const std::string& strText)
{
    CControlState& control = Control(nId);
    if (!control.m_bVisible || !control.m_bEnabled)
        return EActionResult::Unavailable;
    control.m_strText = strText;
    return EActionResult::Done;
}

void CPageModel::Restart()
{
    ResetControls();
    for (std::string& strText : m_astrFieldText)
        strText.clear();
}

CInstrument* CPageModel::Instrument() { return m_sheet.Instrument(); }

void CPageModel::ReadFields()
{
    for (std::size_t i = 0; i < m_aControls.size(); ++i)
        if (m_aControls[i].m_eKind == EControlKind::Edit)
            m_astrFieldText[i] = m_aControls[i].m_strText;
}

void CPageModel::PushFields()
{
    for (std::size_t i = 0; i < m_aControls.size(); ++i)
        if (m_aControls[i].m_eKind == EControlKind::Edit)
            m_aControls[i].m_strText = m_astrFieldText[i];
}

CControlLabel CPageModel::LabelOf(int nId) const
{
    const EControlKind eKind = Control(nId).m_eKind;
    if (eKind != EControlKind::Edit && eKind != EControlKind::List)
        return {};
    for (int n = nId - 1; n >= 0; --n)
        if (Control(n).m_eKind == EControlKind::Label)
            return {n, 0};
    return {};
}

std::string CPageModel::AccessibleName(int nId) const
{
    const CControlLabel label = LabelOf(nId);
    if (label.m_nLabel < 0)
        return {};
    const std::string& strCaption = Control(label.m_nLabel).m_strText;
    return label.m_nRow ? strCaption + " " + std::to_string(label.m_nRow) : strCaption;
}

void CPageModel::Show(std::initializer_list<int> aIds, bool bVisible)
{
    for (int nId : aIds)
        Control(nId).m_bVisible = bVisible;
}

void CPageModel::CheckRadio(std::initializer_list<int> aIds, int nChecked)
{
    for (int nId : aIds)
        Control(nId).m_bChecked = (nId == nChecked);
}

void CPageModel::ShowReport(int nReportId)
{
    CInstrument* pInstrument = Instrument();
    if (!pInstrument)
        return;
    pInstrument->BuildSummary(0);
    Control(nReportId).m_strText = pInstrument->m_strSummary;
}

bool CPageModel::RefuseNegative(int nId, const char* szMessage, bool bNext, CPageResult& result)
{
    if (!bNext || !Control(nId).m_bVisible)
        return false;
    result = {true, szMessage};
    return true;
}

bool CPageModel::StoreNotNegative(int nId, int& nValue, const char* szMessage, bool bNext, CPageResult& result)
{
    return FieldNumbers::ScanIntNotNegative(FieldText(nId), nValue) || !RefuseNegative(nId, szMessage, bNext, result);
}

bool CPageModel::StoreNotNegative(int nId, double& dValue, const char* szMessage, bool bNext, CPageResult& result)
{
    return FieldNumbers::ScanDoubleNotNegative(FieldText(nId), dValue)
           || !RefuseNegative(nId, szMessage, bNext, result);
}

namespace {
CControlState MakeControl(EControlKind eKind, const std::string& strText = std::string())
{
    CControlState control;
    control.m_eKind = eKind;
    control.m_strText = strText;
    return control;
}
}  // namespace

CControlState LabelControl(const std::string& strText) { return MakeControl(EControlKind::Label, strText); }
CControlState EditControl() { return MakeControl(EControlKind::Edit); }
CControlState ListControl() { return MakeControl(EControlKind::List); }
CControlState RadioControl(const std::string& strText) { return MakeControl(EControlKind::Radio, strText); }
CControlState CheckControl(const std::string& strText) { return MakeControl(EControlKind::Check, strText); }
CControlState ButtonControl(const std::string& strText) { return MakeControl(EControlKind::Button, strText); }
CControlState ReportControl() { return MakeControl(EControlKind::Report); }
