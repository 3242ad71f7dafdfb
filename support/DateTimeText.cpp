#include "DateTimeText.h"

#include "DayText.h"
#include "ListText.h"
#include "NumberRead.h"
#include "PlatformSeams.h"

#include <QByteArray>
#include <QLineEdit>

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace {

// Messages of the read results -1 to -7.
constexpr const char* kReadErrors[] = {"Invalid date format",  "Invalid month entered",
                                       "Invalid day entered",  "Year must be >= 1970 and <= 2038",
                                       "Invalid hour entered", "Invalid minute entered",
                                       "Invalid seconds entered"};

constexpr int kDateErrorCount = 4;
constexpr int kDateTimeErrorCount = 7;

// One field's bounds and the read result when it is outside them.
struct CFieldCheck {
    int nValue;
    int nMinimum;
    int nMaximum;
    int nError;
};

// The result of the first field outside its bounds, 0 when all are inside.
int FirstFieldError(std::initializer_list<CFieldCheck> aChecks)
{
    for (const CFieldCheck& check : aChecks) {
        if (check.nValue < check.nMinimum || check.nValue > check.nMaximum)
            return check.nError;
    }
    return 0;
}

// Reads a text field by field as the C library's formatted scan does ("%d",
// a literal character, "%s" skipping the blanks before it), to the first NUL
// like a C string. A number beyond int reads as the nearest int, so that it
// can never wrap round into a field's range ("4294967297" is not 1).
class CFieldScan {
public:
    // The text must outlive the scan.
    explicit CFieldScan(const QByteArray& text) : m_rest(text.constData()) {}

    bool Int(int& nValue)
    {
        NumberRead::CInteger integer;
        const std::size_t nUsed = NumberRead::ScanInteger(m_rest, integer);
        if (nUsed == 0)
            return false;
        nValue = integer.Clamped<int>();
        m_rest.remove_prefix(nUsed);
        return true;
    }
    bool Char(char c)
    {
        if (m_rest.empty() || m_rest.front() != c)
            return false;
        m_rest.remove_prefix(1);
        return true;
    }
    bool Word(QByteArray& word)
    {
        while (!m_rest.empty() && IsCSpace(m_rest.front()))
            m_rest.remove_prefix(1);
        std::size_t nLength = 0;
        while (nLength < m_rest.size() && !IsCSpace(m_rest[nLength]))
            ++nLength;
        word = QByteArray(m_rest.data(), static_cast<qsizetype>(nLength));
        m_rest.remove_prefix(nLength);
        return nLength > 0;
    }

private:
    static bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    std::string_view m_rest;
};

// Local time of the given fields; days beyond the month and hour 24 roll
// over into the following month or day.
QDateTime LocalTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    const QDate date = QDate(nYear, nMonth, 1).addDays(nDay - 1 + nHour / 24);
    return QDateTime(date, QTime(nHour % 24, nMinute, nSecond));
}

// An invalid time (a default one, or one a failed read left untouched) has
// day, month and year 0: it writes "00 ??? 0000".
QString DayMonthYear(const QDate& date)
{
    return QString::fromStdString(DayText::DayMonthYear(date.year(), date.month(), date.day()));
}

void ShowReadError(int nError, int nCount, const char* szFormatHint, QWidget* pOwner)
{
    if (nError > -1 || nError < -nCount)
        return;
    BvUtility::Platform::ShowMessage({pOwner, QStringLiteral("Input Error"),
                                      QString::fromLatin1(kReadErrors[-nError - 1]) + szFormatHint,
                                      BvUtility::Platform::MessageIcon::Exclamation,
                                      BvUtility::Platform::MessageButtons::Ok});
}

// Focuses the field and selects [nStart, nEnd) when both ends are known.
void FocusAndSelect(QLineEdit& edit, int nStart, int nEnd)
{
    edit.setFocus(Qt::OtherFocusReason);
    if (nStart >= 0 && nEnd >= nStart)
        edit.setSelection(nStart, nEnd - nStart);
}

// Position just after the n-th occurrence of c (n = 0: the start), -1 when missing.
int After(const QString& strText, char c, int n)
{
    if (n == 0)
        return 0;
    const int nPos = FindCharInStr(strText, c, n);
    return nPos < 0 ? -1 : nPos + 1;
}

}  // namespace

QString TimeToDateStr(const QDateTime& time)
{
    const QDate date = time.toLocalTime().date();
    return QString::asprintf("%02d/%02d/%04d", date.month(), date.day(), date.year());
}

QString TimeToTimeOnlyStr(const QDateTime& time)
{
    const QTime clock = time.isValid() ? time.toLocalTime().time() : QTime(0, 0);
    return QString::asprintf("%02d:%02d:%02d", clock.hour(), clock.minute(), clock.second());
}

