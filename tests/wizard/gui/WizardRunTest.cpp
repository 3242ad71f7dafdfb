#include "FinishPageModel.h"
#include "IntroPageModel.h"
#include "MooredPumpSelectPageModel.h"
#include "SensorListPageModel.h"
#include "MoorModelPageModel.h"
#include "PressureSelectPageModel.h"
#include "SampleRatePageModel.h"
#include "Sampling700PageModel.h"
#include "BatterySelectPageModel.h"
#include "WizardDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using Intro = CIntroPageModel;
using Comm = CMoorModelPageModel;

// The usual run: a Kelvo 700 with integral pump on RS-232, firmware 3.x.
const CAnswers kaTypicalRun = {
    Click(Intro::kModel700Pump), NextPage(),
    Click(Comm::kRs232), Choose(Comm::kFirmware, "3.0 and higher, less than 4.0"), NextPage(),
    Choose(CPressureSelectPageModel::kSensor, "Strain gauge"), NextPage(),
    Type(C700SamplingPageModel::kInterval, "600"), NextPage(),
    Choose(CBatterySelectPageModel::kBattery, "AA Lithium"), NextPage(),
};

TEST(WizardRun, TypicalRunEndsOnTheFinishPageWithTheEndurance)
{
    CGuiWizard wizard;
    EXPECT_EQ(wizard.Sheet().windowTitle(), QStringLiteral("Brevanta Moorplan 1.3"));
    EXPECT_TRUE(wizard.Control<QRadioButton>(Intro::kModel620)->isChecked());
    EXPECT_FALSE(wizard.Button("backButton")->isEnabled());

    wizard.Answer(kaTypicalRun);
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_EQ(wizard.Sheet().windowTitle(), QStringLiteral("Finish"));
    EXPECT_EQ(wizard.Sheet().Instrument()->GetDescription().rfind("Model = Kelvo 700 LXP RS-232", 0), 0u);
    EXPECT_TRUE(wizard.ReportText().contains(QStringLiteral("Battery Endurance is:")));
    EXPECT_FALSE(wizard.Button("nextButton")->isVisible());
    EXPECT_TRUE(wizard.Button("finishButton")->isVisible());
    EXPECT_EQ(wizard.Button("finishButton")->text(), QStringLiteral("Exit"));
    EXPECT_TRUE(wizard.Messages().empty());

    QTest::mouseClick(wizard.Button("finishButton"), Qt::LeftButton);
    EXPECT_FALSE(wizard.Sheet().isVisible());
}

// Enter presses Next from whatever the sheet focused on arrival: the first
// field, its value selected so that typing replaces it, and never the report,
// even on a page whose only list is disabled.
TEST(WizardRun, EnterGoesOnFromTheFocusGivenOnArrival)
{
    CGuiWizard wizard;
    wizard.Answer({Click(Intro::kModel700Pump), NextPage(), Click(Comm::kRs232), NextPage(), NextPage()});
    QCoreApplication::processEvents();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Sampling700);
    QWidget* pFocus = wizard.Sheet().focusWidget();
    ASSERT_EQ(pFocus, wizard.Control<QLineEdit>(C700SamplingPageModel::kInterval));
    QTest::keyClicks(pFocus, QStringLiteral("900"));
    QTest::keyClick(pFocus, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::BatterySelect);
    ASSERT_FALSE(wizard.Control<QComboBox>(CBatterySelectPageModel::kBattery)->isEnabled());

    QTest::keyClick(wizard.Sheet().focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_TRUE(wizard.ReportText().contains(QStringLiteral("Sample Interval = 900\n")));
}

TEST(WizardRun, Kelvo610SkipsTheCommunicationsPageAnotherModelShowsIt)
{
    CGuiWizard wizard;
    wizard.Answer({Click(Intro::kModel610), NextPage()});
    EXPECT_EQ(wizard.ActiveKind(), EPageKind::PressureSelect);
    EXPECT_EQ(wizard.Sheet().windowTitle(), QStringLiteral("Pressure Sensor"));
    EXPECT_EQ(wizard.Sheet().GetPageCount(), 7);
    ASSERT_NE(wizard.Sheet().Instrument(), nullptr);
    EXPECT_EQ(wizard.Sheet().Instrument()->GetModelIndex(), 0);

    // Going back and choosing the Kelvo 620 leaves nothing of the 610 path.
    wizard.PressBack();
    EXPECT_EQ(wizard.Sheet().GetPageCount(), 1);
    wizard.Answer({Click(Intro::kModel620), NextPage()});
    EXPECT_EQ(wizard.Sheet().windowTitle(), QStringLiteral("Communications and Firmware"));
    wizard.PressNext();
    EXPECT_EQ(wizard.Sheet().Instrument()->GetModelIndex(), 1);
    const CPageSet& set610 = wizard.Sheet().Model().Set610();
    const std::vector<const CPageModel*> ap610 = {set610.m_pBatterySelect.get(), set610.m_pPressureSelect.get(),
                                                  set610.m_pSampleRate.get(), set610.m_pMooredPumpSelect.get(),
                                                  set610.m_pSensorList.get(), set610.m_pFinish.get()};
    for (const CPageModel* pPage : wizard.Sheet().Model().Pages())
        EXPECT_EQ(std::count(ap610.begin(), ap610.end(), pPage), 0);
    EXPECT_EQ(wizard.Sheet().GetPageCount(), static_cast<int>(wizard.Sheet().Model().Pages().size()));
}

}  // namespace
