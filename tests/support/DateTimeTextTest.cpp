#include "DateTimeText.h"

#include "FocusWindow.h"
#include "MessageRecorder.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

QDateTime Local(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0, int nSecond = 0)
{
    return QDateTime(QDate(nYear, nMonth, nDay), QTime(nHour, nMinute, nSecond));
}

struct ReadCase {
    QString strText;
    int nResult;
    QDateTime expected;   // only written on success
};

void ExpectReads(int (*read)(const QString&, QDateTime&), std::initializer_list<ReadCase> aCases)
{
    const QDateTime untouched = Local(2001, 2, 3, 4, 5, 6);
    for (const ReadCase& c : aCases) {
        QDateTime time = untouched;
        EXPECT_EQ(read(c.strText, time), c.nResult) << c.strText.left(40).toStdString();
        EXPECT_EQ(time, c.nResult == 0 ? c.expected : untouched) << c.strText.left(40).toStdString();
    }
}

// The last rows: a number beyond int is out of its field's range, never
// wrapped into it (every field is read by the same scan).
TEST(DateText, ReadsMonthDayYearAndRollsOver)
{
    ExpectReads(DateStrToTime, {{"2/30/2000", 0, Local(2000, 3, 1)},
                                {"12/31/2038", 0, Local(2038, 12, 31)},
                                {"1/1/1970", 0, Local(1970, 1, 1)},
                                {"12/5/26", -4, {}},
                                {"13/1/2000", -2, {}},
                                {"13/32/1900", -2, {}},
                                {"1/32/1900", -3, {}},
                                {"1/2", -1, {}},
                                {"", -1, {}},
                                {"4294967297/1/2000", -2, {}}});
}

TEST(DateTimeText, ReadsFieldsInOrderWithMonthWords)
{
    ExpectReads(DateTimeStrToTime,
                {{"05 DEC 2026", 0, Local(2026, 12, 5)},
                 {"05 dec 2026 7", 0, Local(2026, 12, 5, 7)},
                 {"05 December 2026 13:14:15", 0, Local(2026, 12, 5, 13, 14, 15)},
                 {"05 Dec" + QString(4000, 'e') + " 2026 01:02:03", 0, Local(2026, 12, 5, 1, 2, 3)},
                 {"05 Dec 2026 24:00:00", 0, Local(2026, 12, 6)},
                 {"31 Feb 2001", 0, Local(2001, 3, 3)},
                 {"05 De 2026", -2, {}},
                 {"32 Dex 1900 99:99:99", -2, {}},
                 {"32 Dec 1900 99:99:99", -3, {}},
                 {"05 Dec 2039 99:99:99", -4, {}},
                 {"05 Dec 2026 25:99:99", -5, {}},
                 {"05 Dec 2026 10:60:99", -6, {}},
                 {"05 Dec 2026 10:00:60", -7, {}},
                 {"05 Dec", -1, {}},
                 {"", -1, {}},
                 {"1 Jan 2000 0:0:4294967297", -7, {}}});
}

// Fixed English text under any locale. A default time (or one a failed read
// left untouched) has no date: a fixed text, never a month from outside the table.
TEST(DateTimeText, WritersGiveFixedEnglishText)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const struct {
        QDateTime time;
        const char* szDate;
        const char* szTime;
        const char* szDateOnly;
        const char* szDateTime;
    } aCases[] = {
        {Local(2024, 2, 9, 7, 8, 9), "02/09/2024", "07:08:09", "09 Feb 2024", "09 Feb 2024 07:08:09"},
        {QDateTime(), "00/00/0000", "00:00:00", "00 ??? 0000", "00 ??? 0000 00:00:00"},
    };
    for (const auto& c : aCases) {
        EXPECT_EQ(TimeToDateStr(c.time), QString::fromLatin1(c.szDate));
        EXPECT_EQ(TimeToTimeOnlyStr(c.time), QString::fromLatin1(c.szTime));
        EXPECT_EQ(TimeToDateOnlyStr(c.time), QString::fromLatin1(c.szDateOnly));
        EXPECT_EQ(TimeToDateTimeStr(c.time), QString::fromLatin1(c.szDateTime));
    }
    QLocale::setDefault(previous);
}

