#pragma once

#include "ControlBinder.h"
#include "PropertyPage.h"

#include <QScopedPointer>

#include <string>

class CPageModel;
struct CPageResult;

// A wizard page whose decisions are made by its page model: activation, the
// handlers of its controls and Next/Back all run in the model, and the page
// copies the control states between the model and its widgets around each
// call. A failed check's message is shown in a box (OK only, no icon,
// captioned with the application's name) and the page stays.
class CModelPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CModelPage(CPageModel& model);
    ~CModelPage() override;

    CPageModel& Model() const { return m_model; }
    // The widget that shows control nId of the model, while the controls exist.
    QWidget* ControlWidget(int nId) const { return HasControls() ? m_binder.Widget(nId) : nullptr; }

    int OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;

    // The widgets show the model's controls again, after a call into the
    // model from outside the page.
    void Refresh() { AfterModelCall(); }
    // A message of the pages: a box with OK only, no icon, captioned with the
    // application's name.
    static void ShowPageMessage(QWidget* pOwner, const std::string& strMessage);

protected:
    // Called by CreateControls of the pages: starts a fresh set of bindings.
    CControlBinder& NewBindings();

private:
    void OnCommand(int nId);
    int Leave(CPageResult (CPageModel::*pfnLeave)());
    // The model may have edited the sheet's page list and any control.
    void AfterModelCall();

    CPageModel& m_model;
    CControlBinder m_binder;
};

// The nine pages share this shape: a Designer layout held for as long as the
// page's controls exist, and the list of which widget serves which control.
template <class TUi>
class CLayoutPage : public CModelPage {
public:
    using CModelPage::CModelPage;

protected:
    void CreateControls(QWidget* pBody) override
    {
        m_ui.reset(new TUi);
        m_ui->setupUi(pBody);
        BindControls(NewBindings(), *m_ui);
    }
    virtual void BindControls(CControlBinder& binder, TUi& ui) = 0;

private:
    QScopedPointer<TUi> m_ui;
};
