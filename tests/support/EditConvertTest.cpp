#include "EditConvert.h"

#include "FocusWindow.h"
#include "MessageRecorder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>

namespace {

class EditConvertTest : public ::testing::Test, protected CFocusWindow {
protected:
    void SetUp() override { SetEditErrorException(0); }
    void TearDown() override
    {
        SetEditErrorMsg(1);
        SetEditErrorException(1);
    }

    CMessageRecorder m_boxes;
};

TEST_F(EditConvertTest, ReadersGiveTheFirstFailingMessage)
{
    int n = 0;
    long l = 0;
    double d = 0;
    const QString strName = QStringLiteral("Count");
    const struct {
        const char* szText;
        std::function<int(QLineEdit&)> read;
        const char* szMessage;   // "" when the read passes
    } aCases[] = {
        {"", [&](QLineEdit& e) { return EditToInt(e, n, strName); }, "Count must not be blank."},
        {"", [&](QLineEdit& e) { return EditToDouble(e, d, QString()); }, "Field must not be blank."},
        {"   ", [&](QLineEdit& e) { return EditToInt(e, n, strName); }, "Count requires an integer value."},
        {"   ", [&](QLineEdit& e) { return EditToLong(e, l, strName); }, "Count requires an integer value."},
        {"x1", [&](QLineEdit& e) { return EditToDouble(e, d, strName); }, "Count requires a decimal value."},
        {"+-5", [&](QLineEdit& e) { return EditToInt(e, n, strName); }, "Count requires an integer value."},
        {"", [&](QLineEdit& e) { return EditToIntRange(e, n, 1, 10, strName); }, "Count must not be blank."},
        {"5", [&](QLineEdit& e) { return EditToIntTest(e, n, strName, 1, 5); }, "Count must be > 5."},
        {"4", [&](QLineEdit& e) { return EditToIntTest(e, n, strName, 2, 5); }, "Count must be >= 5."},
        {"5", [&](QLineEdit& e) { return EditToLongTest(e, l, strName, 3, 5); }, "Count must be < 5."},
        {"6", [&](QLineEdit& e) { return EditToLongTest(e, l, strName, 4, 5); }, "Count must be <= 5."},
        {"0.25", [&](QLineEdit& e) { return EditToDoubleTest(e, d, strName, 2, 0.5); }, "Count must be >= 0.500000."},
        {"-99", [&](QLineEdit& e) { return EditToIntTest(e, n, strName, 0, 5); }, ""},
        {"99", [&](QLineEdit& e) { return EditToDoubleTest(e, d, strName, 5, 5); }, ""},
        {"11", [&](QLineEdit& e) { return EditToIntRange(e, n, 1, 10, strName); }, "Count must be >= 1 and <= 10."},
        {"0.5", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, strName); },
         "Count must be >= 1.000000 and <= 7000.000000."},
        {"nan", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, strName); },
         "Count must be >= 1.000000 and <= 7000.000000."},
        {"7000", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, strName); }, ""},
    };
    for (const auto& c : aCases) {
        m_boxes.m_aRequests.clear();
        m_pEdit->setText(QString::fromLatin1(c.szText));
        const int nResult = c.read(*m_pEdit);
        const QString strMessage = m_boxes.m_aRequests.empty() ? QString() : m_boxes.m_aRequests.front().strText;
        EXPECT_EQ(strMessage, QString::fromLatin1(c.szMessage)) << "text '" << c.szText << "'";
        EXPECT_EQ(nResult, *c.szMessage ? 0 : 1) << "text '" << c.szText << "'";
        EXPECT_LE(m_boxes.m_aRequests.size(), 1u);
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

    for (const char* szText : {"50", "abc"}) {
        n = 3;
        m_pEdit->setText(QString::fromLatin1(szText));
        EXPECT_EQ(EditToIntRange(*m_pEdit, n, 1, 10, QStringLiteral("N")), 0);
        EXPECT_EQ(n, 3) << szText;
    }
}

