#pragma once

#include <QString>
#include <QWidget>

class CPropertySheet;

// One page of a CPropertySheet (see PropertySheet.h for how a sheet runs its
// pages).
//
// A page object lives as long as its owner, but its controls live only while
// the page sits in a sheet's page list: they are built from the page's layout
// (CreateControls) the first time the page is shown after being added, and
// discarded when the page is removed. A page appended again therefore starts
// from its layout (all controls shown, enabled, unchecked, empty) before its
// OnSetActive fills them. The controls scroll where the window is too small
// for them (large fonts, a high scale factor).
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    // The caption becomes the sheet's title while the page is active; a page
    // without one sets the title itself (CPropertySheet::SetTitle).
    explicit CPropertyPage(const QString& strCaption = QString());
    ~CPropertyPage() override;

    const QString& GetCaption() const { return m_strCaption; }
    // The sheet whose page list holds this page, or null.
    CPropertySheet* GetSheet() const { return m_pSheet; }
    // True while the page's controls exist.
    bool HasControls() const { return m_pBody != nullptr; }

    // The page becomes the active page; its controls exist. Return non-zero to
    // be shown; zero makes the sheet pass on to the following page in the same
    // direction. The base returns 1.
    virtual int OnSetActive();
    // Next or Back was pressed on this page: return -1 to stay, 0 to move to the
    // neighbouring page of the sheet's page list as it stands after this call.
    virtual int OnWizardNext();
    virtual int OnWizardBack();
    // Finish was pressed: return true to let the sheet close (accepted).
    virtual bool OnWizardFinish();

protected:
    // Builds the page's controls into pBody (e.g. Ui::...::setupUi(pBody)) and
    // connects their signals. Runs each time the controls are (re)built.
    virtual void CreateControls(QWidget* pBody) = 0;

private:
    friend class CPropertySheet;
    void AttachTo(CPropertySheet* pSheet);
    void EnsureControls();
    void DiscardControls();

    QString m_strCaption;
    CPropertySheet* m_pSheet = nullptr;
    QWidget* m_pBody = nullptr;     // the controls, in
    QWidget* m_pScroll = nullptr;   // the area that scrolls them
};
