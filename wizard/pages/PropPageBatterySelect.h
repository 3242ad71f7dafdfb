#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPageBatterySelect;
}
class CBatterySelectPageModel;

// The deployment conditions page: battery, temperature, pressure, Tau20.
class CPropPageBatterySelect : public CLayoutPage<Ui::PropPageBatterySelect> {
public:
    explicit CPropPageBatterySelect(CBatterySelectPageModel& model);
    ~CPropPageBatterySelect() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPageBatterySelect& ui) override;
};
