#include "PropertyPage.h"

#include "PropertySheet.h"

#include <QVBoxLayout>

CPropertyPage::CPropertyPage(const QString& strCaption)
    : m_strCaption(strCaption)
{
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
}

CPropertyPage::~CPropertyPage()
{
    if (m_pSheet)
        m_pSheet->RemovePage(this);
}

int CPropertyPage::OnSetActive() { return 1; }

int CPropertyPage::OnWizardNext() { return 0; }

int CPropertyPage::OnWizardBack() { return 0; }

bool CPropertyPage::OnWizardFinish() { return true; }

void CPropertyPage::AttachTo(CPropertySheet* pSheet)
{
    m_pSheet = pSheet;
    if (!pSheet)
        DiscardControls();
}

void CPropertyPage::EnsureControls()
{
    if (m_pBody)
        return;
    m_pBody = new QWidget(this);
    layout()->addWidget(m_pBody);
    CreateControls(m_pBody);
}

void CPropertyPage::DiscardControls()
{
    if (!m_pBody)
        return;
    // The removal may run inside a handler of one of these controls: let the
    // event loop delete them once that handler has returned.
    layout()->removeWidget(m_pBody);
    m_pBody->hide();
    m_pBody->deleteLater();
    m_pBody = nullptr;
}
