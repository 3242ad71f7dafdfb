#pragma once

#include "PageModel.h"

// The deployment conditions page: the battery and, as the variant asks, the
// deployment temperature, or temperature, pressure and the oxygen Tau20.
class CBatterySelectPageModel : public CPageModel {
public:
    enum EControl {
        kBatteryLabel,
        kBattery,
        kTemperatureLabel,
        kTemperature,
        kPressureLabel,
        kPressure,
        kTau20Label,
        kTau20,
        kNote,
        kReport,
        kControlCount
    };

    explicit CBatterySelectPageModel(CSheetModel& sheet);

    void OnSetActive() override;

    // False for a lithium pack with a P4T or P4P pump on the models whose
    // pumps cannot run from one.
    static bool IsPumpBatteryCompatible(int nModelIndex, int nBatteryIndex, int nPumpIndex);

private:
    CPageResult Leave(bool bNext) override;
};
