#include "Sampling600PageModel.h"

#include "FieldNumbers.h"
#include "Instrument.h"
#include "PageMessages.h"
#include "StrFormat.h"

namespace {
std::vector<CControlState> Sampling600Layout()
{
    return {
        IntervalLabel(),
        EditControl(),
        LabelControl("Number of measurements per sample (NCycles):"),
        EditControl(),
        LabelControl("Delay Before Sampling (seconds):"),
        EditControl(),
        QueriedLabel(),
        EditControl(),
        RateLabel(),
        EditControl(),
        ReportControl(),
    };
}
}  // namespace

C600SamplingPageModel::C600SamplingPageModel(CSheetModel& sheet)
    : CSamplingPageModel(sheet, EPageKind::Sampling600, Sampling600Layout(),
                         {kInterval, kQueriedLabel, kQueried, kRateLabel, kRate, kReport})
{
}

void C600SamplingPageModel::OnSetActive()
{
    const CInstrument& instrument = *Instrument();
    SetWizardButtons(kWizBack | kWizNext);
    Show({kDelayLabel, kDelay}, instrument.UsesSamplingDelay() != 0);
    Show({kNCyclesLabel, kNCycles}, instrument.UsesNCycles() != 0);
    ShowQueryFields(instrument.GetCommScheme() != CommScheme::kNotQueried);
    FieldText(kDelay) = StrFormat("%4.1lf", instrument.m_dSamplingDelay);
    FieldText(kNCycles) = StrFormat("%d", instrument.m_nNCycles);
    SetIntervalText("600");
    SetQueryTexts();
    ShowReport(kReport);
    PushFields();
}

CPageResult C600SamplingPageModel::Leave(bool bNext)
{
    CInstrument& instrument = *Instrument();
    CPageResult result;
    ReadFields();
    if (!StoreInterval(bNext, result) && bNext)
        return result;
    if (instrument.UsesNCycles() != 0) {
        const bool bInRange = FieldNumbers::ScanUnsignedInRange(FieldText(kNCycles), instrument.m_nMinNCycles,
                                                                instrument.m_nMaxNCycles, instrument.m_nNCycles);
        if (!bInRange && bNext)
            return {true, instrument.GetNCyclesRangeMsg()};
        // The odd value has been stored already: only Next refuses it.
        if (bInRange && bNext && instrument.MustNCyclesBeEven() != 0 && instrument.m_nNCycles % 2 != 0)
            return {true, PageMessage(EPageMessage::NCyclesEven)};
    }
    if (instrument.UsesSamplingDelay() != 0
        && !StoreNotNegative(kDelay, instrument.m_dSamplingDelay, PageMessage(EPageMessage::DelayNegative), bNext, result))
        return result;
    if (instrument.GetCommScheme() != CommScheme::kNotQueried)
        StoreQueryFigures(bNext, result);
    return result;
}
