#include "SheetModel.h"

#include "BatterySelectPageModel.h"
#include "FinishPageModel.h"
#include "Instrument.h"
#include "InstrumentFactory.h"
#include "IntroPageModel.h"
#include "CommsPageModel.h"
#include "MooredPumpSelectPageModel.h"
#include "PressureSelectPageModel.h"
#include "Sampling600PageModel.h"
#include "Sampling700PageModel.h"
#include "Sampling710PageModel.h"
#include "SensorListPageModel.h"

#include <algorithm>

CPageSet::CPageSet(CSheetModel& sheet)
    : m_pBatterySelect(std::make_unique<CBatterySelectPageModel>(sheet)),
      m_pPressureSelect(std::make_unique<CPressureSelectPageModel>(sheet)),
      m_p600Sampling(std::make_unique<C600SamplingPageModel>(sheet)),
      m_p700Sampling(std::make_unique<C700SamplingPageModel>(sheet)),
      m_p710Sampling(std::make_unique<C710SamplingPageModel>(sheet)),
      m_pMooredPumpSelect(std::make_unique<CMooredPumpSelectPageModel>(sheet)),
      m_pSensorList(std::make_unique<CSensorListPageModel>(sheet)),
      m_pFinish(std::make_unique<CFinishPageModel>(sheet))
{
}

CPageSet::~CPageSet() = default;

CSheetModel::CSheetModel(const CWizardSwitches& switches)
    : m_switches(switches),
      m_pIntro(std::make_unique<CIntroPageModel>(*this)),
      m_pComms(std::make_unique<CCommsPageModel>(*this)),
      m_p610Set(std::make_unique<CPageSet>(*this)),
      m_pOtherSet(std::make_unique<CPageSet>(*this))
{
    m_apPages.push_back(m_pIntro.get());
}

CSheetModel::~CSheetModel() = default;

bool CSheetModel::CreateInstrument()
{
    if (m_pInstrument && m_pInstrument->GetModelIndex() == m_nSelModel && m_pInstrument->GetCommIndex() == m_nSelComm
        && m_pInstrument->GetFirmwareIndex() == m_nSelFirmware)
        return true;
    // The old object goes before the new triple is looked at: a triple
    // without a variant leaves the sheet with no instrument.
    m_pInstrument.reset();
    m_pInstrument = CreateVariant(m_nSelModel, m_nSelComm, m_nSelFirmware);
    return m_pInstrument != nullptr;
}

void CSheetModel::KeepFirstPages(int nCount)
{
    if (nCount < static_cast<int>(m_apPages.size()))
        m_apPages.resize(static_cast<std::size_t>(nCount));
}

void CSheetModel::AddPage(CPageModel& page)
{
    page.ResetControls();
    m_apPages.push_back(&page);
    if (std::find(m_apUsed.begin(), m_apUsed.end(), &page) == m_apUsed.end())
        m_apUsed.push_back(&page);
}

void CSheetModel::Add610Pages()
{
    CPageSet& set = *m_p610Set;
    AddPage(*set.m_pPressureSelect);
    AddPage(*set.m_pMooredPumpSelect);
    AddPage(*set.m_p600Sampling);
    AddPage(*set.m_pSensorList);
    AddPage(*set.m_pBatterySelect);
    AddPage(*set.m_pFinish);
}

void CSheetModel::AddFamilyPages()
{
    if (!m_pInstrument)
        return;
    CPageSet& set = *m_pOtherSet;
    const CInstrument& instrument = *m_pInstrument;
    switch (instrument.GetFamilyCode()) {
    case FamilyCode::k610:
        if (instrument.GetPressureSensorCount() != 0)
            AddPage(*set.m_pPressureSelect);
        if (instrument.GetPumpCount() != 0)
            AddPage(*set.m_pMooredPumpSelect);
        AddPage(*set.m_p600Sampling);
        AddPage(*set.m_pSensorList);
        if (instrument.GetBatteryCount() != 0)
            AddPage(*set.m_pBatterySelect);
        break;
    case FamilyCode::k700:
        AddPage(*set.m_pPressureSelect);
        AddPage(*set.m_p700Sampling);
        AddPage(*set.m_pBatterySelect);
        break;
    case FamilyCode::k710:
        AddPage(*set.m_pPressureSelect);
        AddPage(*set.m_p710Sampling);
        AddPage(*set.m_pBatterySelect);
        break;
    default:
        return;
    }
    AddPage(*set.m_pFinish);
}

void CSheetModel::Start()
{
    m_nCurrent = 0;
    CurrentPage().OnSetActive();
}

void CSheetModel::Restart()
{
    m_pInstrument.reset();
    m_nSelModel = m_nSelComm = m_nSelFirmware = m_nBuiltModel = -1;
    // A page that has not been added since the last start is as it was made.
    m_pIntro->Restart();
    for (CPageModel* pPage : m_apUsed)
        pPage->Restart();
    m_apUsed.clear();
    KeepFirstPages(1);
    Start();
}

CPageResult CSheetModel::Next()
{
    CPageResult result = CurrentPage().OnWizardNext();
    if (result.m_bStay)
        return result;
    return MoveTo(m_nCurrent + 1, result);
}

CPageResult CSheetModel::Back()
{
    CPageResult result = CurrentPage().OnWizardBack();
    if (result.m_bStay)
        return result;
    return MoveTo(m_nCurrent - 1, result);
}

CPageResult CSheetModel::MoveTo(int nIndex, CPageResult result)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_apPages.size())) {
        result.m_bStay = true;   // no page there: the wizard cannot move
        return result;
    }
    m_nCurrent = nIndex;
    CurrentPage().OnSetActive();
    return result;
}
