#pragma once

#include "PropertyPage.h"
#include "WizardButtons.h"

#include <QDialog>
#include <QList>

class CSheetHeader;
class CSheetWatermark;
class QPushButton;
class QStackedWidget;

// A wizard-style property sheet: one page at a time, Back / Next / Finish /
// Cancel / Help along the bottom, the picture as a watermark beside the first
// page and as a header band above every other page.
//
// Page list. The sheet shows the pages of its page list in list order. Pages
// may add and remove pages at any time, also from their own OnSetActive,
// OnWizardNext and OnWizardBack:
//     GetSheet()->AddPage(&m_pageNext);       // appends (ignored if listed)
//     GetSheet()->RemovePage(2);              // by position or by page
// The sheet never owns its pages: the caller keeps each page object alive at
// least as long as the sheet. Removing a page discards its controls (see
// PropertyPage.h). The sheet shows page 0 when it is first shown.
//
// Moving. Next asks the active page's OnWizardNext, Back its OnWizardBack:
// -1 keeps the page, 0 moves to the neighbouring page of the list as it stands
// after the call (nothing happens when there is none). The page that becomes
// active gets OnSetActive. Finish asks OnWizardFinish, then closes the sheet
// with accept(); Cancel closes it with reject(). Help emits HelpRequested().
//
// Buttons. A page requests which buttons are enabled, usually first thing in
// OnSetActive:
//     GetSheet()->SetWizardButtons(kWizBack | kWizNext);   // WizardButtons.h
// The request is posted: it takes effect once the current event has been
// handled, and requests apply in the order they were made. With kWizFinish the
// Finish button replaces Next; without it Next is shown. The buttons carry the
// object names "backButton", "nextButton", "finishButton", "cancelButton" and
// "helpButton"; the Finish button's text is "Finish" until a page changes it.
//
// Keyboard. Tab runs through the page top to bottom, its report, then the
// buttons along the bottom in their order. A button's mnemonic (Alt+B, Alt+N)
// presses it at once. The page that becomes active gets the focus on its first control
// that takes Tab (never a multi-line field), so Enter presses the default
// button (Next, or Finish where shown) and Esc cancels.
//
// Title. The window title becomes the active page's caption when the page is
// activated; a page may then set another with SetTitle.
class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit CPropertySheet(const QString& strCaption, QWidget* pParent = nullptr);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nIndex);
    int GetPageCount() const { return static_cast<int>(m_apPages.size()); }
    CPropertyPage* GetPage(int nIndex) const;
    // The page's position in the page list, or -1.
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const { return m_pActivePage; }
    int GetActiveIndex() const { return GetPageIndex(m_pActivePage); }
    // Activates the page at nIndex (or, when it declines, the next one that
    // accepts). Returns false when no page was activated.
    bool SetActivePage(int nIndex);

    // Posted; see above.
    void SetWizardButtons(int nFlags);
    void SetTitle(const QString& strTitle);
    // The one picture behind the watermark and the header band.
    void SetPicture(const QPixmap& picture);
    // The caption of the Finish button (MFC's SetFinishText keeps the name).
    void SetFinishText(const QString& strText);

signals:
    void HelpRequested();

protected:
    void showEvent(QShowEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void OnNext();
    void OnBack();
    void OnFinish();
    void MoveFrom(CPropertyPage* pPage, int nStep);
    bool ActivateFrom(int nIndex, int nStep);
    void FocusFirstControl(CPropertyPage* pPage);
    void FocusFirstControlNow(CPropertyPage* pPage);
    void ApplyWizardButtons(int nFlags);
    void PutButtonsLastInTabOrder();

    QList<CPropertyPage*> m_apPages;
    CPropertyPage* m_pActivePage = nullptr;
    CSheetHeader* m_pHeader;
    CSheetWatermark* m_pWatermark;
    QStackedWidget* m_pStack;
    QPushButton* m_pBackButton;
    QPushButton* m_pNextButton;
    QPushButton* m_pFinishButton;
    QList<QPushButton*> m_apButtons;   // left to right
};
