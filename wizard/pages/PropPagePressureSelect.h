#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPagePressureSelect;
}
class CPressureSelectPageModel;

// The pressure sensor page.
class CPropPagePressureSelect : public CLayoutPage<Ui::PropPagePressureSelect> {
public:
    explicit CPropPagePressureSelect(CPressureSelectPageModel& model);
    ~CPropPagePressureSelect() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPagePressureSelect& ui) override;
};
