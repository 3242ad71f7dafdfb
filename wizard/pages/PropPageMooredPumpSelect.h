#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPageMooredPumpSelect;
}
class CMooredPumpSelectPageModel;

// The moored pump page: pump type and mode.
class CPropPageMooredPumpSelect : public CLayoutPage<Ui::PropPageMooredPumpSelect> {
public:
    explicit CPropPageMooredPumpSelect(CMooredPumpSelectPageModel& model);
    ~CPropPageMooredPumpSelect() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPageMooredPumpSelect& ui) override;
};
