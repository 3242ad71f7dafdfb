#pragma once

#include "PageModel.h"

#include <vector>

// What a person does with each option on a page, in the page's top-to-bottom
// control order.
enum class EStepKind {
    RadioChoice,   // a choice among the radio buttons nControl .. nControl + nCount - 1
    ListChoice,    // a choice among the entries of list nControl
    Text,          // text typed into edit field nControl
    Keyword,       // clicks the radio button named by the keyword
    Check,         // "on" or "off" for check box nControl
};

struct CKeywordButton {
    const char* szKeyword;
    int nControl;
};

struct CPlanStep {
    const char* szOption;
    EStepKind eKind;
    int nControl;
    int nCount;                             // RadioChoice: number of buttons
    std::vector<CKeywordButton> aKeywords;  // Keyword: the buttons by keyword
};

// The steps of a page. The sensor list page's rows come from the --aux
// options instead (see PlanRunner).
const std::vector<CPlanStep>& StepsOf(EPageKind eKind);

// Whether some page of the kind reads the option.
bool PageReads(EPageKind eKind, const std::string& strOption);

// The step of some page that reads the option, or null ("aux" has none: the
// sensor rows are read by the sensor list page).
const CPlanStep* FindStep(const std::string& strOption);
