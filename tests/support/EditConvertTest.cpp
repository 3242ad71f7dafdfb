#include "EditConvert.h"

#include "FocusWindow.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class EditConvertTest : public CFocusWindow {
protected:
    void SetUp() override { SetEditErrorException(0); }
    void TearDown() override
    {
        SetEditErrorMsg(1);
        SetEditErrorException(1);
    }
};

TEST_F(EditConvertTest, ReadersGiveTheFirstFailingMessage)
{
    int n = 0;
    long l = 0;
    double d = 0;
    const QString N = QStringLiteral("Count");
    const struct {
        const char* szText;
        std::function<int(QLineEdit&)> read;
        const char* szMessage;   // "" when the read passes
    } aCases[] = {
        {"", [&](QLineEdit& e) { return EditToIntRange(e, n, 1, 10, N); }, "Count must not be blank."},
        {"", [&](QLineEdit& e) { return EditToDouble(e, d, QString()); }, "Field must not be blank."},
        {"   ", [&](QLineEdit& e) { return EditToLong(e, l, N); }, "Count requires an integer value."},
        {"x1", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 2, N); }, "Count requires a decimal value."},
        {"5", [&](QLineEdit& e) { return EditToIntTest(e, n, N, 1, 5); }, "Count must be > 5."},
        {"4", [&](QLineEdit& e) { return EditToIntTest(e, n, N, 2, 5); }, "Count must be >= 5."},
        {"5", [&](QLineEdit& e) { return EditToLongTest(e, l, N, 3, 5); }, "Count must be < 5."},
        {"6", [&](QLineEdit& e) { return EditToLongTest(e, l, N, 4, 5); }, "Count must be <= 5."},
        {"0.25", [&](QLineEdit& e) { return EditToDoubleTest(e, d, N, 2, 0.5); }, "Count must be >= 0.500000."},
        {"99", [&](QLineEdit& e) { return EditToDoubleTest(e, d, N, 5, 5); }, ""},
        {"11", [&](QLineEdit& e) { return EditToIntRange(e, n, 1, 10, N); }, "Count must be >= 1 and <= 10."},
        {"0.5", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, N); },
         "Count must be >= 1.000000 and <= 7000.000000."},
        {"7000", [&](QLineEdit& e) { return EditToDoubleRange(e, d, 1, 7000, N); }, ""},
    };
    for (const auto& c : aCases) {
        m_boxes.m_aRequests.clear();
        m_pEdit->setText(QString::fromLatin1(c.szText));
        EXPECT_EQ(c.read(*m_pEdit), *c.szMessage ? 0 : 1) << "text '" << c.szText << "'";
        ASSERT_EQ(m_boxes.m_aRequests.size(), *c.szMessage ? 1u : 0u) << "text '" << c.szText << "'";
        if (*c.szMessage) {
            EXPECT_EQ(m_boxes.m_aRequests[0].strText, QString::fromLatin1(c.szMessage));
        }
    }
}

// How the number is read: NumberRead, through the same scan.
TEST_F(EditConvertTest, StoresOnlyPassingValues)
{
    int n = -1;
    m_pEdit->setText(QStringLiteral("12abc"));
    EXPECT_TRUE(EditToInt(*m_pEdit, n, QStringLiteral("N")) == 1 && n == 12);
    m_pEdit->setText(QStringLiteral("50"));
    EXPECT_TRUE(EditToIntRange(*m_pEdit, n, 1, 10, QStringLiteral("N")) == 0 && n == 12);
}

TEST_F(EditConvertTest, SwitchesChooseTheBoxTheUserAbortBothOrNeither)
{
    QString strSelectedAtBox;
    m_boxes.m_onShow = [&] { strSelectedAtBox = m_pEdit->hasFocus() ? m_pEdit->selectedText() : QString(); };
    for (const int nSwitches : {0, 1, 2, 3}) {
        const int bMsg = nSwitches & 1;
        const int bException = nSwitches >> 1;
        SetEditErrorMsg(bMsg);
        SetEditErrorException(bException);
        m_boxes.m_aRequests.clear();
        m_pOther->setFocus();
        m_pEdit->setText(QStringLiteral("abc"));
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
        EXPECT_EQ(m_pEdit->hasFocus(), bMsg == 1);
        EXPECT_EQ(m_boxes.m_aRequests.size(), static_cast<size_t>(bMsg));
    }
    // The last read showed the box, with the field focused and selected behind it.
    const auto& box = m_boxes.m_aRequests.front();
    EXPECT_EQ(strSelectedAtBox, QStringLiteral("abc"));
    EXPECT_EQ(box.strCaption, QStringLiteral("Input Error"));
    EXPECT_EQ(box.icon, BvUtility::Platform::MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, BvUtility::Platform::MessageButtons::Ok);
    EXPECT_EQ(box.pOwner, nullptr);
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
        {"%*.*lf", 8, 3, "   3.142"}, {"%.*f", -1, 2, "3.14"}, {"%*f", 10, -1, "  3.141590"}, {"%g", -1, -1, "3.14159"}};
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
    const int aCases[][4] = {{95, 10, 100, 100}, {0, -1, 100, 0}, {50, 5, 100, 55}, {INT_MAX, 1, INT_MAX, INT_MAX}};
    for (const auto& c : aCases) {
        EXPECT_EQ(SetSpinEdit({BvUtility::kSpinPositionChanging, c[0], c[1], &dialog}, "editInterval", 0, c[2]), 1);
        EXPECT_EQ(pBuddy->text(), QString::number(c[3])) << c[0] << " + " << c[1];
    }
    EXPECT_EQ(SetSpinEdit({-721, 1, 1, &dialog}, QStringLiteral("editInterval"), 0, 100), 0);
    EXPECT_EQ(pBuddy->text(), QString::number(INT_MAX));
}

}  // namespace
