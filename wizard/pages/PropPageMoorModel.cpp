#include "PropPageMoorModel.h"

#include "MoorModelPageModel.h"
#include "ui_PropPageMoorModel.h"

CPropPageMoorModel::CPropPageMoorModel(CMoorModelPageModel& model)
    : CLayoutPage(model)
{
}

CPropPageMoorModel::~CPropPageMoorModel() = default;

void CPropPageMoorModel::BindControls(CControlBinder& binder, Ui::PropPageMoorModel& ui)
{
    binder.Bind(CMoorModelPageModel::kText, ui.labelComm);
    binder.Bind(CMoorModelPageModel::kRs232, ui.radioRs232);
    binder.Bind(CMoorModelPageModel::kRs485, ui.radioRs485);
    binder.Bind(CMoorModelPageModel::kModem, ui.radioModem);
    binder.Bind(CMoorModelPageModel::kFirmwareLabel, ui.labelFirmware);
    binder.Bind(CMoorModelPageModel::kFirmware, ui.comboFirmware);
}
