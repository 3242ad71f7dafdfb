#pragma once

#include "SupportExport.h"

class QWidget;

namespace BvUtility {

// Opens the program's compiled help file in the program's own help viewer
// window. Never instantiated: all work is done by the static operations on
// the process-wide help file path.
class MOORPLAN_SUPPORT_EXPORT CHelp {
public:
    CHelp(const CHelp&) = default;
    CHelp& operator=(const CHelp&) = default;

    // Places the help file beside the running executable (or in the current
    // folder when the executable's path is unknown), or, when it is not there,
    // in ../share/moorplan from the executable's folder if it is found there;
    // starts a fresh viewer link. Called once at start-up, e.g. with "Moorplan.chm".
    static void InitializeHtmlHelpPath(const char* szHelpFileName);

    // The window that owns help requests; without one LaunchHtmlHelp does
    // nothing. The wizard passes its sheet.
    static void SetMainWindow(QWidget* pMainWindow);

    // Command 1 opens the numeric help context nTopic, command 3 displays the
    // topic nTopic (0: the file's default topic). Returns 1 when the request
    // was handled (shown, or the user was told), 0 when there is no main
    // window or the command is neither 1 nor 3.
    static int LaunchHtmlHelp(unsigned long nTopic, unsigned int nCommand);

private:
    CHelp();
    virtual ~CHelp();
};

}  // namespace BvUtility
