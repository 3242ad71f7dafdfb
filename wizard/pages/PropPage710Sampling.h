#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPage710Sampling;
}
class C710SamplingPageModel;

// The Kelvo 710 sampling page.
class CPropPage710Sampling : public CLayoutPage<Ui::PropPage710Sampling> {
public:
    explicit CPropPage710Sampling(C710SamplingPageModel& model);
    ~CPropPage710Sampling() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPage710Sampling& ui) override;
};
