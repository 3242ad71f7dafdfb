#include "Sampling700PageModel.h"

#include "FieldNumbers.h"
#include "FirmwareCatalogue.h"
#include "Instrument.h"
#include "StrFormat.h"

namespace {
std::vector<CControlState> Sampling700Layout()
{
    return {
        IntervalLabel(),
        EditControl(),
        LabelControl("Number of measurements per sample (NAvg or NCycle):"),
        EditControl(),
        RadioControl("Autonomous Sampling"),
        RadioControl("Polled Sampling"),
        RadioControl("Serial Line Sync"),
        CheckControl("Transmit Real-time"),
        CheckControl("Receive line valid between samples"),
        QueriedLabel(),
        EditControl(),
        RateLabel(),
        EditControl(),
        ReportControl(),
    };
}

// Transmit state per sampling type under the schemes whose buttons change it:
// checked, enabled, shown, and the flag stored in the record.
struct CTransmitRule {
    bool m_bChecked;
    bool m_bEnabled;
    bool m_bVisible;
    int m_bTransmitRealTime;
};

// RS-232 with "Transmit Real-time" (CommScheme::kRs232RealTime), by sampling type.
constexpr CTransmitRule kRealTimeRules[3] = {
    {false, true, true, 0},    // autonomous
    {true, true, false, 1},    // polled
    {false, true, false, 1},   // serial line sync
};
// RS-232 with oxygen and RS-232 pumped 4.0 (CommScheme::kRs232Oxygen and
// kRs232Pumped40), by sampling type.
constexpr CTransmitRule kOxygenAndPumped40Rules[3] = {
    {false, true, true, 0},
    {true, false, true, 1},
    {false, true, true, 0},
};

int RadioOfType(int nType)
{
    switch (nType) {
    case SamplingType::kAutonomous: return C700SamplingPageModel::kAutonomous;
    case SamplingType::kPolled: return C700SamplingPageModel::kPolled;
    default: return C700SamplingPageModel::kSerialSync;
    }
}
}  // namespace

C700SamplingPageModel::C700SamplingPageModel(CSheetModel& sheet)
    : CSamplingPageModel(sheet, EPageKind::Sampling700, Sampling700Layout(),
                         {kInterval, kQueriedLabel, kQueried, kRateLabel, kRate, kReport})
{
}

void C700SamplingPageModel::LayOutByScheme()
{
    CInstrument& instrument = *Instrument();
    const int nScheme = instrument.GetCommScheme();
    const int nType = instrument.m_nSamplingType;
    ShowQueryFields(nScheme == CommScheme::kRs485 || nScheme == CommScheme::kModem || nScheme == CommScheme::kModemOxygen);
    if (nScheme != CommScheme::kRs232)
        Control(kSerialSync).m_bEnabled = (nScheme != CommScheme::kModem && nScheme != CommScheme::kModemOxygen);
    CControlState& transmit = Control(kTransmit);
    switch (nScheme) {
    case CommScheme::kRs232RealTime: {
        const int nModel = instrument.GetModelIndex();
        const int nFirmware = instrument.GetFirmwareIndex();
        // The RS-232 revisions "3.0 and higher" of the Kelvo 700 without pump
        // (the last) and "3.0 and higher, less than 4.0" of the pumped one (4.0
        // has a scheme of its own) send real-time data only while sampling
        // autonomously, so the box is offered only then.
        if ((nModel == ModelIndex::k700NoPump && nFirmware >= FirmwareIndex::k700NoPumpRs232From30)
            || (nModel == ModelIndex::k700Pump && nFirmware == FirmwareIndex::k700PumpRs232From30To40))
            transmit.m_bVisible = (nType == SamplingType::kAutonomous);
        transmit.m_bChecked = (instrument.m_bTransmitRealTime == 1);
        break;
    }
    case CommScheme::kRs232Oxygen:
        transmit.m_bVisible = true;
        transmit.m_bEnabled = (nType != SamplingType::kPolled);
        Control(kReceiveLineValid).m_bChecked = (instrument.m_bReceiveLineValid != 0);
        transmit.m_bChecked = (instrument.m_bTransmitRealTime == 1);
        OnTransmit();
        break;
    case CommScheme::kRs232Pumped40:
        transmit.m_bVisible = true;
        transmit.m_bEnabled = (nType != SamplingType::kPolled);
        if (nType == SamplingType::kPolled)
            instrument.m_bTransmitRealTime = 1;
        transmit.m_bChecked = (instrument.m_bTransmitRealTime == 1);
        break;
    case CommScheme::kModemOxygen:
        transmit.m_bVisible = false;
        // The prototype's firmware cannot be polled; the production revisions can.
        Control(kPolled).m_bEnabled = (instrument.GetFirmwareIndex() > FirmwareIndex::k700OxygenModemPrototype);
        break;
    default:
        transmit.m_bVisible = false;
        break;
    }
}

