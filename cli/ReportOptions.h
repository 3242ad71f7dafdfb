#pragma once

#include "PlanAnswers.h"
#include "SheetModel.h"

#include <map>
#include <string>

// The options of one moorplan-report run. Which options there are, and of
// what kind, is OptionTable's business.
struct CReportOptions {
    // The page answers, from the options and the plan files, in the order
    // given: a repeated option keeps its last value, --plan FILE sets the
    // file's answers over those before it, options after it override them.
    CPlanAnswers m_answers;
    // Settings of the run itself by name without the dashes; a repeated one
    // keeps its last value.
    std::map<std::string, std::string> m_mapValues;
    // Switches.
    bool m_bTest = false;
    bool m_b485 = false;
    bool m_bTrace = false;
    bool m_bHelp = false;
    bool m_bJson = false;
    bool m_bCsv = false;

    bool Has(const std::string& strName) const { return m_mapValues.count(strName) != 0; }
    const std::string& Value(const std::string& strName) const { return m_mapValues.at(strName); }
    // The wizard's switches the run starts its sheets with.
    CWizardSwitches Switches() const
    {
        CWizardSwitches switches;
        switches.m_bTest = m_bTest;
        switches.m_b485 = m_b485;
        return switches;
    }
};
