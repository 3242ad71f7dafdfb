#pragma once

#include "PageModel.h"

#include <string>
#include <vector>

// The answers of a plan, one row each: the vocabulary that plan files and
// moorplan-report share. A row names the answer (a plan file's key, and
// moorplan-report's option without its dashes), says what its value looks
// like and what it is for (moorplan-report --help), and lists every page that
// reads it and how. The replay answers the pages through these rows, the
// capture reads them back through them, and a plan file holds its answers in
// their order, which is the pages' order.
//
// Adding an answer is adding a row in AnswerTable.cpp:
//   Answer("name", "ARG", "help", {Text(EPageKind::..., Page::kField)});
// the pages apply it, plans save it, moorplan-report takes it as --name, and
// a plan whose pages never read it is refused.

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

struct CAnswerRow {
    const char* szName;
    bool bRows;                             // given once per row, in row order (the sensor rows); else the last value counts
    std::vector<CPageReading> aReadings;    // every page that reads it, in control order
    const char* szArg;                      // --help: what follows the name
    const char* szHelp;                     // --help: the description, "\n" before a continuation line;
                                            // nullptr: described together with the next row, on its line

    // The words the value must be one of (empty: any text): a keyword step's
    // buttons, "on" and "off" for a check box.
    std::vector<std::string> Keywords() const;
    // Whether a page of the kind reads this answer.
    bool ReadBy(EPageKind eKind) const;
};

// The rows in page order. A page applies the answers it reads in this order,
// which is its own top-to-bottom control order.
const std::vector<CAnswerRow>& AnswerTable();

// The row of an answer's name, or nullptr.
const CAnswerRow* FindAnswer(const std::string& strName);
