#include "Sampling700PageModel.h"

#include "FieldNumbers.h"
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

enum ESamplingType { kTypeAutonomous = 0, kTypePolled = 1, kTypeSerialSync = 2 };

// The Kelvo 700 communications schemes that lay the page out differently.
enum EScheme {
    kSchemeRs232 = 0,
    kSchemeRs232RealTime = 1,
    kSchemeRs485 = 2,
    kSchemeModem = 3,
    kSchemeModemOxygen = 4,
    kSchemeRs232Oxygen = 5,
    kSchemeRs232Pumped40 = 6,
};

// Transmit state per sampling type under the schemes whose buttons change it:
// checked, enabled, shown, and the flag stored in the record.
struct CTransmitRule {
    bool m_bChecked;
    bool m_bEnabled;
    bool m_bVisible;
    int m_bTransmitRealTime;
};

// Scheme 1 (with the real-time option), by sampling type.
constexpr CTransmitRule kaScheme1Rules[3] = {
    {false, true, true, 0},    // autonomous
    {true, true, false, 1},    // polled
    {false, true, false, 1},   // serial line sync
};
// Schemes 5 and 6, by sampling type.
constexpr CTransmitRule kaScheme56Rules[3] = {
    {false, true, true, 0},
    {true, false, true, 1},
    {false, true, true, 0},
};

int RadioOfType(int nType)
{
    switch (nType) {
    case kTypeAutonomous: return C700SamplingPageModel::kAutonomous;
    case kTypePolled: return C700SamplingPageModel::kPolled;
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
    ShowQueryFields(nScheme == kSchemeRs485 || nScheme == kSchemeModem || nScheme == kSchemeModemOxygen);
    if (nScheme != kSchemeRs232)
        Control(kSerialSync).m_bEnabled = (nScheme != kSchemeModem && nScheme != kSchemeModemOxygen);
    CControlState& transmit = Control(kTransmit);
    switch (nScheme) {
    case kSchemeRs232RealTime: {
        const int nModel = instrument.GetModelIndex();
        const int nFirmware = instrument.GetFirmwareIndex();
        if ((nModel == 3 && nFirmware > 3) || (nModel == 4 && nFirmware == 3))
            transmit.m_bVisible = (nType == kTypeAutonomous);
        transmit.m_bChecked = (instrument.m_bTransmitRealTime == 1);
        break;
    }
    case kSchemeRs232Oxygen:
        transmit.m_bVisible = true;
        transmit.m_bEnabled = (nType != kTypePolled);
        Control(kReceiveLineValid).m_bChecked = (instrument.m_bReceiveLineValid != 0);
        transmit.m_bChecked = (instrument.m_bTransmitRealTime == 1);
        OnTransmit();
        break;
    case kSchemeRs232Pumped40:
        transmit.m_bVisible = true;
        transmit.m_bEnabled = (nType != kTypePolled);
        if (nType == kTypePolled)
            instrument.m_bTransmitRealTime = 1;
        transmit.m_bChecked = (instrument.m_bTransmitRealTime == 1);
        break;
    case kSchemeModemOxygen:
        transmit.m_bVisible = false;
        Control(kPolled).m_bEnabled = (instrument.GetFirmwareIndex() > 0);
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
    if (nType != kTypeAutonomous)
        instrument.m_bTransmitRealTime = 0;
    instrument.m_nSamplingType = nType;
    CheckRadio({kAutonomous, kPolled, kSerialSync}, RadioOfType(nType));
    const int nScheme = instrument.GetCommScheme();
    const CTransmitRule* pRule = nullptr;
    if (nScheme == kSchemeRs232RealTime && instrument.HasRealTimeOption() != 0)
        pRule = &kaScheme1Rules[nType];
    else if (nScheme == kSchemeRs232Oxygen || nScheme == kSchemeRs232Pumped40)
        pRule = &kaScheme56Rules[nType];
    if (pRule) {
        CControlState& transmit = Control(kTransmit);
        transmit.m_bChecked = pRule->m_bChecked;
        // Scheme 1 leaves the box enabled as it is; schemes 5 and 6 set it.
        if (nScheme != kSchemeRs232RealTime)
            transmit.m_bEnabled = pRule->m_bEnabled;
        // Scheme 5 keeps the box shown as activation left it.
        if (nScheme != kSchemeRs232Oxygen)
            transmit.m_bVisible = pRule->m_bVisible;
        instrument.m_bTransmitRealTime = pRule->m_bTransmitRealTime;
        if (nScheme == kSchemeRs232Oxygen)
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
        if (instrument.GetCommScheme() == kSchemeRs232Oxygen)
            Control(kReceiveLineValid).m_bVisible = true;
    }
    PushFields();
}

void C700SamplingPageModel::OnCommand(int nId)
{
    switch (nId) {
    case kAutonomous:
        OnSamplingType(kTypeAutonomous);
        break;
    case kPolled:
        OnSamplingType(kTypePolled);
        break;
    case kSerialSync:
        OnSamplingType(kTypeSerialSync);
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
    if (instrument.GetCommScheme() != kSchemeRs232)
        StoreQueryFigures();
    return result;
}
