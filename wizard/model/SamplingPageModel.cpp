#include "SamplingPageModel.h"

#include "FieldNumbers.h"
#include "Instrument.h"
#include "PageMessages.h"
#include "StrFormat.h"

CControlState IntervalLabel() { return LabelControl("Sample Interval in Seconds:"); }
CControlState QueriedLabel() { return LabelControl("Number of Instruments to be Queried"); }
CControlState RateLabel() { return LabelControl("Communication Rate (per Hour)"); }

CSamplingPageModel::CSamplingPageModel(CSheetModel& sheet, EPageKind eKind, std::vector<CControlState> aLayout,
                                       CSharedIds ids)
    : CPageModel(sheet, eKind, "Sampling Parameters", std::move(aLayout)), m_ids(ids)
{
}

void CSamplingPageModel::SetIntervalText(const char* szUnset)
{
    const int nInterval = Instrument()->m_nSampleInterval;
    FieldText(m_ids.m_nInterval) = nInterval == -1 ? std::string(szUnset) : StrFormat("%d", nInterval);
}

void CSamplingPageModel::SetQueryTexts()
{
    const CInstrument& instrument = *Instrument();
    const bool bSet = instrument.m_nCommsPerHour != -1;
    FieldText(m_ids.m_nRate) = bSet ? StrFormat("%d", instrument.m_nCommsPerHour) : "0";
    FieldText(m_ids.m_nQueried) = bSet ? StrFormat("%d", instrument.m_nInstrumentsQueried) : "0";
}

void CSamplingPageModel::ShowQueryFields(bool bVisible)
{
    Show({m_ids.m_nQueriedLabel, m_ids.m_nQueried, m_ids.m_nRateLabel, m_ids.m_nRate}, bVisible);
}

void CSamplingPageModel::ShowRateFields(bool bVisible) { Show({m_ids.m_nRateLabel, m_ids.m_nRate}, bVisible); }

bool CSamplingPageModel::StoreInterval(bool bNext, CPageResult& result)
{
    CInstrument& instrument = *Instrument();
    const bool bInRange = FieldNumbers::ScanUnsignedInRange(FieldText(m_ids.m_nInterval), instrument.m_nMinSampleInterval,
                                                            instrument.m_nMaxSampleInterval, instrument.m_nSampleInterval);
    if (!bInRange && bNext) {
        result.m_bStay = true;
        result.m_strMessage = instrument.GetSampleIntervalRangeMsg();
    }
    return bInRange;
}

bool CSamplingPageModel::StoreQueryFigures(bool bNext, CPageResult& result)
{
    CInstrument& instrument = *Instrument();
    return StoreNotNegative(m_ids.m_nQueried, instrument.m_nInstrumentsQueried, PageMessage(EPageMessage::QueriedNegative), bNext, result)
           && StoreNotNegative(m_ids.m_nRate, instrument.m_nCommsPerHour, PageMessage(EPageMessage::RateNegative), bNext, result);
}
