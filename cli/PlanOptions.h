#pragma once

#include "PlanAnswers.h"

#include <string>

// The options of one moorplan-report run, as written on the command line.
struct CPlanOptions {
    // The page answers by option name without the dashes; a repeated option
    // keeps its last value. Each --aux adds a row: "TYPE" or "TYPE=CURRENT".
    // --plan FILE sets the file's answers over the options before it; the
    // options after it override them.
    CPlanAnswers m_answers;
    // --save-plan FILE: where to write the plan of the run.
    std::string m_strSavePlan;
    bool m_bTest = false;
    bool m_b485 = false;
    bool m_bTrace = false;
    bool m_bHelp = false;

};

// Reads argv[1..]: "--name VALUE" or "--name=VALUE", the switches and the
// plan files, and checks the keywords. False with a one-line reason on a usage
// error or a plan file that cannot be used.
bool ParsePlanOptions(int argc, const char* const* argv, CPlanOptions& options, std::string& strError);
