#include "PropPageMooredPumpSelect.h"

#include "MooredPumpSelectPageModel.h"
#include "ui_PropPageMooredPumpSelect.h"

CPropPageMooredPumpSelect::CPropPageMooredPumpSelect(CMooredPumpSelectPageModel& model)
    : CLayoutPage(model)
{
}

CPropPageMooredPumpSelect::~CPropPageMooredPumpSelect() = default;

void CPropPageMooredPumpSelect::BindControls(CControlBinder& binder, Ui::PropPageMooredPumpSelect& ui)
{
    binder.Bind(CMooredPumpSelectPageModel::kPumpLabel, ui.labelPump);
    binder.Bind(CMooredPumpSelectPageModel::kPump, ui.comboPump);
    binder.Bind(CMooredPumpSelectPageModel::kMode1, ui.radioMode1);
    binder.Bind(CMooredPumpSelectPageModel::kMode2, ui.radioMode2);
    binder.Bind(CMooredPumpSelectPageModel::kReport, ui.report);
}
