#include "PropPageSampleRate.h"

#include "SampleRatePageModel.h"
#include "SamplingBindings.h"
#include "ui_PropPageSampleRate.h"

CPropPageSampleRate::CPropPageSampleRate(CSampleRatePageModel& model)
    : CLayoutPage(model)
{
}

CPropPageSampleRate::~CPropPageSampleRate() = default;

void CPropPageSampleRate::BindControls(CControlBinder& binder, Ui::PropPageSampleRate& ui)
{
    BindSamplingFields<CSampleRatePageModel>(binder, ui);
    binder.Bind(CSampleRatePageModel::kNCyclesLabel, ui.labelNCycles);
    binder.Bind(CSampleRatePageModel::kNCycles, ui.editNCycles);
    binder.Bind(CSampleRatePageModel::kDelayLabel, ui.labelDelay);
    binder.Bind(CSampleRatePageModel::kDelay, ui.editDelay);
}
