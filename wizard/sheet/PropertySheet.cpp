#include "PropertySheet.h"

#include "SheetPicture.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcutEvent>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
QPushButton* MakeButton(QWidget* pParent, QBoxLayout* pRow, const QString& strText, const char* szName)
{
    auto* pButton = new QPushButton(strText, pParent);
    pButton->setObjectName(QString::fromLatin1(szName));
    pRow->addWidget(pButton);
    return pButton;
}
}  // namespace

CPropertySheet::CPropertySheet(const QString& strCaption, QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(strCaption);

    auto* pMain = new QVBoxLayout(this);
    pMain->setContentsMargins(0, 0, 0, 0);
    pMain->setSpacing(0);

    m_pHeader = new CSheetHeader(this);
    pMain->addWidget(m_pHeader);

    auto* pBody = new QHBoxLayout;
    pBody->setSpacing(0);
    m_pWatermark = new CSheetWatermark(this);
    pBody->addWidget(m_pWatermark);
    m_pStack = new QStackedWidget(this);
    m_pStack->setContentsMargins(12, 12, 12, 12);
    pBody->addWidget(m_pStack, 1);
    pMain->addLayout(pBody, 1);

    auto* pRule = new QFrame(this);
    pRule->setFrameShape(QFrame::HLine);
    pRule->setFrameShadow(QFrame::Sunken);
    pMain->addWidget(pRule);

    auto* pButtons = new QHBoxLayout;
    pButtons->setContentsMargins(12, 10, 12, 10);
    QPushButton* pHelp = MakeButton(this, pButtons, tr("&Help"), "helpButton");
    pButtons->addStretch(1);
    m_pBackButton = MakeButton(this, pButtons, tr("< &Back"), "backButton");
    m_pNextButton = MakeButton(this, pButtons, tr("&Next >"), "nextButton");
    m_pFinishButton = MakeButton(this, pButtons, QStringLiteral("Finish"), "finishButton");
    pButtons->addSpacing(8);
    QPushButton* pCancel = MakeButton(this, pButtons, tr("Cancel"), "cancelButton");
    pMain->addLayout(pButtons);
    m_apButtons = {pHelp, m_pBackButton, m_pNextButton, m_pFinishButton, pCancel};
    for (QPushButton* pButton : std::as_const(m_apButtons))
        pButton->installEventFilter(this);

    connect(m_pBackButton, &QPushButton::clicked, this, &CPropertySheet::OnBack);
    connect(m_pNextButton, &QPushButton::clicked, this, &CPropertySheet::OnNext);
    connect(m_pFinishButton, &QPushButton::clicked, this, &CPropertySheet::OnFinish);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(pHelp, &QPushButton::clicked, this, &CPropertySheet::HelpRequested);
    pHelp->setAutoDefault(false);
    pCancel->setAutoDefault(false);
    m_pBackButton->setAutoDefault(false);

    ApplyWizardButtons(kWizBack | kWizNext);
}

CPropertySheet::~CPropertySheet()
{
    // Pages outlive the sheet in their owners: hand them back before the
    // dialog deletes its children.
    for (CPropertyPage* pPage : std::as_const(m_apPages)) {
        pPage->AttachTo(nullptr);
        pPage->setParent(nullptr);
    }
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage || m_apPages.contains(pPage))
        return;
    m_apPages.append(pPage);
    pPage->AttachTo(this);
    m_pStack->addWidget(pPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nIndex)
{
    CPropertyPage* pPage = GetPage(nIndex);
    if (!pPage)
        return;
    m_apPages.removeAt(nIndex);
    if (pPage == m_pActivePage)
        m_pActivePage = nullptr;
    m_pStack->removeWidget(pPage);
    pPage->setParent(nullptr);
    pPage->AttachTo(nullptr);
}

CPropertyPage* CPropertySheet::GetPage(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_apPages.size() ? m_apPages.at(nIndex) : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    for (int n = 0; n < m_apPages.size(); ++n) {
        if (m_apPages.at(n) == pPage)
            return n;
    }
    return -1;
}

bool CPropertySheet::SetActivePage(int nIndex)
{
    return ActivateFrom(nIndex, 1);
}

void CPropertySheet::SetWizardButtons(int nFlags)
{
    QMetaObject::invokeMethod(this, [this, nFlags] { ApplyWizardButtons(nFlags); }, Qt::QueuedConnection);
}

void CPropertySheet::SetTitle(const QString& strTitle)
{
    setWindowTitle(strTitle);
    m_pHeader->SetTitle(strTitle);
}

void CPropertySheet::SetFinishText(const QString& strText)
{
    m_pFinishButton->setText(strText);
}

void CPropertySheet::SetPicture(const QPixmap& picture)
{
    m_pHeader->SetPicture(picture);
    m_pWatermark->SetPicture(picture);
}

