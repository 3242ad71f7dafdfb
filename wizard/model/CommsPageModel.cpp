#include "CommsPageModel.h"

#include "FirmwareCatalogue.h"
#include "Instrument.h"
#include "SheetModel.h"

namespace {

std::vector<CControlState> CommsLayout()
{
    return {
        LabelControl("Please select the communications protocol and firmware revision. Note that you can find the "
                     "firmware revision in the instrument's status report."),
        RadioControl("RS 232"),
        RadioControl("RS 485"),
        RadioControl("Inductive Modem"),
        LabelControl("Firmware Revision:"),
        ListControl(),
    };
}

// Which protocol buttons are enabled, by model index.
enum ECommEnable { kOff, kOn, kWith485Switch };
constexpr ECommEnable kaCommEnabled[ModelIndex::kCount][CommIndex::kCount] = {
    {kOff, kOff, kOff},            // Kelvo 610
    {kOn, kOn, kOn},               // Kelvo 620
    {kOff, kOff, kOff},            // Kelvo 630
    {kOn, kWith485Switch, kOn},    // Kelvo 700 - No Pump
    {kOn, kWith485Switch, kOn},    // Kelvo 700 - Integral Pump
    {kOn, kOff, kOn},              // Kelvo 700 - Integral Pump and Integral Oxygen
    {kOn, kOff, kOn},              // Kelvo 710
};

bool InTable(int nModelIndex, int nCommIndex)
{
    return nModelIndex >= 0 && nModelIndex < ModelIndex::kCount && nCommIndex >= 0 && nCommIndex < CommIndex::kCount;
}

const CFirmwareCatalogue& Catalogue()
{
    static const CFirmwareCatalogue catalogue;
    return catalogue;
}

}  // namespace

CCommsPageModel::CCommsPageModel(CSheetModel& sheet)
    : CPageModel(sheet, EPageKind::Comms, "Communications and Firmware", CommsLayout())
{
}

int CCommsPageModel::DefaultFirmware(int nModelIndex, int nCommIndex)
{
    return Catalogue().GetNewestRevision(nModelIndex, nCommIndex);
}

bool CCommsPageModel::IsCommEnabled(int nModelIndex, int nCommIndex, bool b485Switch)
{
    if (!InTable(nModelIndex, nCommIndex))
        return false;
    const ECommEnable eEnable = kaCommEnabled[nModelIndex][nCommIndex];
    return eEnable == kOn || (eEnable == kWith485Switch && b485Switch);
}

void CCommsPageModel::OnSetActive()
{
    CSheetModel& sheet = Sheet();
    SetWizardButtons(kWizBack | kWizNext);
    sheet.KeepFirstPages(2);
    if (const CInstrument* pInstrument = sheet.Instrument())
        sheet.m_nSelComm = pInstrument->GetCommIndex();
    if (sheet.m_nSelComm == -1) {
        sheet.m_nSelComm = CommIndex::kRs232;
        sheet.m_nSelFirmware = 0;
    }
    for (int i = 0; i < kCommCount; ++i) {
        Control(CommButton(i)).m_bEnabled = IsCommEnabled(sheet.m_nSelModel, i, sheet.Switches().m_b485);
        Control(CommButton(i)).m_bChecked = (i == sheet.m_nSelComm);
    }
    FillFirmwareList();
}

void CCommsPageModel::FillFirmwareList()
{
    CSheetModel& sheet = Sheet();
    CControlState& list = Control(kFirmware);
    list.m_astrItems = Catalogue().GetRevisions(sheet.m_nSelModel, sheet.m_nSelComm);
    const CInstrument* pInstrument = sheet.Instrument();
    if (pInstrument && pInstrument->GetCommIndex() == sheet.m_nSelComm)
        sheet.m_nSelFirmware = pInstrument->GetFirmwareIndex();
    else
        sheet.m_nSelFirmware = DefaultFirmware(sheet.m_nSelModel, sheet.m_nSelComm);
    const bool bInList = sheet.m_nSelFirmware >= 0 && sheet.m_nSelFirmware < static_cast<int>(list.m_astrItems.size());
    list.m_nSelection = bInList ? sheet.m_nSelFirmware : -1;
}

void CCommsPageModel::OnCommand(int nId)
{
    const int nComm = nId - kRs232;
    if (nComm < 0 || nComm >= kCommCount)
        return;
    Sheet().m_nSelComm = nComm;
    FillFirmwareList();
    for (int i = 0; i < kCommCount; ++i)
        Control(CommButton(i)).m_bChecked = (i == nComm);
}

CPageResult CCommsPageModel::Leave(bool)
{
    CSheetModel& sheet = Sheet();
    sheet.m_nSelFirmware = Control(kFirmware).m_nSelection;
    const CInstrument* pInstrument = sheet.Instrument();
    const bool bKeep = sheet.m_nBuiltModel != -1 && pInstrument && pInstrument->GetModelIndex() == sheet.m_nSelModel
                       && pInstrument->GetCommIndex() == sheet.m_nSelComm
                       && pInstrument->GetFirmwareIndex() == sheet.m_nSelFirmware;
    if (!bKeep && !sheet.CreateInstrument())
        return {};   // no variant: no page follows
    sheet.m_nBuiltModel = sheet.Instrument()->GetModelIndex();
    sheet.AddFamilyPages();
    return {};
}
