#pragma once

#include "MoorplanPropSheet.h"
#include "PlatformSeams.h"
#include "WizardModel.h"

#include "../../finish/SeamRecorder.h"

#include <QPushButton>

#include <ostream>
#include <string>
#include <vector>

// One answer of a person going through the wizard, in terms of the page
// models' control ids, so that the same answers drive the real widgets and the
// toolkit-free models.
struct CAnswer {
    enum EAction { Choose, Click, Toggle, Type, Next, Back };
    EAction m_eAction;
    int m_nId = -1;
    std::string m_strValue;   // Choose: the entry's text; Type: the text typed
};
using CAnswers = std::vector<CAnswer>;

inline CAnswer Choose(int nId, const std::string& strEntry) { return {CAnswer::Choose, nId, strEntry}; }
inline CAnswer Click(int nId) { return {CAnswer::Click, nId, {}}; }
inline CAnswer Toggle(int nId) { return {CAnswer::Toggle, nId, {}}; }
inline CAnswer Type(int nId, const std::string& strText) { return {CAnswer::Type, nId, strText}; }
inline CAnswer NextPage() { return {CAnswer::Next, -1, {}}; }
inline CAnswer BackPage() { return {CAnswer::Back, -1, {}}; }

CWizardSwitches Switches(bool bTest, bool b485 = false);

// The real wizard, shown headless, with the message boxes, documents opened
// and programs started recorded instead of acted on. Every answer acts on the
// widgets as a person would.
class CGuiWizard {
public:
    explicit CGuiWizard(const CWizardSwitches& commandLine = CWizardSwitches());

    CMoorplanPropSheet& Sheet() { return m_sheet; }
    CModelPage* ActivePage() const { return qobject_cast<CModelPage*>(m_sheet.GetActivePage()); }
    EPageKind ActiveKind() const;
    // The widget of control nId on the active page.
    template <class TWidget>
    TWidget* Control(int nId) const { return qobject_cast<TWidget*>(ActivePage()->ControlWidget(nId)); }
    // The sheet's button of that object name (nextButton, backButton, finishButton, helpButton).
    QPushButton* Button(const char* szName) const { return m_sheet.findChild<QPushButton*>(QString::fromLatin1(szName)); }
    // Clicks the active page's push button of that object name.
    void ClickPageButton(const char* szName);
    // The active page's report field (the finish page's too).
    QString ReportText() const;

    void Answer(const CAnswer& answer);
    void Answer(const CAnswers& aAnswers);

    const std::vector<BvUtility::Platform::MessageRequest>& Messages() const { return m_seams.m_aRequests; }

private:
    CSeamRecorder m_seams;
    CMoorplanPropSheet m_sheet;
};

// The same answers given to a started toolkit-free sheet model; the messages
// its pages gave on Next and Back are added to pMessages.
void ModelAnswer(CSheetModel& sheet, const CAnswers& aAnswers, std::vector<std::string>* pMessages = nullptr);
// The finish page's report after those answers (empty when the run did not
// end on the finish page).
std::string ModelReport(const CWizardSwitches& commandLine, const CAnswers& aAnswers);

// The reports end their lines with "\r\n", the report field with "\n".
QString AsShown(const std::string& strReport);

// What a control shows: its text (a caption, a field's text, the entry a list
// shows, the report), whether it is checked, shown and enabled.
struct CShown {
    std::string m_strText;
    bool m_bChecked = false;
    bool m_bVisible = false;
    bool m_bEnabled = false;
    bool operator==(const CShown& other) const;
};
std::ostream& operator<<(std::ostream& out, const CShown& shown);
// What the model's state says the control shows, and what its widget shows.
CShown ModelShows(const CControlState& control);
CShown WidgetShows(const QWidget& widget);
