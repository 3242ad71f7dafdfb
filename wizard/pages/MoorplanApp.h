#pragma once

#include "CommandLineInfo.h"

#include <QString>

class CPropertySheet;

// The application: reads the switches, runs the wizard sheet modally and ends
// when the sheet closes. Every help request (F1 anywhere, the Help button)
// opens the help file's default topic.
class CMoorplanApp {
public:
    // Runs the whole program inside an existing QApplication; returns the
    // process exit code.
    int InitInstance(int argc, const char* const* argv);

    // Sends the sheet's Help button and F1 (anywhere in the program) to
    // OnHelp, and gives the help launcher the sheet and the help file.
    static void ConnectHelp(CPropertySheet& sheet);
    // The help entry point: ignores what was asked and shows topic 0.
    static void OnHelp();

    const CMoorplanCommandLineInfo& CommandLine() const { return m_cmdInfo; }

private:
    CMoorplanCommandLineInfo m_cmdInfo;
};