void CPropertySheet::showEvent(QShowEvent* pEvent)
{
    if (!m_pActivePage) {
        SetActivePage(0);
        // Large fonts or a high scale factor: the window grows to show the
        // first page whole, but keeps within the screen, and the pages scroll.
        if (const QScreen* pScreen = screen(); pScreen && !pEvent->spontaneous())
            resize(size().expandedTo(sizeHint()).boundedTo(pScreen->availableGeometry().size()));
    }
    QDialog::showEvent(pEvent);
}

bool CPropertySheet::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // Qt would first show the button pressed for a tenth of a second, longer
    // than the page change it starts takes.
    if (pEvent->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(pEvent)->isAmbiguous()) {
        auto* pButton = static_cast<QPushButton*>(pObject);
        if (pButton->isEnabled())
            pButton->click();
        return true;
    }
    return QDialog::eventFilter(pObject, pEvent);
}

void CPropertySheet::OnNext()
{
    CPropertyPage* pPage = m_pActivePage;
    if (pPage && pPage->OnWizardNext() != -1)
        MoveFrom(pPage, 1);
}

void CPropertySheet::OnBack()
{
    CPropertyPage* pPage = m_pActivePage;
    if (pPage && pPage->OnWizardBack() != -1)
        MoveFrom(pPage, -1);
}

void CPropertySheet::OnFinish()
{
    if (m_pActivePage && m_pActivePage->OnWizardFinish())
        accept();
}

void CPropertySheet::MoveFrom(CPropertyPage* pPage, int nStep)
{
    // The page may have edited the list: its neighbour is looked up now.
    const int nIndex = GetPageIndex(pPage);
    if (nIndex >= 0)
        ActivateFrom(nIndex + nStep, nStep);
}

bool CPropertySheet::ActivateFrom(int nIndex, int nStep)
{
    for (; nIndex >= 0 && nIndex < m_apPages.size(); nIndex += nStep) {
        CPropertyPage* pPage = m_apPages.at(nIndex);
        pPage->EnsureControls();
        PutButtonsLastInTabOrder();
        m_pActivePage = pPage;
        const bool bFirst = nIndex == 0;
        m_pWatermark->setVisible(bFirst);
        m_pHeader->setVisible(!bFirst);
        if (!pPage->GetCaption().isEmpty())
            SetTitle(pPage->GetCaption());
        // OnSetActive may edit the page list (the page itself stays listed).
        if (pPage->OnSetActive()) {
            m_pStack->setCurrentWidget(pPage);
            FocusFirstControl(pPage);
            return true;
        }
        nIndex = GetPageIndex(pPage);
    }
    return false;
}

void CPropertySheet::PutButtonsLastInTabOrder()
{
    // Pages and their controls are made after the buttons, which would
    // otherwise come first.
    QWidget* pLast = nullptr;
    for (QWidget* pWidget = nextInFocusChain(); pWidget != this; pWidget = pWidget->nextInFocusChain())
        if (m_pStack->isAncestorOf(pWidget))
            pLast = pWidget;
    if (!pLast)
        return;
    for (QPushButton* pButton : std::as_const(m_apButtons)) {
        QWidget::setTabOrder(pLast, pButton);
        pLast = pButton;
    }
}

void CPropertySheet::FocusFirstControl(CPropertyPage* pPage)
{
    // Focus would otherwise stay on a control of the page just left, now
    // hidden, and drift to whatever follows it. Posted: controls built just
    // now are shown only after the current event, and a sheet being shown
    // first puts the focus on its default button.
    QMetaObject::invokeMethod(
        this,
        [this, pPage] {
            if (pPage == m_pActivePage)
                FocusFirstControlNow(pPage);
        },
        Qt::QueuedConnection);
}

void CPropertySheet::FocusFirstControlNow(CPropertyPage* pPage)
{
    // A multi-line field is passed over: it keeps Enter for itself, and Enter
    // must reach Next.
    for (QWidget* pWidget = nextInFocusChain(); pWidget != this; pWidget = pWidget->nextInFocusChain()) {
        if (pPage->isAncestorOf(pWidget) && pWidget->isVisibleTo(pPage) && pWidget->isEnabled()
            && (pWidget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QPlainTextEdit*>(pWidget)) {
            pWidget->setFocus(Qt::TabFocusReason);
            // Typing replaces the value shown, as after a Tab.
            if (auto* pField = qobject_cast<QLineEdit*>(pWidget))
                pField->selectAll();
            return;
        }
    }
    // Nothing to type into: keys go to the sheet, so Enter and Esc still work.
    m_pStack->setFocus(Qt::OtherFocusReason);
}

void CPropertySheet::ApplyWizardButtons(int nFlags)
{
    const bool bFinish = (nFlags & kWizFinish) != 0;
    m_pBackButton->setEnabled((nFlags & kWizBack) != 0);
    m_pNextButton->setEnabled((nFlags & kWizNext) != 0);
    m_pNextButton->setVisible(!bFinish);
    m_pFinishButton->setVisible(bFinish);
    (bFinish ? m_pFinishButton : m_pNextButton)->setDefault(true);
}
