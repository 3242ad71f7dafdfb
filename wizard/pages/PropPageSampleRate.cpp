#include "PropPageSampleRate.h"

#include "Sampling600PageModel.h"
#include "SamplingBindings.h"
#include "ui_PropPageSampleRate.h"

CPropPageSampleRate::CPropPageSampleRate(C600SamplingPageModel& model)
    : CLayoutPage(model)
{
}

CPropPageSampleRate::~CPropPageSampleRate() = default;

void CPropPageSampleRate::BindControls(CControlBinder& binder, Ui::PropPageSampleRate& ui)
{
    BindSamplingFields<C600SamplingPageModel>(binder, ui);
    binder.Bind(C600SamplingPageModel::kNCyclesLabel, ui.labelNCycles);
    binder.Bind(C600SamplingPageModel::kNCycles, ui.editNCycles);
    binder.Bind(C600SamplingPageModel::kDelayLabel, ui.labelDelay);
    binder.Bind(C600SamplingPageModel::kDelay, ui.editDelay);
}
