#include "PropPageSensorList.h"

#include "SensorListPageModel.h"
#include "ui_PropPageSensorList.h"

CPropPageSensorList::CPropPageSensorList(CSensorListPageModel& model)
    : CLayoutPage(model)
{
}

CPropPageSensorList::~CPropPageSensorList() = default;

void CPropPageSensorList::BindControls(CControlBinder& binder, Ui::PropPageSensorList& ui)
{
    binder.Bind(CSensorListPageModel::kCountLabel, ui.labelCount);
    binder.Bind(CSensorListPageModel::kCount, ui.comboCount);
    binder.Bind(CSensorListPageModel::kTypeLabel, ui.labelType);
    binder.Bind(CSensorListPageModel::kCurrentLabel, ui.labelCurrent);
    QComboBox* const apTypes[CSensorListPageModel::kRows] = {ui.comboType1, ui.comboType2, ui.comboType3, ui.comboType4,
                                                             ui.comboType5, ui.comboType6, ui.comboType7, ui.comboType8};
    QLineEdit* const apCurrents[CSensorListPageModel::kRows] = {ui.editCurrent1, ui.editCurrent2, ui.editCurrent3,
                                                                ui.editCurrent4, ui.editCurrent5, ui.editCurrent6,
                                                                ui.editCurrent7, ui.editCurrent8};
    for (int nRow = 0; nRow < CSensorListPageModel::kRows; ++nRow) {
        binder.Bind(CSensorListPageModel::TypeId(nRow), apTypes[nRow]);
        binder.Bind(CSensorListPageModel::CurrentId(nRow), apCurrents[nRow]);
    }
    binder.Bind(CSensorListPageModel::kReport, ui.report);
}
