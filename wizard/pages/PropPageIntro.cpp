#include "PropPageIntro.h"

#include "IntroPageModel.h"
#include "MoorplanPropSheet.h"
#include "ui_PropPageIntro.h"

#include <QPushButton>

CPropPageIntro::CPropPageIntro(CIntroPageModel& model)
    : CLayoutPage(model)
{
}

CPropPageIntro::~CPropPageIntro() = default;

void CPropPageIntro::BindControls(CControlBinder& binder, Ui::PropPageIntro& ui)
{
    binder.Bind(CIntroPageModel::kIntroText, ui.labelIntro);
    binder.Bind(CIntroPageModel::kModel610, ui.radio610);
    binder.Bind(CIntroPageModel::kModel620, ui.radio620);
    binder.Bind(CIntroPageModel::kModel630, ui.radio630);
    binder.Bind(CIntroPageModel::kModel700NoPump, ui.radio700NoPump);
    binder.Bind(CIntroPageModel::kModel700Pump, ui.radio700Pump);
    binder.Bind(CIntroPageModel::kModel700Oxygen, ui.radio700Oxygen);
    binder.Bind(CIntroPageModel::kModel710, ui.radio710);
    connect(ui.buttonOpenPlan, &QPushButton::clicked, this, [this] {
        if (auto* pSheet = qobject_cast<CMoorplanPropSheet*>(GetSheet()))
            pSheet->ChooseAndOpenPlan();
    });
}
