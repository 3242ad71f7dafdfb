#include "ModelPage.h"

#include "AppStrings.h"
#include "MoorplanPropSheet.h"
#include "PageModel.h"
#include "PlatformSeams.h"

CModelPage::CModelPage(CPageModel& model)
    : CPropertyPage(QString::fromStdString(model.Title())),
      m_model(model)
{
}

CModelPage::~CModelPage() = default;

CControlBinder& CModelPage::NewBindings()
{
    m_binder.Reset(m_model.ControlCount(), [this](int nId) { OnCommand(nId); });
    return m_binder;
}

int CModelPage::OnSetActive()
{
    m_model.OnSetActive();
    AfterModelCall();
    GetSheet()->SetWizardButtons(m_model.WizardButtons());
    GetSheet()->SetTitle(QString::fromStdString(m_model.Title()));
    return CPropertyPage::OnSetActive();
}

int CModelPage::OnWizardNext() { return Leave(&CPageModel::OnWizardNext); }

int CModelPage::OnWizardBack() { return Leave(&CPageModel::OnWizardBack); }

int CModelPage::Leave(CPageResult (CPageModel::*pfnLeave)())
{
    m_binder.FromWidgets(m_model);
    const CPageResult result = (m_model.*pfnLeave)();
    AfterModelCall();
    if (!result.m_strMessage.empty())
        ShowPageMessage(GetSheet(), result.m_strMessage);
    return result.m_bStay ? -1 : 0;
}

void CModelPage::ShowPageMessage(QWidget* pOwner, const std::string& strMessage)
{
    BvUtility::Platform::MessageRequest request;
    request.pOwner = pOwner;
    request.strCaption = QString::fromLatin1(AppStrings::kAppTitle);
    request.strText = QString::fromStdString(strMessage);
    BvUtility::Platform::ShowMessage(request);
}

void CModelPage::OnCommand(int nId)
{
    m_binder.FromWidgets(m_model);
    m_model.OnCommand(nId);
    m_binder.ToWidgets(m_model);
}

void CModelPage::AfterModelCall()
{
    if (auto* pSheet = qobject_cast<CMoorplanPropSheet*>(GetSheet()))
        pSheet->SyncPageList();
    if (HasControls())
        m_binder.ToWidgets(m_model);
}