TEST_F(EditConvertTest, SwitchesChooseTheBoxTheUserAbortBothOrNeither)
{
    for (const int bMsg : {0, 1}) {
        for (const int bException : {0, 1}) {
            SetEditErrorMsg(bMsg);
            SetEditErrorException(bException);
            ASSERT_EQ(IsEditErrorMsg(), bMsg);
            ASSERT_EQ(IsEditErrorException(), bException);
            m_boxes.m_aRequests.clear();
            m_pOther->setFocus();
            m_pEdit->setText(QStringLiteral("abc"));
            m_pEdit->deselect();
            QString strSelectedAtBox;
            m_boxes.m_onShow = [&] {
                strSelectedAtBox = m_pEdit->hasFocus() ? m_pEdit->selectedText() : QString();
            };

            double d = 1.5;
            bool bThrown = false;
            try {
                EXPECT_EQ(EditToDouble(*m_pEdit, d, QStringLiteral("D")), 0);
            } catch (const BvUtility::CUserException&) {
                bThrown = true;
            }
            SCOPED_TRACE(testing::Message() << "message " << bMsg << ", exception " << bException);
            EXPECT_EQ(bThrown, bException == 1);
            EXPECT_EQ(d, 1.5);
            EXPECT_EQ(m_pEdit->text(), QStringLiteral("abc"));
            EXPECT_EQ(m_pEdit->hasFocus(), bMsg == 1);
            ASSERT_EQ(m_boxes.m_aRequests.size(), bMsg ? 1u : 0u);
            if (bMsg) {
                const auto& box = m_boxes.m_aRequests.front();
                EXPECT_EQ(strSelectedAtBox, QStringLiteral("abc")) << "focused and selected before the box";
                EXPECT_EQ(box.strCaption, QStringLiteral("Input Error"));
                EXPECT_EQ(box.icon, BvUtility::Platform::MessageIcon::Exclamation);
                EXPECT_EQ(box.buttons, BvUtility::Platform::MessageButtons::Ok);
                EXPECT_EQ(box.pOwner, nullptr);
            }
        }
    }
}

TEST(StringToNumber, OutOfRangeGivesTheNearestValue)
{
    int n = 0;
    EXPECT_TRUE(StringToInt(QStringLiteral("99999999999"), n) == 1 && n == INT_MAX);
    EXPECT_TRUE(StringToInt(QStringLiteral(" -99999999999"), n) == 1 && n == INT_MIN);
    long l = 0;
    EXPECT_TRUE(StringToLong(QStringLiteral("+42"), l) == 1 && l == 42);
    double d = 0;
    EXPECT_TRUE(StringToDouble(QStringLiteral("-1e999"), d) == 1 && std::isinf(d) && d < 0);
    EXPECT_TRUE(StringToDouble(QStringLiteral("0.0001e-999"), d) == 1 && d == 0.0);
    EXPECT_EQ(StringToDouble(QStringLiteral("-"), d), 0);
}

TEST(NumberToEdit, WritesWithTheGivenFormat)
{
    QLineEdit edit;
    IntToEdit(-5, edit);
    EXPECT_EQ(edit.text(), QStringLiteral("-5"));
    LongToEdit(1234567L, edit);
    EXPECT_EQ(edit.text(), QStringLiteral("1234567"));
    // A width or precision of -1 is not passed to the format at all.
    const struct {
        const char* szFormat;
        int nWidth, nPrecision;
        const char* szText;
    } aCases[] = {
        {"%*.*lf", 8, 3, "   3.142"}, {"%.*f", -1, 2, "3.14"}, {"%*f", 10, -1, "  3.141590"}, {"%g", -1, -1, "3.14159"},
    };
    for (const auto& c : aCases) {
        DoubleToEdit(3.14159, edit, c.szFormat, c.nWidth, c.nPrecision);
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.szText)) << c.szFormat;
    }
}

TEST(SpinEdit, ClampsAndWritesTheBuddyField)
{
    QWidget dialog;
    auto* pBuddy = new QLineEdit(new QWidget(&dialog));
    pBuddy->setObjectName(QStringLiteral("editInterval"));
    const struct {
        int nPos, nDelta, nMax;
        const char* szText;
    } aCases[] = {{95, 10, 100, "100"}, {0, -1, 100, "0"}, {50, 5, 100, "55"}, {INT_MAX, 1, INT_MAX, "2147483647"}};
    for (const auto& c : aCases) {
        EXPECT_EQ(SetSpinEdit({BvUtility::kSpinPositionChanging, c.nPos, c.nDelta, &dialog},
                              QStringLiteral("editInterval"), 0, c.nMax),
                  1);
        EXPECT_EQ(pBuddy->text(), QString::fromLatin1(c.szText)) << c.nPos << " + " << c.nDelta;
    }
    EXPECT_EQ(SetSpinEdit({-721, 1, 1, &dialog}, QStringLiteral("editInterval"), 0, 100), 0);
    EXPECT_EQ(pBuddy->text(), QStringLiteral("2147483647"));
}

}  // namespace
