#include "PropPagePressureSelect.h"

#include "PressureSelectPageModel.h"
#include "ui_PropPagePressureSelect.h"

CPropPagePressureSelect::CPropPagePressureSelect(CPressureSelectPageModel& model)
    : CLayoutPage(model)
{
}

CPropPagePressureSelect::~CPropPagePressureSelect() = default;

void CPropPagePressureSelect::BindControls(CControlBinder& binder, Ui::PropPagePressureSelect& ui)
{
    binder.Bind(CPressureSelectPageModel::kSensorLabel, ui.labelSensor);
    binder.Bind(CPressureSelectPageModel::kSensor, ui.comboSensor);
    binder.Bind(CPressureSelectPageModel::kParosLabel, ui.labelParos);
    binder.Bind(CPressureSelectPageModel::kParosTime, ui.editParos);
    binder.Bind(CPressureSelectPageModel::kReport, ui.report);
}
