#include "BatterySelectPageModel.h"

#include "FieldNumbers.h"
#include "Instrument.h"
#include "PageMessages.h"
#include "StrFormat.h"

namespace {
std::vector<CControlState> BatteryLayout()
{
    return {
        LabelControl("Battery Type:"),
        ListControl(),
        LabelControl("Approximate Deployment Temperature (deg C):"),
        EditControl(),
        LabelControl("Approximate Deployment Pressure (decibars):"),
        EditControl(),
        LabelControl("Tau20 From Oxygen Calibration Sheet"),
        EditControl(),
        LabelControl("Note: Typical value for Tau20 = 5.5; range from 4 to 6.5."),
        ReportControl(),
    };
}

constexpr const char* kTitleBattery = "Battery Type";
constexpr const char* kTitlePumpTime = "Battery Type and Pump Time Parameters";

// One decimal field of the page with its inclusive range and message.
struct CDecimalRule {
    int m_nId;
    double m_dMin;
    double m_dMax;
    EPageMessage eMessage;

    const char* Message() const { return PageMessage(eMessage); }
};
constexpr CDecimalRule kTemperatureRule = {CBatterySelectPageModel::kTemperature, -5.0, 40.0,
                                           EPageMessage::TemperatureRange};
constexpr CDecimalRule kPressureRule = {CBatterySelectPageModel::kPressure, 1.0, 7000.0,
                                        EPageMessage::PressureRange};
constexpr CDecimalRule kTau20Rule = {CBatterySelectPageModel::kTau20, 0.5, 40.0,
                                     EPageMessage::Tau20Range};

bool InRule(const CDecimalRule& rule, const std::string& strText, double& dValue)
{
    return FieldNumbers::ScanDouble(strText, dValue) && rule.m_dMin <= dValue && dValue <= rule.m_dMax;
}

}  // namespace

CBatterySelectPageModel::CBatterySelectPageModel(CSheetModel& sheet)
    : CPageModel(sheet, EPageKind::BatterySelect, kTitleBattery, BatteryLayout())
{
}

bool CBatterySelectPageModel::IsPumpBatteryCompatible(int nModelIndex, int nBatteryIndex, int nPumpIndex)
{
    // Battery entry 0 is the alkaline pack, every later one lithium.
    const bool bLithium = nBatteryIndex > 0;
    switch (nModelIndex) {
    case ModelIndex::k610:
    case ModelIndex::k620:
        return !(bLithium && nPumpIndex >= 2);   // entries 2 and 3: the P4P and P4T pumps
    case ModelIndex::k630:
        return !(bLithium && nPumpIndex > 0);
    default:
        return true;
    }
}

void CBatterySelectPageModel::OnSetActive()
{
    const CInstrument& instrument = *Instrument();
    SetWizardButtons(kWizBack | kWizNext);
    Show({kTemperatureLabel, kTemperature, kPressureLabel, kPressure, kTau20Label, kTau20, kNote}, false);
    std::string strTitle = kTitleBattery;

    CControlState& list = Control(kBattery);
    list.m_astrItems.clear();
    if (instrument.GetBatteryCount() < 2) {
        list.m_astrItems.push_back(instrument.m_aBatteries.NameAt(0));
        list.m_bEnabled = false;
    } else {
        for (int i = 0; i < instrument.GetBatteryCount(); ++i)
            list.m_astrItems.push_back(instrument.m_aBatteries.NameAt(i));
    }
    list.m_nSelection = 0;
    const bool bChosenBefore = instrument.GetBatteryIndex() != -1;
    if (bChosenBefore)
        list.m_nSelection = instrument.GetBatteryIndex();

    if (instrument.AsksTemperature() == 1) {
        Show({kTemperatureLabel, kTemperature}, true);
        if (bChosenBefore)
            FieldText(kTemperature) = StrFormat("%4.1lf", instrument.GetDeploymentTemperature());
    } else if (instrument.AsksPumpTimeParameters() == 1) {
        strTitle = kTitlePumpTime;
        Show({kTemperatureLabel, kTemperature, kPressureLabel, kPressure, kTau20Label, kTau20, kNote}, true);
    }
    ShowReport(kReport);
    SetTitle(strTitle);
    PushFields();
}

CPageResult CBatterySelectPageModel::Leave(bool bNext)
{
    CInstrument& instrument = *Instrument();
    ReadFields();
    instrument.SetBatteryIndex(Control(kBattery).m_nSelection);
    double dValue = 0.0;
    if (instrument.AsksTemperature() == 1) {
        if (!InRule(kTemperatureRule, FieldText(kTemperature), dValue))
            return bNext ? CPageResult{true, kTemperatureRule.Message()} : CPageResult{};
        instrument.SetDeploymentTemperature(dValue);
    } else if (instrument.AsksPumpTimeParameters() == 1) {
        // On Back a bad temperature or pressure is skipped and the rest still stored.
        if (InRule(kTemperatureRule, FieldText(kTemperature), dValue))
            instrument.SetDeploymentTemperature(dValue);
        else if (bNext)
            return {true, kTemperatureRule.Message()};
        if (InRule(kPressureRule, FieldText(kPressure), dValue))
            instrument.SetDeploymentPressure(dValue);
        else if (bNext)
            return {true, kPressureRule.Message()};
        if (!InRule(kTau20Rule, FieldText(kTau20), dValue))
            return bNext ? CPageResult{true, kTau20Rule.Message()} : CPageResult{};
        instrument.SetTau20(dValue);
    }
    if (!bNext)
        return {};
    if (!IsPumpBatteryCompatible(instrument.GetModelIndex(), instrument.GetBatteryIndex(), instrument.m_nPumpIndex))
        return {true, PageMessage(EPageMessage::PumpBattery)};
    return {};
}
