#pragma once

#include "AnswerTable.h"
#include "ReportOptions.h"

#include <string>
#include <vector>

// Every option of moorplan-report, one row each: first the page answers, one
// per row of the plan's answer table (AnswerTable.h), then the options of the
// run itself, which only moorplan-report has. The one table feeds the parser
// (names, values, keywords) and --help (the usage line and the option list).
//
// Adding an option of the run is adding a row in OptionTable.cpp:
//  - a switch: a bool member in CReportOptions and Switch("name", &CReportOptions::m_bName, "help");
//  - a setting (output format, plan file, sweep...): Setting("name", "ARG",
//    {keywords, or none for any text}, "help"); the parser keeps its last value
//    in CReportOptions by name: read it where the run uses it with
//    options.Has("name") and options.Value("name").
// A page answer is a row of the answer table instead.

enum class EOptionKind {
    PageAnswer,  // a value pages read (pAnswer); the last one given counts
    PageRows,    // a page answer given once per row, in row order (--aux)
    Switch,      // no value: turns on the CReportOptions flag pFlag
    Setting,     // a value for the run, not for a page; kept by name, never checked against the path
    Help,        // a switch that prints the help instead of a report; not named in the usage line
};

struct COptionRow {
    const char* szName;                     // without the dashes
    EOptionKind eKind;
    const CAnswerRow* pAnswer;              // page answers: the answer's row
    bool CReportOptions::*pFlag;            // switches: the flag it turns on
    std::vector<std::string> astrKeywords;  // settings: the words accepted (empty: any text)
    const char* szArg;                      // --help: what follows the name ("" for a switch)
    const char* szHelp;                     // --help: the description, "\n" before a continuation line;
                                            // nullptr: described together with the next row, on its line

    bool TakesValue() const { return eKind != EOptionKind::Switch && eKind != EOptionKind::Help; }
    bool IsPageAnswer() const { return pAnswer != nullptr; }
    // The words the value must be one of (empty: any text): a setting's own,
    // or the answer's (see CAnswerRow::Keywords).
    std::vector<std::string> Keywords() const;
};

// The settings that read and write plan files.
inline constexpr const char* kPlanOption = "plan";
inline constexpr const char* kSavePlanOption = "save-plan";
// The setting that runs the plan over a range of one answer's values.
inline constexpr const char* kSweepOption = "sweep";
// The setting that prints a mooring's table instead of one plan's report.
inline constexpr const char* kMooringOption = "mooring";

// The rows in --help order: the answers in page order, then the run's own.
const std::vector<COptionRow>& OptionTable();

// The row of an option name, or nullptr.
const COptionRow* FindOption(const std::string& strName);
