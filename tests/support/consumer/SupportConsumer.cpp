// A program outside the wizard that links the installed support library
// through its exported symbols only; it exits 0 when every call works.
#include "DateTimeText.h"
#include "EditConvert.h"
#include "Help.h"
#include "ListText.h"
#include "PathUtil.h"
#include "StreamUtil.h"

#include <QApplication>
#include <QLineEdit>

#include <sstream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString strPath = QStringLiteral("C:\\data\\");
    QDateTime time;
    std::ostringstream os;
    os << ins_space(2);
    BvUtility::CHelp::InitializeHtmlHelpPath("Moorplan.chm");
    bool bOk = IsEditErrorMsg() == 1 && FixPath(strPath) == 1 && FindCharInStr(strPath, '\\', 1) == 2 &&
               DateTimeStrToTime(QStringLiteral("05 dec 2026 24:00:00"), time) == 0 &&
               TimeToDateTimeStr(time) == "06 Dec 2026 00:00:00" && os.str() == "  " &&
               BvUtility::CHelp::LaunchHtmlHelp(0, BvUtility::CHelp::kDisplayTopic) == 0;   // no main window

    // The user-abort exception is caught by its type across the library boundary.
    SetEditErrorMsg(0);
    QLineEdit edit;
    try {
        int nValue = 0;
        EditToInt(edit, nValue, QStringLiteral("Count"));
        bOk = false;
    } catch (const BvUtility::CUserException&) {
    }
    return bOk ? 0 : 1;
}
