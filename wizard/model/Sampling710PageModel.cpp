#include "Sampling710PageModel.h"

#include "Instrument.h"

namespace {
std::vector<CControlState> Sampling710Layout()
{
    return {
        IntervalLabel(),
        EditControl(),
        RadioControl("Interval Autonomous Sampling"),
        RadioControl("Continuous Autonomous Sampling"),
        RadioControl("Polled Low Power Sampling"),
        RadioControl("Polled High Power Sampling"),
        QueriedLabel(),
        EditControl(),
        RateLabel(),
        EditControl(),
        ReportControl(),
    };
}

int RadioOfMode(int nMode)
{
    switch (nMode) {
    case SamplingMode::kInterval: return C710SamplingPageModel::kIntervalSampling;
    case SamplingMode::kContinuous: return C710SamplingPageModel::kContinuous;
    case SamplingMode::kPolledLow: return C710SamplingPageModel::kPolledLow;
    default: return C710SamplingPageModel::kPolledHigh;
    }
}
}  // namespace

C710SamplingPageModel::C710SamplingPageModel(CSheetModel& sheet)
    : CSamplingPageModel(sheet, EPageKind::Sampling710, Sampling710Layout(),
                         {kInterval, kQueriedLabel, kQueried, kRateLabel, kRate, kReport})
{
}

void C710SamplingPageModel::OnSetActive()
{
    CInstrument& instrument = *Instrument();
    SetWizardButtons(kWizBack | kWizNext);
    const int nScheme = instrument.GetCommScheme();
    if (nScheme == CommScheme::kRs232RealTime) {
        ShowQueryFields(false);
        Control(kIntervalSampling).m_bEnabled = true;
        Control(kContinuous).m_bEnabled = true;
        Control(kPolledLow).m_bEnabled = false;
        Control(kPolledHigh).m_bEnabled = false;
    } else if (nScheme == CommScheme::kModem) {
        ShowQueryFields(true);
        if (instrument.m_nSamplingMode != SamplingMode::kInterval)
            ShowRateFields(false);
        Control(kIntervalSampling).m_bEnabled = true;
        Control(kContinuous).m_bEnabled = false;
        Control(kPolledLow).m_bEnabled = true;
        Control(kPolledHigh).m_bEnabled = true;
    }
    CheckRadio({kIntervalSampling, kContinuous, kPolledLow, kPolledHigh}, RadioOfMode(instrument.m_nSamplingMode));
    // The Kelvo 710 starts at 300 s, written to the record at once.
    if (instrument.m_nSampleInterval == -1)
        instrument.m_nSampleInterval = 300;
    SetIntervalText("300");
    SetQueryTexts();
    ShowReport(kReport);
    PushFields();
}

void C710SamplingPageModel::OnSamplingMode(int nMode)
{
    CInstrument& instrument = *Instrument();
    ReadFields();   // the texts typed so far survive the click
    instrument.m_nSamplingMode = nMode;
    switch (nMode) {
    case SamplingMode::kInterval:
        if (instrument.GetCommIndex() != CommIndex::kRs232)
            ShowQueryFields(true);
        break;
    case SamplingMode::kContinuous:
        instrument.m_nSampleInterval = 0;
        FieldText(kInterval) = "0";
        break;
    default:
        instrument.m_nCommsPerHour = 0;
        ShowRateFields(false);
        break;
    }
    CheckRadio({kIntervalSampling, kContinuous, kPolledLow, kPolledHigh}, RadioOfMode(nMode));
    PushFields();
}

void C710SamplingPageModel::OnCommand(int nId)
{
    switch (nId) {
    case kIntervalSampling:
        OnSamplingMode(SamplingMode::kInterval);
        break;
    case kContinuous:
        OnSamplingMode(SamplingMode::kContinuous);
        break;
    case kPolledLow:
        OnSamplingMode(SamplingMode::kPolledLow);
        break;
    case kPolledHigh:
        OnSamplingMode(SamplingMode::kPolledHigh);
        break;
    default:
        break;
    }
}

CPageResult C710SamplingPageModel::Leave(bool bNext)
{
    CPageResult result;
    ReadFields();
    if (!StoreInterval(bNext, result) && bNext)
        return result;
    // Both Kelvo 710 schemes are non-zero: the figures are stored even where
    // RS-232 hides their fields.
    if (Instrument()->GetCommScheme() != CommScheme::kRs232)
        StoreQueryFigures(bNext, result);
    return result;
}
