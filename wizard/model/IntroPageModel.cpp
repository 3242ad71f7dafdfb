#include "IntroPageModel.h"

#include "AppStrings.h"
#include "Instrument.h"
#include "CommsPageModel.h"
#include "SheetModel.h"

namespace {
std::vector<CControlState> IntroLayout()
{
    return {
        LabelControl("The Brevanta Moorplan will use your deployment conditions to estimate how long a fresh set of "
                     "batteries will last.\n\nPlease select a model."),
        RadioControl("Kelvo 610 "),
        RadioControl("Kelvo 620 "),
        RadioControl("Kelvo 630 (moored mode)"),
        RadioControl("Kelvo 700 - No Pump"),
        RadioControl("Kelvo 700 - Integral Pump"),
        RadioControl("Kelvo 700 - Integral Pump and Integral Oxygen"),
        RadioControl("Kelvo 710"),
    };
}

void CheckModel(CPageModel& page, int nModelIndex)
{
    for (int i = 0; i < CIntroPageModel::kModelCount; ++i)
        page.Control(CIntroPageModel::ModelButton(i)).m_bChecked = (i == nModelIndex);
}
}  // namespace

CIntroPageModel::CIntroPageModel(CSheetModel& sheet)
    : CPageModel(sheet, EPageKind::Intro, AppStrings::kWizardTitle, IntroLayout())
{
}

void CIntroPageModel::OnSetActive()
{
    SetWizardButtons(kWizNext);
    Sheet().KeepFirstPages(1);
    if (Sheet().m_nSelModel == -1) {
        Sheet().m_nSelModel = ModelIndex::k620;   // first visit
        CheckModel(*this, ModelIndex::k620);
    }
}

void CIntroPageModel::OnCommand(int nId)
{
    const int nModel = nId - kModel610;
    if (nModel < 0 || nModel >= kModelCount)
        return;
    Sheet().m_nSelModel = nModel;
    CheckModel(*this, nModel);
}

CPageResult CIntroPageModel::Leave(bool bNext)
{
    CSheetModel& sheet = Sheet();
    if (!bNext)
        return {};
    if (sheet.m_nSelModel == ModelIndex::k610) {
        sheet.m_nSelComm = -1;
        sheet.m_nSelFirmware = -1;
        // Without an instrument object (its allocation failed) the pages
        // that follow would have nothing to show: stay here instead.
        if (!sheet.CreateInstrument())
            return {true, {}};
        sheet.Add610Pages();
        return {};
    }
    const CInstrument* pInstrument = sheet.Instrument();
    if (pInstrument && (pInstrument->GetModelIndex() != sheet.m_nSelModel || pInstrument->GetCommIndex() != sheet.m_nSelComm))
        sheet.DestroyInstrument();
    if (!sheet.Instrument()) {
        sheet.m_nSelComm = -1;
        sheet.m_nSelFirmware = -1;
    }
    sheet.AddPage(sheet.CommsPage());
    return {};
}