void C700SamplingPageModel::OnSetActive()
{
    const CInstrument& instrument = *Instrument();
    Show({kReceiveLineValid}, false);
    SetWizardButtons(kWizBack | kWizNext);
    LayOutByScheme();
    Show({kNAvgLabel, kNAvg}, instrument.UsesNAvg() != 0 || instrument.UsesNCycles() != 0);
    CheckRadio({kAutonomous, kPolled, kSerialSync}, RadioOfType(instrument.m_nSamplingType));
    SetIntervalText("600");
    FieldText(kNAvg) = StrFormat("%d", instrument.m_nNAvg);
    SetQueryTexts();
    ShowReport(kReport);
    PushFields();
}

void C700SamplingPageModel::OnSamplingType(int nType)
{
    CInstrument& instrument = *Instrument();
    ReadFields();   // the texts typed so far survive the click
    if (nType != SamplingType::kAutonomous)
        instrument.m_bTransmitRealTime = 0;
    instrument.m_nSamplingType = nType;
    CheckRadio({kAutonomous, kPolled, kSerialSync}, RadioOfType(nType));
    const int nScheme = instrument.GetCommScheme();
    const CTransmitRule* pRule = nullptr;
    if (nScheme == CommScheme::kRs232RealTime && instrument.HasRealTimeOption() != 0)
        pRule = &kRealTimeRules[nType];
    else if (nScheme == CommScheme::kRs232Oxygen || nScheme == CommScheme::kRs232Pumped40)
        pRule = &kOxygenAndPumped40Rules[nType];
    if (pRule) {
        CControlState& transmit = Control(kTransmit);
        transmit.m_bChecked = pRule->m_bChecked;
        // The real-time scheme leaves the box enabled as it is; the other two set it.
        if (nScheme != CommScheme::kRs232RealTime)
            transmit.m_bEnabled = pRule->m_bEnabled;
        // With oxygen the box stays shown as activation left it.
        if (nScheme != CommScheme::kRs232Oxygen)
            transmit.m_bVisible = pRule->m_bVisible;
        instrument.m_bTransmitRealTime = pRule->m_bTransmitRealTime;
        if (nScheme == CommScheme::kRs232Oxygen)
            OnTransmit();
    }
    PushFields();
}

void C700SamplingPageModel::OnTransmit()
{
    CInstrument& instrument = *Instrument();
    ReadFields();
    if (!Control(kTransmit).m_bChecked) {
        instrument.m_bTransmitRealTime = 0;
        Control(kReceiveLineValid).m_bVisible = false;
        Control(kReceiveLineValid).m_bChecked = false;
        instrument.m_bReceiveLineValid = 0;
    } else {
        instrument.m_bTransmitRealTime = 1;
        if (instrument.GetCommScheme() == CommScheme::kRs232Oxygen)
            Control(kReceiveLineValid).m_bVisible = true;
    }
    PushFields();
}

void C700SamplingPageModel::OnCommand(int nId)
{
    switch (nId) {
    case kAutonomous:
        OnSamplingType(SamplingType::kAutonomous);
        break;
    case kPolled:
        OnSamplingType(SamplingType::kPolled);
        break;
    case kSerialSync:
        OnSamplingType(SamplingType::kSerialSync);
        break;
    case kTransmit:
        OnTransmit();
        break;
    default:
        break;
    }
}

CPageResult C700SamplingPageModel::Leave(bool bNext)
{
    CInstrument& instrument = *Instrument();
    CPageResult result;
    ReadFields();
    instrument.m_bReceiveLineValid = Control(kReceiveLineValid).m_bChecked ? 1 : 0;
    if (!StoreInterval(bNext, result) && bNext)
        return result;
    if (instrument.UsesNAvg() != 0 || instrument.UsesNCycles() != 0) {
        int nNAvg = 0;
        if (FieldNumbers::ScanUnsignedInRange(FieldText(kNAvg), instrument.m_nMinNAvg, instrument.m_nMaxNAvg, nNAvg)) {
            instrument.m_nNAvg = nNAvg;
            instrument.m_nNCycles = nNAvg;
        } else if (bNext) {
            return {true, instrument.GetNAvgRangeMsg()};
        }
    }
    if (instrument.GetCommScheme() != CommScheme::kRs232)
        StoreQueryFigures(bNext, result);
    return result;
}
