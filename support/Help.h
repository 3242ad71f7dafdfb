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

    // The commands LaunchHtmlHelp takes, by the numbers the help viewer's
    // interface gives them.
    enum ECommand : unsigned int {
        kHelpContext = 1,   // open the numeric help context nTopic (docs/help/HelpContexts.h)
        kDisplayTopic = 3,  // display the topic nTopic; 0 is the file's default topic
    };

    // Runs one of the commands above. Returns 1 when the request was handled
    // (shown, or the user was told), 0 when there is no main window or the
    // command is none of them.
    static int LaunchHtmlHelp(unsigned long nTopic, unsigned int nCommand);

private:
    CHelp();
    virtual ~CHelp();
};

}  // namespace BvUtility
