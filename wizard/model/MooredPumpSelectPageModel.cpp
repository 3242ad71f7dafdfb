#include "MooredPumpSelectPageModel.h"

#include "Instrument.h"

namespace {
std::vector<CControlState> PumpLayout()
{
    return {
        LabelControl("Pump Type:"),
        ListControl(),
        RadioControl("Pump Mode 1"),
        RadioControl("Pump Mode 2"),
        ReportControl(),
    };
}
}  // namespace

CMooredPumpSelectPageModel::CMooredPumpSelectPageModel(CSheetModel& sheet)
    : CPageModel(sheet, EPageKind::MooredPumpSelect, "Moored Pump", PumpLayout())
{
}

void CMooredPumpSelectPageModel::OnSetActive()
{
    CInstrument& instrument = *Instrument();
    SetWizardButtons(kWizBack | kWizNext);
    Show({kMode1, kMode2}, false);
    CControlState& list = Control(kPump);
    list.m_astrItems.clear();
    for (int i = 0; i < instrument.GetPumpCount(); ++i)
        list.m_astrItems.push_back(instrument.m_aPumps.NameAt(i));
    if (instrument.m_nPumpIndex >= 0) {
        list.m_nSelection = instrument.m_nPumpIndex;
        const int nModel = instrument.GetModelIndex();
        if ((nModel == ModelIndex::k620 && instrument.m_nPumpIndex >= 1) || nModel == ModelIndex::k630) {
            Show({kMode1, kMode2}, true);
            CheckRadio({kMode1, kMode2}, instrument.m_nPumpMode == 1 ? kMode1 : kMode2);
        }
    } else {
        list.m_nSelection = list.m_astrItems.empty() ? -1 : 0;
    }
    ShowReport(kReport);
}

void CMooredPumpSelectPageModel::OnPumpChanged()
{
    CInstrument& instrument = *Instrument();
    const CControlState& list = Control(kPump);
    const bool bInList = list.m_nSelection >= 0 && list.m_nSelection < static_cast<int>(list.m_astrItems.size());
    const std::string strName = bInList ? list.m_astrItems[static_cast<std::size_t>(list.m_nSelection)] : std::string();
    if (strName.compare(0, 4, "none") == 0) {
        Show({kMode1, kMode2}, false);
        instrument.m_nPumpMode = 0;
    } else if (instrument.HasPumpModes() != 0) {
        Show({kMode1, kMode2}, true);
        CheckRadio({kMode1, kMode2}, kMode1);
    }
}

void CMooredPumpSelectPageModel::OnCommand(int nId)
{
    switch (nId) {
    case kPump:
        OnPumpChanged();
        break;
    case kMode1:
    case kMode2:
        CheckRadio({kMode1, kMode2}, nId);
        Instrument()->m_nPumpMode = (nId == kMode1) ? 1 : 2;
        break;
    default:
        break;
    }
}

CPageResult CMooredPumpSelectPageModel::Leave(bool)
{
    CInstrument& instrument = *Instrument();
    const int nEntry = Control(kPump).m_nSelection;
    instrument.SetPumpIndex(nEntry);
    if (nEntry >= 1 && instrument.HasPumpModes() != 0)
        instrument.m_nPumpMode = Control(kMode1).m_bChecked ? 1 : 2;
    return {};
}