// Only the codes a reader gives show a box (the boxes: EditDateErrorTest).
TEST(DateTimeText, NoBoxForACodeNoReaderGives)
{
    CMessageRecorder boxes;
    DateErrorMsg(-5, nullptr);
    DateTimeErrorMsg(-8);
    DateTimeErrorMsg(0);
    EXPECT_TRUE(boxes.m_aRequests.empty());
}

constexpr const char* kDateHint = ".\nDate format is 'MM/DD/YYYY'.";
constexpr const char* kDateTimeHint = ".\nDate Time format is 'DD MMM YYYY HH:MM:SS'.";

using EditDateErrorTest = CFocusWindow;

// The box comes first, then the field takes the focus with its faulty part
// selected; codes a reader never gives change nothing. The box tells the
// fault and the format; the date box belongs to the window given, the
// date-time box to none.
TEST_F(EditDateErrorTest, SelectsTheFaultyPart)
{
    const struct {
        bool bDateTime;
        const char* szText;
        int nError;
        const char* szSelected;   // nullptr: no box, no focus
        const char* szFault;
    } aCases[] = {
        {false, "12/05/2026", -1, "12/05/2026", "Invalid date format"},
        {false, "12/05/2026", -2, "12", "Invalid month entered"},
        {false, "12/05/2026", -3, "05", "Invalid day entered"},
        {false, "12/05/2026", -4, "2026", "Year must be >= 1970 and <= 2038"},
        {false, "12-05-2026", -3, "", "Invalid day entered"},
        {false, "12/05", -4, "", "Year must be >= 1970 and <= 2038"},
        {false, "12/05/2026", -5, nullptr, nullptr},
        {true, "05 Dec 2026 07:08:09", -1, "05 Dec 2026 07:08:09", "Invalid date format"},
        {true, "05 Dex 2026 07:08:09", -2, "Dex", "Invalid month entered"},
        {true, "35 Dec 2026 07:08:09", -3, "35", "Invalid day entered"},
        {true, "05 Dec 1926", -4, "1926", "Year must be >= 1970 and <= 2038"},
        {true, "05 Dec 2026 27:08:09", -5, "27", "Invalid hour entered"},
        {true, "05 Dec 2026 07:68:09", -6, "68", "Invalid minute entered"},
        {true, "05 Dec 2026 07:08:69", -7, "69", "Invalid seconds entered"},
        {true, "05 Dec 2026", -5, "", "Invalid hour entered"},
        {true, "05 Dec 2026", 0, nullptr, nullptr},
    };
    bool bFocusedAtBox = false;
    m_boxes.m_onShow = [&] { bFocusedAtBox = m_pEdit->hasFocus(); };
    for (const auto& c : aCases) {
        m_boxes.m_aRequests.clear();
        m_pOther->setFocus();
        m_pEdit->setText(QString::fromLatin1(c.szText));
        m_pEdit->deselect();
        if (c.bDateTime)
            EditDateTimeError(*m_pEdit, c.nError);
        else
            EditDateError(*m_pEdit, c.nError, &m_window);
        SCOPED_TRACE(testing::Message() << c.szText << " " << c.nError);
        ASSERT_EQ(m_boxes.m_aRequests.size(), c.szSelected ? 1u : 0u);
        EXPECT_EQ(m_pEdit->hasFocus(), c.szSelected != nullptr);
        EXPECT_FALSE(bFocusedAtBox);
        if (c.szSelected) {
            const auto& box = m_boxes.m_aRequests[0];
            EXPECT_EQ(m_pEdit->selectedText(), QString::fromLatin1(c.szSelected));
            EXPECT_EQ(box.strText, QString::fromLatin1(c.szFault) + (c.bDateTime ? kDateTimeHint : kDateHint));
            EXPECT_EQ(box.strCaption, QStringLiteral("Input Error"));
            EXPECT_EQ(box.icon, BvUtility::Platform::MessageIcon::Exclamation);
            EXPECT_EQ(box.pOwner, c.bDateTime ? nullptr : &m_window);
        }
    }
}

}  // namespace
