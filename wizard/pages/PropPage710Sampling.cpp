#include "PropPage710Sampling.h"

#include "Sampling710PageModel.h"
#include "SamplingBindings.h"
#include "ui_PropPage710Sampling.h"

CPropPage710Sampling::CPropPage710Sampling(C710SamplingPageModel& model)
    : CLayoutPage(model)
{
}

CPropPage710Sampling::~CPropPage710Sampling() = default;

void CPropPage710Sampling::BindControls(CControlBinder& binder, Ui::PropPage710Sampling& ui)
{
    BindSamplingFields<C710SamplingPageModel>(binder, ui);
    binder.Bind(C710SamplingPageModel::kIntervalSampling, ui.radioInterval);
    binder.Bind(C710SamplingPageModel::kContinuous, ui.radioContinuous);
    binder.Bind(C710SamplingPageModel::kPolledLow, ui.radioPolledLow);
    binder.Bind(C710SamplingPageModel::kPolledHigh, ui.radioPolledHigh);
}
