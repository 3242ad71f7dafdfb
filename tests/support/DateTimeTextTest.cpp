#include "DateTimeText.h"

#include "FocusWindow.h"
#include "MessageRecorder.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <iterator>

namespace {

QDateTime Local(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0, int nSecond = 0)
{
    return QDateTime(QDate(nYear, nMonth, nDay), QTime(nHour, nMinute, nSecond));
}

struct ReadCase {
    const char* szText;
    int nResult;
    QDateTime expected;
};

// Each text reads to its result; the time is only written on success.
template <size_t N>
void ExpectReads(int (*read)(const QString&, QDateTime&), const ReadCase (&aCases)[N])
{
    const QDateTime untouched = Local(2001, 2, 3, 4, 5, 6);
    for (const ReadCase& c : aCases) {
        QDateTime time = untouched;
        EXPECT_EQ(read(QString::fromLatin1(c.szText), time), c.nResult) << c.szText;
        EXPECT_EQ(time, c.nResult == 0 ? c.expected : untouched) << c.szText;
    }
}

TEST(DateText, ReadsMonthDayYearAndRollsOver)
{
    const ReadCase aCases[] = {
        {"2/30/2000", 0, Local(2000, 3, 1)},  {"12/31/2038", 0, Local(2038, 12, 31)},
        {"1/1/1970", 0, Local(1970, 1, 1)},   {"12/5/26", -4, {}},
        {"1/1/1969", -4, {}},                 {"13/1/2000", -2, {}},
        {"0/1/2000", -2, {}},                 {"1/32/2000", -3, {}},
        {"1/2", -1, {}},                      {"abc", -1, {}},
        {"", -1, {}},
    };
    ExpectReads(DateStrToTime, aCases);
}

TEST(DateTimeText, ReadsFieldsInOrderWithMonthWords)
{
    const ReadCase aCases[] = {
        {"05 Dec 2026", 0, Local(2026, 12, 5)},
        {"05 DEC 2026", 0, Local(2026, 12, 5)},
        {"05 dec 2026", 0, Local(2026, 12, 5)},
        {"05 December 2026 13:14:15", 0, Local(2026, 12, 5, 13, 14, 15)},
        {"05 Dec 2026 7", 0, Local(2026, 12, 5, 7)},
        {"05 Dec 2026 24:00:00", 0, Local(2026, 12, 6)},
        {"31 Feb 2001", 0, Local(2001, 3, 3)},
        {"05 De 2026", -2, {}},
        {"05 Dex 2026", -2, {}},
        {"32 Dec 2026", -3, {}},
        {"05 Dec 2039", -4, {}},
        {"05 Dec 2026 25:00:00", -5, {}},
        {"05 Dec 2026 10:60", -6, {}},
        {"05 Dec 2026 10:00:60", -7, {}},
        {"05 Dec", -1, {}},
        {"05", -1, {}},
        {"", -1, {}},
    };
    ExpectReads(DateTimeStrToTime, aCases);
}

TEST(DateTimeText, AMonthWordOfAnyLengthIsReadSafely)
{
    QDateTime time;
    const QString strLong = QStringLiteral("05 Dec") + QString(4000, 'e') + QStringLiteral(" 2026 01:02:03");
    EXPECT_EQ(DateTimeStrToTime(strLong, time), 0);
    EXPECT_EQ(time, Local(2026, 12, 5, 1, 2, 3));
}

TEST(DateTimeText, WritesFixedEnglishTextWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime time = Local(2026, 12, 5, 7, 8, 9);
    EXPECT_EQ(TimeToDateStr(time), QStringLiteral("12/05/2026"));
    EXPECT_EQ(TimeToTimeOnlyStr(time), QStringLiteral("07:08:09"));
    EXPECT_EQ(TimeToDateOnlyStr(time), QStringLiteral("05 Dec 2026"));
    EXPECT_EQ(TimeToDateTimeStr(time), QStringLiteral("05 Dec 2026 07:08:09"));
    EXPECT_EQ(TimeToDateOnlyStr(Local(1999, 5, 1)), QStringLiteral("01 May 1999"));
    QLocale::setDefault(previous);
}

TEST(DateTimeText, WrittenTextReadsBack)
{
    const QDateTime time = Local(2024, 2, 29, 23, 59, 58);
    QDateTime read;
    ASSERT_EQ(DateTimeStrToTime(TimeToDateTimeStr(time), read), 0);
    EXPECT_EQ(read, time);
    ASSERT_EQ(DateStrToTime(TimeToDateStr(time), read), 0);
    EXPECT_EQ(read, Local(2024, 2, 29));
}

TEST(DateTimeText, ErrorBoxesCarryTheFormatHint)
{
    CMessageRecorder boxes;
    QWidget owner;
    DateErrorMsg(-2, &owner);
    DateErrorMsg(-5, &owner);
    DateErrorMsg(0, &owner);
    DateTimeErrorMsg(-7);
    DateTimeErrorMsg(-8);
    DateTimeErrorMsg(0);
    ASSERT_EQ(boxes.m_aRequests.size(), 2u);
    EXPECT_EQ(boxes.m_aRequests[0].strText, QStringLiteral("Invalid month entered.\nDate format is 'MM/DD/YYYY'."));
    EXPECT_EQ(boxes.m_aRequests[0].pOwner, &owner);
    EXPECT_EQ(boxes.m_aRequests[0].strCaption, QStringLiteral("Input Error"));
    EXPECT_EQ(boxes.m_aRequests[0].icon, BvUtility::Platform::MessageIcon::Exclamation);
    EXPECT_EQ(boxes.m_aRequests[1].strText,
              QStringLiteral("Invalid seconds entered.\nDate Time format is 'DD MMM YYYY HH:MM:SS'."));
    EXPECT_EQ(boxes.m_aRequests[1].pOwner, nullptr);
}

// The text selected after a read result is reported on the text.
struct SelectCase {
    const char* szText;
    int nError;
    const char* szSelected;
};

class EditDateErrorTest : public ::testing::Test, protected CFocusWindow {
protected:
    void SetUp() override
    {
        m_boxes.m_onShow = [this] { m_bFocusedAtBox = m_pEdit->hasFocus(); };
    }