QString TimeToDateOnlyStr(const QDateTime& time) { return DayMonthYear(time.toLocalTime().date()); }

QString TimeToDateTimeStr(const QDateTime& time)
{
    return TimeToDateOnlyStr(time) + ' ' + TimeToTimeOnlyStr(time);
}

int DateStrToTime(const QString& strText, QDateTime& time)
{
    int nMonth = 0, nDay = 0, nYear = 0;
    const QByteArray text = strText.toUtf8();
    CFieldScan scan(text);
    if (!(scan.Int(nMonth) && scan.Char('/') && scan.Int(nDay) && scan.Char('/') && scan.Int(nYear)))
        return -1;
    const int nError = FirstFieldError({{nMonth, 1, 12, -2}, {nDay, 1, 31, -3}, {nYear, 1970, 2038, -4}});
    if (nError != 0)
        return nError;
    time = LocalTime(nYear, nMonth, nDay, 0, 0, 0);
    return 0;
}

int DateTimeStrToTime(const QString& strText, QDateTime& time)
{
    int nDay = 0, nYear = 0, nHour = 0, nMinute = 0, nSecond = 0;
    QByteArray word;
    // "DD MMM YYYY HH:MM:SS", counting the fields read until one is missing.
    const QByteArray text = strText.toUtf8();
    CFieldScan scan(text);
    int nFields = 0;
    if (scan.Int(nDay) && ++nFields && scan.Word(word) && ++nFields && scan.Int(nYear) && ++nFields &&
        scan.Int(nHour) && ++nFields && scan.Char(':') && scan.Int(nMinute) && ++nFields && scan.Char(':') &&
        scan.Int(nSecond))
        ++nFields;
    if (nFields < 3)
        return -1;
    const int nMonth = DayText::MonthOfWord(std::string_view(word.constData(), static_cast<std::size_t>(word.size())));
    if (nMonth == 0)
        return -2;
    // Hour 24 is allowed: it is midnight at the end of the day.
    const int nError = FirstFieldError({{nDay, 1, 31, -3},
                                        {nYear, 1970, 2038, -4},
                                        {nHour, 0, 24, -5},
                                        {nMinute, 0, 59, -6},
                                        {nSecond, 0, 59, -7}});
    if (nError != 0)
        return nError;
    time = LocalTime(nYear, nMonth, nDay, nHour, nMinute, nSecond);
    return 0;
}

void DateErrorMsg(int nError, QWidget* pOwner)
{
    ShowReadError(nError, kDateErrorCount, ".\nDate format is 'MM/DD/YYYY'.", pOwner);
}

void DateTimeErrorMsg(int nError)
{
    ShowReadError(nError, kDateTimeErrorCount, ".\nDate Time format is 'DD MMM YYYY HH:MM:SS'.", nullptr);
}

void EditDateError(QLineEdit& edit, int nError, QWidget* pOwner)
{
    if (nError > -1 || nError < -kDateErrorCount)
        return;
    const QString strText = edit.text();
    DateErrorMsg(nError, pOwner);
    // -1 the whole text, -2 the month, -3 the day, -4 the year, between slashes.
    const int nPart = -nError - 2;
    if (nPart < 0)
        return FocusAndSelect(edit, 0, strText.size());
    const int nEnd = nPart == 2 ? strText.size() : FindCharInStr(strText, '/', nPart + 1);
    FocusAndSelect(edit, After(strText, '/', nPart), nEnd);
}

void EditDateTimeError(QLineEdit& edit, int nError)
{
    if (nError > -1 || nError < -kDateTimeErrorCount)
        return;
    const QString strText = edit.text();
    DateTimeErrorMsg(nError);
    const int nLength = strText.size();
    // Day, month and year are the first three blank-separated words; hour and
    // minute the two characters before the first and second colon.
    auto word = [&](int n) {
        const int nNext = FindCharInStr(strText, ' ', n + 1);
        FocusAndSelect(edit, After(strText, ' ', n), nNext < 0 ? nLength : nNext);
    };
    auto beforeColon = [&](int n) {
        const int nColon = FindCharInStr(strText, ':', n);
        FocusAndSelect(edit, nColon < 0 ? -1 : std::max(0, nColon - 2), nColon);
    };
    switch (nError) {
    case -1: return FocusAndSelect(edit, 0, nLength);
    case -2: return word(1);
    case -3: return word(0);
    case -4: return word(2);
    case -5: return beforeColon(1);
    case -6: return beforeColon(2);
    default: return FocusAndSelect(edit, std::max(0, nLength - 2), nLength);
    }
}
