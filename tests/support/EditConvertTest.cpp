#include "EditConvert.h"

#include "FocusWindow.h"
#include "MessageRecorder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>

namespace {

using BvUtility::Platform::MessageButtons;
using BvUtility::Platform::MessageIcon;

class EditConvertTest : public ::testing::Test, protected CFocusWindow {
protected:
    void SetUp() override
    {
        SetEditErrorMsg(1);
        SetEditErrorException(0);
    }
    void TearDown() override
    {
        SetEditErrorMsg(1);
        SetEditErrorException(1);
    }

    // The one message of a failed read, or "" when the read passed.
    QString MessageOf(const std::function<int(QLineEdit&)>& read)
    {
        m_boxes.m_aRequests.clear();
        const int nResult = read(*m_pEdit);
        EXPECT_EQ(nResult == 1, m_boxes.m_aRequests.empty());
        return m_boxes.m_aRequests.empty() ? QString() : m_boxes.m_aRequests.front().strText;
    }

    CMessageRecorder m_boxes;
};

TEST_F(EditConvertTest, ReadersGiveTheFirstFailingMessage)
{
    struct Case {
        const char* szText;
        std::function<int(QLineEdit&)> read;
        const char* szMessage;
    };
    int n = 0;
    long l = 0;
    double d = 0;
    const QString strName = QStringLiteral("Count");
    const Case aCases[] = {
        {"", [&](QLineEdit& e) { return EditToInt(e, n, strName); }, "Count must not be blank."},
        {"", [&](QLineEdit& e) { return EditToDouble(e, d, QString()); }, "Field must not be blank."},
        {"   ", [&](QLineEdit& e) { return EditToInt(e, n, strName); }, "Count requires an integer value."},
        {"   ", [&](QLineEdit& e) { return EditToLong(e, l, strName); }, "Count requires an integer value."},
        {"x1", [&](QLineEdit& e) { return EditToDouble(e, d, strName); }, "Count requires a decimal value."},
        {"+-5", [&](QLineEdit& e) { return EditToInt(e, n, strName); }, "Count requires an integer value."},
        {"5", [&](QLineEdit& e) { return EditToIntTest(e, n, strName, 1, 5); }, "Count must be > 5."},
        {"4", [&](QLineEdit& e) { return EditToIntTest(e, n, strName, 2, 5); }, "Count must be >= 5."},
        {"5", [&](QLineEdit& e) { return EditToLongTest(e, l, strName, 3, 5); }, "Count must be < 5."},
        {"6", [&](QLineEdit& e) { return EditToLongTest(e, l, strName, 4, 5); }, "Count must be <= 5."},
        {"0.25", [&](QLineEdit& e) { return EditToDoubleTest(e, d, strName, 2, 0.5); },
         "Count must be >= 0.500000."},
        {"-99", [&](QLineEdit& e) { return EditToIntTest(e, n, strName, 0, 5); }, ""},
        {"99", [&](QLineEdit& e) { return EditToDoubleTest(e, d, strName, 5, 5); }, ""},
        {"11", [&](QLineEdit& e) { return EditToIntRange(e, n, 1, 10, strName); }, "Count must be >= 1 and <= 10."},
        {"0.5", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, strName); },
         "Count must be >= 1.000000 and <= 7000.000000."},
        {"nan", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, strName); },
         "Count must be >= 1.000000 and <= 7000.000000."},
        {"7000", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, strName); }, ""},
    };
    for (const Case& c : aCases) {
        m_pEdit->setText(QString::fromLatin1(c.szText));
        EXPECT_EQ(MessageOf(c.read), QString::fromLatin1(c.szMessage)) << "text '" << c.szText << "'";
    }
}

TEST_F(EditConvertTest, ScanKeepsTheLeadingNumberAndStoresOnlyPassingValues)
{
    int n = -1;
    m_pEdit->setText(QStringLiteral("12abc"));
    EXPECT_EQ(EditToInt(*m_pEdit, n, QStringLiteral("N")), 1);
    EXPECT_EQ(n, 12);

    double d = -1;
    m_pEdit->setText(QStringLiteral("  2.5e1x"));
    EXPECT_EQ(EditToDouble(*m_pEdit, d, QStringLiteral("D")), 1);
    EXPECT_EQ(d, 25.0);

    n = 3;
    m_pEdit->setText(QStringLiteral("50"));
    EXPECT_EQ(EditToIntRange(*m_pEdit, n, 1, 10, QStringLiteral("N")), 0);
    EXPECT_EQ(n, 3);
    m_pEdit->setText(QStringLiteral("abc"));
    EXPECT_EQ(EditToInt(*m_pEdit, n, QStringLiteral("N")), 0);
    EXPECT_EQ(n, 3);
}

TEST(StringToNumber, OutOfRangeGivesTheNearestValue)
{
    int n = 0;
    EXPECT_EQ(StringToInt(QStringLiteral("99999999999"), n), 1);
    EXPECT_EQ(n, INT_MAX);
    EXPECT_EQ(StringToInt(QStringLiteral(" -99999999999"), n), 1);
    EXPECT_EQ(n, INT_MIN);
    long l = 0;
    EXPECT_EQ(StringToLong(QStringLiteral("+42"), l), 1);
    EXPECT_EQ(l, 42);
    double d = 0;
    EXPECT_EQ(StringToDouble(QStringLiteral("1e999"), d), 1);
    EXPECT_TRUE(std::isinf(d) && d > 0);
    EXPECT_EQ(StringToDouble(QStringLiteral("-1e999"), d), 1);
    EXPECT_TRUE(std::isinf(d) && d < 0);
    EXPECT_EQ(StringToDouble(QStringLiteral("0.0001e-999"), d), 1);
    EXPECT_EQ(d, 0.0);
    EXPECT_EQ(StringToDouble(QStringLiteral("-"), d), 0);
}

