#include "PropPage700Sampling.h"

#include "Sampling700PageModel.h"
#include "SamplingBindings.h"
#include "ui_PropPage700Sampling.h"

CPropPage700Sampling::CPropPage700Sampling(C700SamplingPageModel& model)
    : CLayoutPage(model)
{
}

CPropPage700Sampling::~CPropPage700Sampling() = default;

void CPropPage700Sampling::BindControls(CControlBinder& binder, Ui::PropPage700Sampling& ui)
{
    BindSamplingFields<C700SamplingPageModel>(binder, ui);
    binder.Bind(C700SamplingPageModel::kNAvgLabel, ui.labelNAvg);
    binder.Bind(C700SamplingPageModel::kNAvg, ui.editNAvg);
    binder.Bind(C700SamplingPageModel::kAutonomous, ui.radioAutonomous);
    binder.Bind(C700SamplingPageModel::kPolled, ui.radioPolled);
    binder.Bind(C700SamplingPageModel::kSerialSync, ui.radioSerialSync);
    binder.Bind(C700SamplingPageModel::kTransmit, ui.checkTransmit);
    binder.Bind(C700SamplingPageModel::kReceiveLineValid, ui.checkReceiveLineValid);
}
