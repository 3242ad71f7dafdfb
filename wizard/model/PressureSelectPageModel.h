#pragma once

#include "PageModel.h"

// The pressure sensor page: the sensor list and, for the Digiquartz entry of
// variants that ask it, the Paros integration time.
class CPressureSelectPageModel : public CPageModel {
public:
    enum EControl { kSensorLabel, kSensor, kParosLabel, kParosTime, kReport, kControlCount };

    explicit CPressureSelectPageModel(CSheetModel& sheet);

    void OnSetActive() override;
    void OnCommand(int nId) override;

private:
    void ShowParosFor(int nEntry);
    CPageResult Leave(bool bNext) override;
};
