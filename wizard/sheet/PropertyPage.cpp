#include "PropertyPage.h"

#include "PropertySheet.h"

#include <QScrollArea>
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
    auto* pScroll = new QScrollArea(this);
    pScroll->setFrameShape(QFrame::NoFrame);
    pScroll->setWidgetResizable(true);
    pScroll->setFocusPolicy(Qt::NoFocus);
    m_pBody = new QWidget;
    CreateControls(m_pBody);
    pScroll->setWidget(m_pBody);
    layout()->addWidget(pScroll);
    m_pScroll = pScroll;
}

void CPropertyPage::DiscardControls()
{
    if (!m_pBody)
        return;
    // The removal may run inside a handler of one of these controls: let the
    // event loop delete them once that handler has returned.
    layout()->removeWidget(m_pScroll);
    m_pScroll->hide();
    m_pScroll->deleteLater();
    m_pScroll = nullptr;
    m_pBody = nullptr;
}
