#pragma once

#include "WizardButtons.h"

#include <string>
#include <vector>

// What a view shows of one control of a wizard page. Every page model keeps one
// of these per control, in the same shape for every page, so that a view only
// copies fields between its widgets and these records.
enum class EControlKind {
    Label,    // static text: m_strText
    Edit,     // edit field: m_strText is what the person typed
    List,     // drop-down box: m_astrItems, m_nSelection (-1 = nothing selected)
    Radio,    // radio button: m_strText is its caption, m_bChecked
    Check,    // check box: m_strText is its caption, m_bChecked
    Button,   // push button: m_strText is its caption
    Report,   // the multi-line report field beside the controls: m_strText
};

struct CControlState {
    EControlKind m_eKind = EControlKind::Label;
    std::string m_strText;
    std::vector<std::string> m_astrItems;
    int m_nSelection = -1;
    bool m_bChecked = false;
    bool m_bVisible = true;
    bool m_bEnabled = true;
};


// What the sheet or a page answers to Next or Back: m_bStay when the wizard
// does not move; m_strMessage holds the text of the message box to show (empty
// when there is none). The model never shows anything itself.
struct CPageResult {
    bool m_bStay = false;
    std::string m_strMessage;
};

// What a person's action on a control came to (see CPageModel::SelectEntry etc.).
enum class EActionResult {
    Done,         // the control changed and its handler ran
    NoChange,     // the control already showed that choice or state: no action
    Unavailable,  // the control is hidden or disabled, so a person could not do it
    NotInList,    // the list has no such entry
};