TEST_F(EditConvertTest, MessageSwitchFocusesAndSelectsBeforeTheBox)
{
    m_pEdit->setText(QStringLiteral("abc"));
    bool bFocusedAtBox = false;
    QString strSelectedAtBox;
    m_boxes.m_onShow = [&] {
        bFocusedAtBox = m_pEdit->hasFocus();
        strSelectedAtBox = m_pEdit->selectedText();
    };
    int n = 7;
    EXPECT_EQ(EditToInt(*m_pEdit, n, QStringLiteral("N")), 0);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 1u);
    const auto& box = m_boxes.m_aRequests.front();
    EXPECT_EQ(box.strCaption, QStringLiteral("Input Error"));
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.pOwner, nullptr);
    EXPECT_TRUE(bFocusedAtBox);
    EXPECT_EQ(strSelectedAtBox, QStringLiteral("abc"));
}

TEST_F(EditConvertTest, ExceptionSwitchThrowsTheUserAbort)
{
    SetEditErrorMsg(0);
    SetEditErrorException(1);
    m_pEdit->setText(QStringLiteral("abc"));
    double d = 1.5;
    EXPECT_THROW(EditToDouble(*m_pEdit, d, QStringLiteral("D")), BvUtility::CUserException);
    EXPECT_EQ(d, 1.5);
    EXPECT_TRUE(m_boxes.m_aRequests.empty());
    EXPECT_TRUE(m_pOther->hasFocus());
}

TEST_F(EditConvertTest, BothSwitchesOffOnlyReturnsZero)
{
    SetEditErrorMsg(0);
    EXPECT_EQ(IsEditErrorMsg(), 0);
    EXPECT_EQ(IsEditErrorException(), 0);
    m_pEdit->setText(QStringLiteral("abc"));
    int n = 0;
    EXPECT_EQ(EditToIntTest(*m_pEdit, n, QStringLiteral("N"), 1, 0), 0);
    EXPECT_TRUE(m_boxes.m_aRequests.empty());
    EXPECT_EQ(m_pEdit->text(), QStringLiteral("abc"));
    EXPECT_TRUE(m_pOther->hasFocus());
    EXPECT_FALSE(m_pEdit->hasSelectedText());
}

TEST_F(EditConvertTest, BothSwitchesOnShowTheBoxThenThrow)
{
    SetEditErrorException(1);
    m_pEdit->setText(QString());
    int n = 0;
    EXPECT_THROW(EditToInt(*m_pEdit, n, QStringLiteral("N")), BvUtility::CUserException);
    EXPECT_EQ(m_boxes.m_aRequests.size(), 1u);
}

TEST(NumberToEdit, WritesWithTheGivenFormat)
{
    QLineEdit edit;
    IntToEdit(-5, edit);
    EXPECT_EQ(edit.text(), QStringLiteral("-5"));
    LongToEdit(1234567L, edit);
    EXPECT_EQ(edit.text(), QStringLiteral("1234567"));
    DoubleToEdit(3.14159, edit, "%*.*lf", 8, 3);
    EXPECT_EQ(edit.text(), QStringLiteral("   3.142"));
    DoubleToEdit(3.14159, edit, "%.*f", -1, 2);
    EXPECT_EQ(edit.text(), QStringLiteral("3.14"));
    DoubleToEdit(2.5, edit, "%*f", 10, -1);
    EXPECT_EQ(edit.text(), QStringLiteral("  2.500000"));
    DoubleToEdit(2.5, edit, "%g", -1, -1);
    EXPECT_EQ(edit.text(), QStringLiteral("2.5"));
}

TEST(SpinEdit, ClampsAndWritesTheBuddyField)
{
    struct Case {
        int nPos, nDelta, nMin, nMax;
        const char* szText;
    };
    const Case aCases[] = {
        {95, 10, 0, 100, "100"}, {0, -1, 0, 100, "0"}, {50, 5, 0, 100, "55"}, {INT_MAX, 1, 0, INT_MAX, "2147483647"},
    };
    QWidget dialog;
    auto* pBox = new QWidget(&dialog);
    auto* pBuddy = new QLineEdit(pBox);
    pBuddy->setObjectName(QStringLiteral("editInterval"));
    for (const Case& c : aCases) {
        const BvUtility::CSpinNotification notification{BvUtility::kSpinPositionChanging, c.nPos, c.nDelta, &dialog};
        EXPECT_EQ(SetSpinEdit(notification, QStringLiteral("editInterval"), c.nMin, c.nMax), 1);
        EXPECT_EQ(pBuddy->text(), QString::fromLatin1(c.szText)) << c.nPos << " + " << c.nDelta;
    }
    pBuddy->setText(QStringLiteral("kept"));
    EXPECT_EQ(SetSpinEdit({-721, 1, 1, &dialog}, QStringLiteral("editInterval"), 0, 100), 0);
    EXPECT_EQ(pBuddy->text(), QStringLiteral("kept"));
}

}  // namespace
