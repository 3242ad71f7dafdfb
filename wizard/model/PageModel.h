#pragma once

#include "ControlState.h"

#include <initializer_list>
#include <string>
#include <vector>

class CInstrument;
class CSheetModel;

// Which page a page model stands for (the README's glossary gives each page's
// title and Qt class).
enum class EPageKind {
    Intro,
    Comms,
    BatterySelect,
    PressureSelect,
    Sampling600,
    Sampling700,
    Sampling710,
    MooredPumpSelect,
    SensorList,
    Finish,
};

// The kind's name, as the browser page's state and diagnostics give it: the
// enumerator's own name.
const char* PageKindName(EPageKind eKind);

// Where an edit field or list takes its name from: the label control before
// it; in a table of rows, its column's heading and its row number (from 1;
// 0 outside a table). m_nLabel is -1 for a control without one.
struct CControlLabel {
    int m_nLabel = -1;
    int m_nRow = 0;
};

// One wizard page without a window: its controls' states, what activation
// fills in, the handlers, and the checks and stores of Next and Back.
//
// Each edit field also has a text member on the page (the page keeps the text
// for as long as the page object lives, across visits): ReadFields copies the
// fields into the members, PushFields the members into the fields.
class CPageModel {
public:
    CPageModel(CSheetModel& sheet, EPageKind eKind, std::string strCaption, std::vector<CControlState> aLayout);
    virtual ~CPageModel();

    CPageModel(const CPageModel&) = delete;
    CPageModel& operator=(const CPageModel&) = delete;

    EPageKind Kind() const { return m_eKind; }
    // The wizard title while this page is active.
    const std::string& Title() const { return m_strTitle; }
    // EWizardButtons flags set by the last activation.
    int WizardButtons() const { return m_nWizardButtons; }

    int ControlCount() const { return static_cast<int>(m_aControls.size()); }
    CControlState& Control(int nId) { return m_aControls.at(static_cast<std::size_t>(nId)); }
    const CControlState& Control(int nId) const { return m_aControls.at(static_cast<std::size_t>(nId)); }

    // The label of edit field or list nId (none for other controls).
    virtual CControlLabel LabelOf(int nId) const;
    // Its name as a person hears or reads it: the label's caption, with the
    // row number in a table ("Sensor type: 2"); empty without a label.
    std::string AccessibleName(int nId) const;

    // The page was added to the sheet again: its controls start over from the
    // layout (shown, enabled, unchecked, empty). The text members stay.
    void ResetControls();
    // As a freshly made page object: the controls from the layout and every
    // text member empty.
    void Restart();

    // The page becomes the active page.
    virtual void OnSetActive() = 0;
    // The person changed control nId: selected a list entry, clicked a radio
    // button or a check box. The view has copied the widgets' state in first.
    virtual void OnCommand(int nId);
    // Next: checks in order; stays with the first failure's message.
    CPageResult OnWizardNext() { return Leave(true); }
    // Back: stores what is valid, never shows a message, never stays.
    CPageResult OnWizardBack() { return Leave(false); }

    // A person's actions, each running the control's own handler. Asking a
    // control for the choice or state it already shows is no action.
    EActionResult SelectEntry(int nId, int nIndex);
    EActionResult Click(int nId);
    EActionResult SetChecked(int nId, bool bChecked);
    EActionResult TypeText(int nId, const std::string& strText);

protected:
    // The routine that Next (bNext) and Back share: read, check, store.
    virtual CPageResult Leave(bool bNext);

    CSheetModel& Sheet() { return m_sheet; }
    CInstrument* Instrument();

    void ReadFields();
    void PushFields();
    std::string& FieldText(int nId) { return m_astrFieldText.at(static_cast<std::size_t>(nId)); }

    void SetWizardButtons(int nButtons) { m_nWizardButtons = nButtons; }
    void SetTitle(const std::string& strTitle) { m_strTitle = strTitle; }
    // Shows or hides several controls at once.
    void Show(std::initializer_list<int> aIds, bool bVisible);
    // Checks radio button nChecked of the group aIds and unchecks the others.
    void CheckRadio(std::initializer_list<int> aIds, int nChecked);
    // Rebuilds the instrument's report (without the endurance) into the report field.
    void ShowReport(int nReportId);
    // A field without a range of its own, read as "%d" or "%lf": its number
    // (0 for a text without one) goes to the value, unless it has a minus
    // sign. A negative entry is not stored, and on Next, in a field the person
    // can see, it stops the page with szMessage. False when the page stays.
    bool StoreNotNegative(int nId, int& nValue, const char* szMessage, bool bNext, CPageResult& result);
    bool StoreNotNegative(int nId, double& dValue, const char* szMessage, bool bNext, CPageResult& result);

private:
    // The refusal of a negative entry in field nId; false where it is passed over.
    bool RefuseNegative(int nId, const char* szMessage, bool bNext, CPageResult& result);

    CSheetModel& m_sheet;
    EPageKind m_eKind;
    std::string m_strCaption;
    std::string m_strTitle;
    int m_nWizardButtons = 0;
    std::vector<CControlState> m_aLayout;
    std::vector<CControlState> m_aControls;
    std::vector<std::string> m_astrFieldText;
};

// Layout helpers for the pages' control tables.
CControlState LabelControl(const std::string& strText);
CControlState EditControl();
CControlState ListControl();
CControlState RadioControl(const std::string& strText);
CControlState CheckControl(const std::string& strText);
CControlState ButtonControl(const std::string& strText);
CControlState ReportControl();
