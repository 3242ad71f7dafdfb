// A small program outside the wizard that uses the installed support library:
// it exits 0 only when every call gives what a user of the library expects.
#include "DateTimeText.h"
#include "EditConvert.h"
#include "ListText.h"
#include "PathUtil.h"
#include "StreamUtil.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <sstream>

namespace {

int g_nFailures = 0;

void Expect(bool bOk, const char* szWhat)
{
    if (!bOk) {
        std::fprintf(stderr, "support consumer: %s failed\n", szWhat);
        ++g_nFailures;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Expect(IsEditErrorMsg() == 1 && IsEditErrorException() == 1, "switches start on");

    QString strPath = QStringLiteral("C:\\data\\");
    Expect(FixPath(strPath) == 1 && strPath == "C:\\data", "FixPath");
    QString strName;
    Expect(ExtractFileName(QStringLiteral("/srv/moor/log.txt"), strName, 0) == 1 && strName == "log.txt",
           "ExtractFileName");
    Expect(FindCharInStr(QStringLiteral("12/05/2026"), '/', 2) == 5, "FindCharInStr");

    QDateTime time;
    Expect(DateTimeStrToTime(QStringLiteral("05 dec 2026 24:00:00"), time) == 0 &&
               TimeToDateTimeStr(time) == "06 Dec 2026 00:00:00",
           "DateTimeStrToTime");

    std::ostringstream os;
    os << '[' << ins_space(2) << ']';
    Expect(os.str() == "[  ]", "ins_space");

    // The user-abort exception must be catchable by its type across the
    // library boundary.
    SetEditErrorMsg(0);
    QLineEdit edit;
    bool bCaught = false;
    try {
        int nValue = 0;
        EditToInt(edit, nValue, QStringLiteral("Count"));
    } catch (const BvUtility::CUserException&) {
        bCaught = true;
    }
    Expect(bCaught, "CUserException");

    return g_nFailures == 0 ? 0 : 1;
}
