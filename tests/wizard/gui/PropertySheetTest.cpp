#include "PropertySheet.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A page that records its calls and answers with what the test tells it.
class CTestPage : public CPropertyPage {
public:
    explicit CTestPage(const QString& strCaption = QString()) : CPropertyPage(strCaption) {}

    int OnSetActive() override
    {
        ++m_nActivations;
        if (m_fnOnActive)
            m_fnOnActive();
        GetSheet()->SetWizardButtons(m_nButtons);
        return CPropertyPage::OnSetActive();
    }
    int OnWizardNext() override { return m_nNextResult; }
    int OnWizardBack() override { return m_nBackResult; }

    QCheckBox* m_pCheck = nullptr;
    int m_nActivations = 0;
    int m_nNextResult = 0;
    int m_nBackResult = 0;
    int m_nButtons = kWizBack | kWizNext;
    std::function<void()> m_fnOnActive;

protected:
    void CreateControls(QWidget* pBody) override
    {
        m_pCheck = new QCheckBox(QStringLiteral("Finish"), pBody);
        (new QVBoxLayout(pBody))->addWidget(m_pCheck);
    }
};

QPushButton* Button(CPropertySheet& sheet, const char* szName)
{
    return sheet.findChild<QPushButton*>(QString::fromLatin1(szName));
}

class PropertySheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (CTestPage* pPage : {&m_first, &m_second, &m_third})
            m_sheet.AddPage(pPage);
        m_sheet.show();
        QCoreApplication::processEvents();
    }
    void Press(const char* szName)
    {
        QTest::mouseClick(Button(m_sheet, szName), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    CTestPage m_first{QStringLiteral("First")};
    CTestPage m_second{QStringLiteral("Second")};
    CTestPage m_third;
    CPropertySheet m_sheet{QStringLiteral("Sheet")};
};

// The first page shows with its caption as the title; a page without a
// caption keeps the title it set itself.
TEST_F(PropertySheetTest, TheTitleIsThePagesCaptionOrWhatThePageSet)
{
    EXPECT_EQ(m_sheet.GetActivePage(), &m_first);
    EXPECT_EQ(m_first.m_nActivations, 1);
    EXPECT_EQ(m_sheet.windowTitle(), QStringLiteral("First"));
    m_third.m_fnOnActive = [this] { m_sheet.SetTitle(QStringLiteral("Own title")); };
    Press("nextButton");
    Press("nextButton");
    EXPECT_EQ(m_sheet.windowTitle(), QStringLiteral("Own title"));
}

TEST_F(PropertySheetTest, NextAndBackMoveUnlessThePageStaysOrIsTheLast)
{
    Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_second);
    m_second.m_nNextResult = -1;
    Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_second);
    m_second.m_nBackResult = -1;
    Press("backButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_second);
    m_second.m_nBackResult = 0;
    Press("backButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_first);

    m_second.m_nNextResult = 0;
    for (int n = 0; n < 3; ++n)
        Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_third);
    EXPECT_EQ(m_third.m_nActivations, 1);
}

TEST_F(PropertySheetTest, ButtonRequestsApplyAfterTheCurrentEvent)
{
    m_second.m_nButtons = kWizBack | kWizFinish;
    QTest::mouseClick(Button(m_sheet, "nextButton"), Qt::LeftButton);
    EXPECT_TRUE(Button(m_sheet, "nextButton")->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Button(m_sheet, "nextButton")->isVisible());
    EXPECT_TRUE(Button(m_sheet, "finishButton")->isVisible());
    EXPECT_TRUE(Button(m_sheet, "backButton")->isEnabled());
    Press("finishButton");
    EXPECT_EQ(m_sheet.result(), QDialog::Accepted);
}

TEST_F(PropertySheetTest, PagesEditTheListWhileMoving)
{
    CTestPage appended(QStringLiteral("Appended"));
    m_first.m_fnOnActive = [this] {
        while (m_sheet.GetPageCount() > 1)
            m_sheet.RemovePage(1);
    };
    Press("nextButton");
    Press("backButton");
    ASSERT_EQ(m_sheet.GetPageCount(), 1);
    EXPECT_EQ(m_second.GetSheet(), nullptr);

    m_first.m_nNextResult = 0;
    m_sheet.AddPage(&appended);
    Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &appended);
    EXPECT_EQ(m_sheet.GetPageIndex(&m_second), -1);
}

TEST_F(PropertySheetTest, ARemovedPageStartsFromItsLayoutWhenAddedAgain)
{
    Press("nextButton");
    m_second.m_pCheck->setChecked(true);
    m_second.m_pCheck->setEnabled(false);
    Press("backButton");
    m_sheet.RemovePage(&m_second);
    EXPECT_FALSE(m_second.HasControls());
    QCoreApplication::processEvents();

    m_sheet.AddPage(&m_second);
    m_sheet.RemovePage(&m_third);
    Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_second);
    EXPECT_FALSE(m_second.m_pCheck->isChecked());
    EXPECT_TRUE(m_second.m_pCheck->isEnabled());
}

}  // namespace
