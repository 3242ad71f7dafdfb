#include "SensorListPageModel.h"

#include "Instrument.h"
#include "PageMessages.h"
#include "StrFormat.h"

namespace {

std::vector<CControlState> SensorListLayout()
{
    std::vector<CControlState> aLayout = {
        LabelControl("Number of Auxiliary Sensors"),
        ListControl(),
        LabelControl("Sensor type:"),
        LabelControl("Current (Amps), enter for non Kelvo:"),
    };
    aLayout.insert(aLayout.end(), CSensorListPageModel::kRows, ListControl());
    aLayout.insert(aLayout.end(), CSensorListPageModel::kRows, EditControl());
    aLayout.push_back(ReportControl());
    return aLayout;
}

// Entry nIndex of a string list, or "" outside it.
std::string EntryOf(const std::vector<std::string>& astrList, int nIndex)
{
    return nIndex >= 0 && nIndex < static_cast<int>(astrList.size()) ? astrList[static_cast<std::size_t>(nIndex)]
                                                                      : std::string();
}

// A current is typed only for a sensor of another maker.
bool TakesTypedCurrent(const std::string& strType)
{
    return strType.find("Kelvo") == std::string::npos && strType.find("none") == std::string::npos;
}
}  // namespace

CSensorListPageModel::CSensorListPageModel(CSheetModel& sheet)
    : CPageModel(sheet, EPageKind::SensorList, "Sensor List", SensorListLayout())
{
}

void CSensorListPageModel::ShowRows(int nCount)
{
    Show({kTypeLabel, kCurrentLabel}, nCount >= 1);
    for (int k = 0; k < kRows; ++k)
        Show({TypeId(k), CurrentId(k)}, k < nCount);
}

void CSensorListPageModel::OnSetActive()
{
    const CInstrument& instrument = *Instrument();
    SetWizardButtons(kWizBack | kWizNext);
    CControlState& count = Control(kCount);
    count.m_astrItems.clear();
    for (int n = 0; n <= instrument.m_nMaxAuxSensors; ++n)
        count.m_astrItems.push_back(StrFormat("%d", n));
    count.m_nSelection = instrument.m_nAuxSensorCount >= 1 ? instrument.m_nAuxSensorCount : 0;
    ShowRows(0);
    for (int k = 0; k < kRows; ++k) {
        Control(TypeId(k)).m_astrItems = instrument.m_astrAuxSensorNames;
        Control(TypeId(k)).m_nSelection = 0;
        Control(CurrentId(k)).m_strText = EntryOf(instrument.m_astrAuxSensorCurrents, 0);
    }
    if (instrument.m_nAuxSensorCount >= 1) {
        ShowRows(instrument.m_nAuxSensorCount);
        for (int k = 0; k < instrument.m_nAuxSensorCount && k < kRows; ++k) {
            Control(TypeId(k)).m_nSelection = instrument.m_aAuxSensors.At(k).m_nTypeIndex;
            Control(CurrentId(k)).m_strText = StrFormat("%5.3lf", instrument.m_aAuxSensors.ValueAt(k));
        }
    }
    ShowReport(kReport);
    ReadFields();
}

void CSensorListPageModel::OnCountChanged()
{
    ReadFields();
    ShowRows(0);
    const int nCount = Control(kCount).m_nSelection;
    if (nCount < 1)
        return;
    ShowRows(nCount);
    for (int k = 0; k < nCount && k < kRows; ++k)
        Control(CurrentId(k)).m_bEnabled = false;
}

void CSensorListPageModel::OnTypeChanged(int nRow)
{
    const CInstrument& instrument = *Instrument();
    ReadFields();
    const int nType = Control(TypeId(nRow)).m_nSelection;
    FieldText(CurrentId(nRow)) = EntryOf(instrument.m_astrAuxSensorCurrents, nType);
    Control(CurrentId(nRow)).m_bEnabled = TakesTypedCurrent(EntryOf(instrument.m_astrAuxSensorNames, nType));
    PushFields();
}

void CSensorListPageModel::OnCommand(int nId)
{
    if (nId == kCount)
        OnCountChanged();
    else if (nId >= kTypeFirst && nId < kTypeFirst + kRows)
        OnTypeChanged(nId - kTypeFirst);
}

CPageResult CSensorListPageModel::Leave(bool bNext)
{
    CInstrument& instrument = *Instrument();
    CPageResult result;
    ReadFields();
    const int nCount = Control(kCount).m_nSelection;
    instrument.m_nAuxSensorCount = nCount;
    for (int k = 0; k < nCount && k < kRows; ++k) {
        const int nType = Control(TypeId(k)).m_nSelection;
        // A negative current keeps the row's stored one (Back) or stops here (Next).
        double dCurrent = instrument.m_aAuxSensors.ValueAt(k);
        if (!StoreNotNegative(CurrentId(k), dCurrent, PageMessage(EPageMessage::CurrentNegative), bNext, result))
            return result;
        instrument.m_aAuxSensors.Set(k, EntryOf(instrument.m_astrAuxSensorNames, nType), dCurrent, nType);
    }
    return result;
}

CControlLabel CSensorListPageModel::LabelOf(int nId) const
{
    for (int nRow = 0; nRow < kRows; ++nRow) {
        if (nId == TypeId(nRow))
            return {kTypeLabel, nRow + 1};
        if (nId == CurrentId(nRow))
            return {kCurrentLabel, nRow + 1};
    }
    return CPageModel::LabelOf(nId);
}
