#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPageSampleRate;
}
class C600SamplingPageModel;

// The Kelvo 610/620/630 sampling page.
class CPropPageSampleRate : public CLayoutPage<Ui::PropPageSampleRate> {
public:
    explicit CPropPageSampleRate(C600SamplingPageModel& model);
    ~CPropPageSampleRate() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPageSampleRate& ui) override;
};
