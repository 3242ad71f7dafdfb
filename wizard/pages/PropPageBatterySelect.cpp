#include "PropPageBatterySelect.h"

#include "BatterySelectPageModel.h"
#include "ui_PropPageBatterySelect.h"

CPropPageBatterySelect::CPropPageBatterySelect(CBatterySelectPageModel& model)
    : CLayoutPage(model)
{
}

CPropPageBatterySelect::~CPropPageBatterySelect() = default;

void CPropPageBatterySelect::BindControls(CControlBinder& binder, Ui::PropPageBatterySelect& ui)
{
    binder.Bind(CBatterySelectPageModel::kBatteryLabel, ui.labelBattery);
    binder.Bind(CBatterySelectPageModel::kBattery, ui.comboBattery);
    binder.Bind(CBatterySelectPageModel::kTemperatureLabel, ui.labelTemperature);
    binder.Bind(CBatterySelectPageModel::kTemperature, ui.editTemperature);
    binder.Bind(CBatterySelectPageModel::kPressureLabel, ui.labelPressure);
    binder.Bind(CBatterySelectPageModel::kPressure, ui.editPressure);
    binder.Bind(CBatterySelectPageModel::kTau20Label, ui.labelTau20);
    binder.Bind(CBatterySelectPageModel::kTau20, ui.editTau20);
    binder.Bind(CBatterySelectPageModel::kNote, ui.labelNote);
    binder.Bind(CBatterySelectPageModel::kReport, ui.report);
}
