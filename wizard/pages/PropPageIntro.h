#pragma once

#include "ModelPage.h"

namespace Ui {
class PropPageIntro;
}
class CIntroPageModel;

// The introduction page: which instrument model.
class CPropPageIntro : public CLayoutPage<Ui::PropPageIntro> {
public:
    explicit CPropPageIntro(CIntroPageModel& model);
    ~CPropPageIntro() override;

protected:
    void BindControls(CControlBinder& binder, Ui::PropPageIntro& ui) override;
};
