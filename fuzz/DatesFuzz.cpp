// The date and date-time readers, the writers on what they read, and the
// error highlighting on the text that failed.
#include "DateTimeText.h"
#include "PlatformSeams.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdint>
#include <cstdlib>

namespace {

QLineEdit* g_pEdit = nullptr;

// Reads, then checks: a code of the read's table, the time untouched on
// failure, and on success a text the writer gives back that reads as the
// same time (unless hour 24 or a rolled-over day carried it past 2038).
void Check(int (*read)(const QString&, QDateTime&), QString (*write)(const QDateTime&), int nLowest,
           void (*highlight)(int), const QString& strText)
{
    const QDateTime untouched(QDate(2001, 2, 3), QTime(4, 5, 6));
    QDateTime time = untouched;
    const int nResult = read(strText, time);
    if (nResult > 0 || nResult < nLowest || (nResult != 0 && time != untouched) || (nResult == 0 && !time.isValid()))
        std::abort();
    const QString strWritten = write(time);
    if (nResult == 0 && time.date().year() <= 2038) {
        QDateTime reread;
        if (read(strWritten, reread) != 0 || write(reread) != strWritten)
            std::abort();
    }
    g_pEdit->setText(strText);
    highlight(nResult);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*pArgc, *pArgv);
    g_pEdit = new QLineEdit;
    BvUtility::Platform::SetMessageBoxHandler(
        [](const BvUtility::Platform::MessageRequest&) { return BvUtility::Platform::MessageResult::Ok; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const QString strText = QString::fromUtf8(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    Check(DateStrToTime, TimeToDateStr, -4, [](int nError) { EditDateError(*g_pEdit, nError, nullptr); }, strText);
    Check(DateTimeStrToTime, TimeToDateTimeStr, -7, [](int nError) { EditDateTimeError(*g_pEdit, nError); }, strText);
    TimeToTimeOnlyStr(QDateTime());
    return 0;
}
