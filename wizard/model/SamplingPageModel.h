#pragma once

#include "PageModel.h"

// What the three sampling pages share: the sample interval field and the two
// query fields ("Number of Instruments to be Queried", "Communication Rate
// (per Hour)"), with their texts, checks and stores.
class CSamplingPageModel : public CPageModel {
public:
    struct CSharedIds {
        int m_nInterval;
        int m_nQueriedLabel;
        int m_nQueried;
        int m_nRateLabel;
        int m_nRate;
        int m_nReport;
    };

    CSamplingPageModel(CSheetModel& sheet, EPageKind eKind, std::vector<CControlState> aLayout, CSharedIds ids);

protected:
    // Interval text: the record's interval, or szUnset when it is not set yet.
    void SetIntervalText(const char* szUnset);
    // Query texts: the record's figures once the rate is set, else "0" and "0".
    void SetQueryTexts();
    void ShowQueryFields(bool bVisible);
    void ShowRateFields(bool bVisible);
    // Reads and checks the interval; stores it when in range. False when out of
    // range (on Next the result then carries the message and stays).
    bool StoreInterval(bool bNext, CPageResult& result);
    // Stores both query figures, the instrument count first (a text without a
    // number gives 0). A negative one is not stored; on Next it stops the page
    // with its message and the result is false.
    bool StoreQueryFigures(bool bNext, CPageResult& result);

    const CSharedIds m_ids;
};

// The layout of the shared controls, appended to a page's own table.
CControlState IntervalLabel();
CControlState QueriedLabel();
CControlState RateLabel();
