#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPage700Sampling;
}
class C700SamplingPageModel;

// The Kelvo 700 sampling page.
class CPropPage700Sampling : public CLayoutPage<Ui::PropPage700Sampling> {
public:
    explicit CPropPage700Sampling(C700SamplingPageModel& model);
    ~CPropPage700Sampling() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPage700Sampling& ui) override;
};
