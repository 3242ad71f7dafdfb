#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPageMoorModel;
}
class CCommsPageModel;

// The communications page: protocol and firmware revision.
class CPropPageMoorModel : public CLayoutPage<Ui::PropPageMoorModel> {
public:
    explicit CPropPageMoorModel(CCommsPageModel& model);
    ~CPropPageMoorModel() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPageMoorModel& ui) override;
};
