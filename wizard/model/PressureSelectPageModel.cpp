#include "PressureSelectPageModel.h"

#include "Instrument.h"
#include "PageMessages.h"
#include "StrFormat.h"

namespace {
// The Digiquartz entry, the one with an integration time.
constexpr int kParosEntry = 2;

std::vector<CControlState> PressureLayout()
{
    return {
        LabelControl("Pressure Sensor Type"),
        ListControl(),
        LabelControl("Paros integration time (sec):"),
        EditControl(),
        ReportControl(),
    };
}
}  // namespace

CPressureSelectPageModel::CPressureSelectPageModel(CSheetModel& sheet)
    : CPageModel(sheet, EPageKind::PressureSelect, "Pressure Sensor", PressureLayout())
{
}

void CPressureSelectPageModel::ShowParosFor(int nEntry)
{
    Show({kParosLabel, kParosTime}, nEntry == kParosEntry && Instrument()->HasParosIntegration() != 0);
}

void CPressureSelectPageModel::OnSetActive()
{
    CInstrument& instrument = *Instrument();
    SetWizardButtons(kWizBack | kWizNext);
    Show({kParosLabel, kParosTime}, false);
    FieldText(kParosTime) = StrFormat("%d", instrument.m_nParosIntegrationTime);
    CControlState& list = Control(kSensor);
    list.m_astrItems.clear();
    for (int i = 0; i < instrument.GetPressureSensorCount(); ++i)
        list.m_astrItems.push_back(instrument.m_aPressureSensors.NameAt(i));
    if (instrument.GetPressureSensorIndex() >= 0) {
        list.m_nSelection = instrument.GetPressureSensorIndex();
        ShowParosFor(list.m_nSelection);
    } else {
        list.m_nSelection = list.m_astrItems.empty() ? -1 : 0;
    }
    ShowReport(kReport);
    PushFields();
}

void CPressureSelectPageModel::OnCommand(int nId)
{
    if (nId == kSensor)
        ShowParosFor(Control(kSensor).m_nSelection);
}

CPageResult CPressureSelectPageModel::Leave(bool bNext)
{
    CInstrument& instrument = *Instrument();
    CPageResult result;
    ReadFields();
    const int nEntry = Control(kSensor).m_nSelection;
    instrument.SetPressureSensorIndex(nEntry);
    if (nEntry == kParosEntry && instrument.HasParosIntegration() == 1)
        StoreNotNegative(kParosTime, instrument.m_nParosIntegrationTime, PageMessage(EPageMessage::ParosNegative), bNext, result);
    return result;
}
