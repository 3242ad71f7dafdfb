#pragma once

#include "SamplingPageModel.h"

// The Kelvo 700 sampling page: interval, NAvg, sampling type, real-time
// transmission and the query figures, laid out by the communications scheme.
class C700SamplingPageModel : public CSamplingPageModel {
public:
    enum EControl {
        kIntervalLabel,
        kInterval,
        kNAvgLabel,
        kNAvg,
        kAutonomous,   // sampling type 0; the three buttons follow in type order
        kPolled,
        kSerialSync,
        kTransmit,
        kReceiveLineValid,
        kQueriedLabel,
        kQueried,
        kRateLabel,
        kRate,
        kReport,
        kControlCount
    };

    explicit C700SamplingPageModel(CSheetModel& sheet);

    void OnSetActive() override;
    void OnCommand(int nId) override;

private:
    void LayOutByScheme();
    void OnSamplingType(int nType);
    void OnTransmit();
    CPageResult Leave(bool bNext) override;
};
