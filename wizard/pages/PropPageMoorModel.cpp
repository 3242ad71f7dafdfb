#include "PropPageMoorModel.h"

#include "CommsPageModel.h"
#include "ui_PropPageMoorModel.h"

CPropPageMoorModel::CPropPageMoorModel(CCommsPageModel& model)
    : CLayoutPage(model)
{
}

CPropPageMoorModel::~CPropPageMoorModel() = default;

void CPropPageMoorModel::BindControls(CControlBinder& binder, Ui::PropPageMoorModel& ui)
{
    binder.Bind(CCommsPageModel::kText, ui.labelComm);
    binder.Bind(CCommsPageModel::kRs232, ui.radioRs232);
    binder.Bind(CCommsPageModel::kRs485, ui.radioRs485);
    binder.Bind(CCommsPageModel::kModem, ui.radioModem);
    binder.Bind(CCommsPageModel::kFirmwareLabel, ui.labelFirmware);
    binder.Bind(CCommsPageModel::kFirmware, ui.comboFirmware);
}
