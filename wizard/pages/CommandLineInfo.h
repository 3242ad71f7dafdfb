#pragma once

#include "SheetModel.h"

#include <string>

// The moorplan command line: the wizard's three switches, "TEST", "MANUAL"
// and "485Nereids", and "MOORING" (a new mooring's window instead of the
// wizard), each after a slash or a dash, in any letter case, and the plan or
// mooring file to open. Everything else is ignored without a message.
class CMoorplanCommandLineInfo : public CWizardSwitches {
public:
    // One parameter, without its leading slash or dash; bFlag says whether it
    // had one. bLast is passed through as the toolkit does and not used.
    void ParseParam(const char* szParam, bool bFlag, bool bLast);

    // Parses argv[1..argc-1] as the toolkit would: a leading '/' or '-' marks
    // a flag and is removed before ParseParam sees the text.
    void ParseCommandLine(int argc, const char* const* argv);

    // The first parameter without a leading slash or dash, or one that names
    // a file or ends in ".moorplan" or ".mooring": an absolute path starts
    // with a slash too, and the desktop entry always passes one. Empty when
    // there is none.
    std::string m_strPlanFile;
    bool m_bMooring = false;   // "MOORING" was given

    // Whether the program opens the mooring window: "MOORING", or a file
    // named *.mooring.
    bool OpensMooring() const;
};
