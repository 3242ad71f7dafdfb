#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPageSensorList;
}
class CSensorListPageModel;

// The auxiliary sensor page: how many sensors, then each one's type and current.
class CPropPageSensorList : public CLayoutPage<Ui::PropPageSensorList> {
public:
    explicit CPropPageSensorList(CSensorListPageModel& model);
    ~CPropPageSensorList() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPageSensorList& ui) override;
};
