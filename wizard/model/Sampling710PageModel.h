#pragma once

#include "SamplingPageModel.h"

// The Kelvo 710 sampling page: interval, sampling mode and query figures.
class C710SamplingPageModel : public CSamplingPageModel {
public:
    enum EControl {
        kIntervalLabel,
        kInterval,
        kIntervalSampling,   // sampling mode 0; the four buttons follow in mode order
        kContinuous,
        kPolledLow,
        kPolledHigh,
        kQueriedLabel,
        kQueried,
        kRateLabel,
        kRate,
        kReport,
        kControlCount
    };

    explicit C710SamplingPageModel(CSheetModel& sheet);

    void OnSetActive() override;
    void OnCommand(int nId) override;

private:
    void OnSamplingMode(int nMode);
    CPageResult Leave(bool bNext) override;
};
