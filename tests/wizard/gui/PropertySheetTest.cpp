#include "PropertySheet.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A page that records its activations and answers with what the test tells it.
class CTestPage : public CPropertyPage {
public:
    explicit CTestPage(const QString& strCaption) : CPropertyPage(strCaption) {}

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

class PropertySheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (CTestPage* pPage : {&m_first, &m_second, &m_third})
            m_sheet.AddPage(pPage);
        m_sheet.show();
        QCoreApplication::processEvents();
    }
    QPushButton* Button(const char* szName) { return m_sheet.findChild<QPushButton*>(QString::fromLatin1(szName)); }
    void Press(const char* szName)
    {
        QTest::mouseClick(Button(szName), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    CTestPage m_first{QStringLiteral("First")};
    CTestPage m_second{QStringLiteral("Second")};
    CTestPage m_third{QStringLiteral("Third")};
    CPropertySheet m_sheet{QStringLiteral("Sheet")};
};

// Next and Back move unless the page stays; Next on the last page goes
// nowhere. The title is the page's caption unless the page sets its own.
TEST_F(PropertySheetTest, NextAndBackMoveUnlessThePageStaysOrIsTheLast)
{
    EXPECT_EQ(m_sheet.GetActivePage(), &m_first);
    EXPECT_EQ(m_sheet.windowTitle(), QStringLiteral("First"));
    Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_second);
    m_second.m_nNextResult = -1;
    m_second.m_nBackResult = -1;
    Press("nextButton");
    Press("backButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_second);
    m_second.m_nBackResult = 0;
    Press("backButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_first);

    m_second.m_nNextResult = 0;
    m_third.m_fnOnActive = [this] { m_sheet.SetTitle(QStringLiteral("Own title")); };
    for (int n = 0; n < 3; ++n)
        Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_third);
    EXPECT_EQ(m_third.m_nActivations, 1);
    EXPECT_EQ(m_sheet.windowTitle(), QStringLiteral("Own title"));
}

// Button requests apply after the current event. A page may edit the list
// while it becomes active; a page removed and added again starts from its
// layout.
TEST_F(PropertySheetTest, ButtonRequestsWaitAndPagesEditTheListWhileMoving)
{
    m_second.m_nButtons = kWizBack | kWizFinish;
    QTest::mouseClick(Button("nextButton"), Qt::LeftButton);
    EXPECT_TRUE(Button("nextButton")->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Button("nextButton")->isVisible());
    EXPECT_TRUE(Button("finishButton")->isVisible());

    m_second.m_pCheck->setChecked(true);
    m_second.m_pCheck->setEnabled(false);
    m_first.m_fnOnActive = [this] {
        while (m_sheet.GetPageCount() > 1)
            m_sheet.RemovePage(1);
    };
    Press("backButton");
    ASSERT_EQ(m_sheet.GetPageCount(), 1);
    EXPECT_EQ(m_second.GetSheet(), nullptr);
    EXPECT_FALSE(m_second.HasControls());

    m_sheet.AddPage(&m_second);
    Press("nextButton");
    EXPECT_EQ(m_sheet.GetActivePage(), &m_second);
    EXPECT_FALSE(m_second.m_pCheck->isChecked());
    EXPECT_TRUE(m_second.m_pCheck->isEnabled());
    Press("finishButton");
    EXPECT_EQ(m_sheet.result(), QDialog::Accepted);
}

}  // namespace
