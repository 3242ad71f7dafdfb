#pragma once

#include "PageModel.h"
#include "PlanOptions.h"

#include <string>
#include <vector>

// Every option of moorplan-report, one row each. The one table feeds the
// parser (names, values, keywords), the page steps (which page reads an
// answer, and how) and --help (the usage line and the option list). The page
// answers' names are also the fields of a plan file, and the wizard replays
// and saves plans through the same rows.
//
// Adding an option is adding a row in OptionTable.cpp:
//  - a page answer: Answer("name", "ARG", "help", {Text(EPageKind::..., Page::kField)});
//    the pages apply it, and a plan whose pages never read it is refused;
//  - a switch: a bool member in CPlanOptions and Switch("name", &CPlanOptions::m_bName, "help");
//  - a setting of the run itself (output format, plan file, sweep...):
//    Setting("name", "ARG", {keywords, or none for any text}, "help"); the parser
//    keeps its last value in CPlanOptions by name, read it where the run uses it
//    with options.Has("name") and options.Value("name").

// What a person does with an answer on a page.
enum class EStepKind {
    RadioChoice,   // a choice among the radio buttons nControl .. nControl + nCount - 1
    ListChoice,    // a choice among the entries of list nControl
    Text,          // text typed into edit field nControl
    Keyword,       // clicks the radio button named by the keyword
    Check,         // "on" or "off" for check box nControl
    SensorRows,    // each value is one sensor row, "TYPE" or "TYPE=CURRENT"; their number is list nControl's choice
};

struct CKeywordButton {
    const char* szKeyword;
    int nControl;
};

// One page that reads an answer, and how.
struct CPageReading {
    EPageKind ePage;
    EStepKind eStep;
    int nControl;
    int nCount;                             // RadioChoice: number of buttons
    std::vector<CKeywordButton> aKeywords;  // Keyword: the buttons by keyword
};

enum class EOptionKind {
    PageAnswer,  // a value pages read (aReadings); the last one given counts
    PageRows,    // a page answer given once per row, in row order (--aux)
    Switch,      // no value: turns on the CPlanOptions flag pFlag
    Setting,     // a value for the run, not for a page; kept by name, never checked against the path
    Help,        // a switch that prints the help instead of a report; not named in the usage line
};

struct COptionRow {
    const char* szName;                     // without the dashes
    EOptionKind eKind;
    std::vector<CPageReading> aReadings;    // page answers: every page that reads it, in control order
    bool CPlanOptions::*pFlag;              // switches: the flag it turns on
    std::vector<std::string> astrKeywords;  // settings: the words accepted (empty: any text)
    const char* szArg;                      // --help: what follows the name ("" for a switch)
    const char* szHelp;                     // --help: the description, "\n" before a continuation line;
                                            // nullptr: described together with the next row, on its line

    bool TakesValue() const { return eKind != EOptionKind::Switch && eKind != EOptionKind::Help; }
    bool IsPageAnswer() const { return eKind == EOptionKind::PageAnswer || eKind == EOptionKind::PageRows; }
    // The words the value must be one of (empty: any text): a setting's own,
    // a keyword step's buttons, "on" and "off" for a check box.
    std::vector<std::string> Keywords() const;
    // Whether a page of the kind reads this option.
    bool ReadBy(EPageKind eKind) const;
};

// The settings that read and write plan files.
inline constexpr const char* kPlanOption = "plan";
inline constexpr const char* kSavePlanOption = "save-plan";
// The setting that runs the plan over a range of one answer's values.
inline constexpr const char* kSweepOption = "sweep";
// The setting that prints a mooring's table instead of one plan's report.
inline constexpr const char* kMooringOption = "mooring";

// The rows in --help order. A page applies the answers it reads in this
// order, which is its own top-to-bottom control order.
const std::vector<COptionRow>& OptionTable();

// The row of an option name, or nullptr.
const COptionRow* FindOption(const std::string& strName);