    // The selected text after reporting nError on strText.
    template <typename Report>
    QString SelectionAfter(const char* szText, Report report)
    {
        m_pOther->setFocus();
        m_pEdit->setText(QString::fromLatin1(szText));
        m_pEdit->deselect();
        report(*m_pEdit);
        EXPECT_TRUE(m_pEdit->hasFocus()) << szText;
        EXPECT_FALSE(m_bFocusedAtBox) << "the box comes before the focus";
        return m_pEdit->selectedText();
    }

    CMessageRecorder m_boxes;
    bool m_bFocusedAtBox = false;
};

TEST_F(EditDateErrorTest, SelectsTheFaultyPartOfADate)
{
    const SelectCase aCases[] = {
        {"12/05/2026", -1, "12/05/2026"}, {"12/05/2026", -2, "12"}, {"12/05/2026", -3, "05"},
        {"12/05/2026", -4, "2026"},       {"12-05-2026", -3, ""},   {"12/05", -4, ""},
    };
    for (const SelectCase& c : aCases) {
        EXPECT_EQ(SelectionAfter(c.szText, [&](QLineEdit& e) { EditDateError(e, c.nError, &m_window); }),
                  QString::fromLatin1(c.szSelected))
            << c.szText << " " << c.nError;
    }
    EXPECT_EQ(m_boxes.m_aRequests.size(), std::size(aCases));
    EXPECT_EQ(m_boxes.m_aRequests.back().pOwner, &m_window);
}

TEST_F(EditDateErrorTest, SelectsTheFaultyPartOfADateTime)
{
    const SelectCase aCases[] = {
        {"05 Dec 2026 07:08:09", -1, "05 Dec 2026 07:08:09"},
        {"05 Dex 2026 07:08:09", -2, "Dex"},
        {"35 Dec 2026 07:08:09", -3, "35"},
        {"05 Dec 1926 07:08:09", -4, "1926"},
        {"05 Dec 1926", -4, "1926"},
        {"05 Dec 2026 27:08:09", -5, "27"},
        {"05 Dec 2026 07:68:09", -6, "68"},
        {"05 Dec 2026 07:08:69", -7, "69"},
        {"05 Dec 2026", -5, ""},
    };
    for (const SelectCase& c : aCases) {
        EXPECT_EQ(SelectionAfter(c.szText, [&](QLineEdit& e) { EditDateTimeError(e, c.nError); }),
                  QString::fromLatin1(c.szSelected))
            << c.szText << " " << c.nError;
    }
}

TEST_F(EditDateErrorTest, OtherCodesDoNothing)
{
    m_pOther->setFocus();
    m_pEdit->setText(QStringLiteral("12/05/2026"));
    EditDateError(*m_pEdit, -5, nullptr);
    EditDateTimeError(*m_pEdit, 0);
    EXPECT_TRUE(m_boxes.m_aRequests.empty());
    EXPECT_TRUE(m_pOther->hasFocus());
}

}  // namespace
