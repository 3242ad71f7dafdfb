#pragma once

#include "SamplingPageModel.h"

// The Kelvo 610/620/630 sampling page: interval, NCycles, delay, query figures.
class C600SamplingPageModel : public CSamplingPageModel {
public:
    enum EControl {
        kIntervalLabel,
        kInterval,
        kNCyclesLabel,
        kNCycles,
        kDelayLabel,
        kDelay,
        kQueriedLabel,
        kQueried,
        kRateLabel,
        kRate,
        kReport,
        kControlCount
    };

    explicit C600SamplingPageModel(CSheetModel& sheet);

    void OnSetActive() override;

private:
    CPageResult Leave(bool bNext) override;
};
