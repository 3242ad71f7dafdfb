// Leaving the finish page and coming back.
#include "BatterySelectPageModel.h"
#include "IntroPageModel.h"
#include "SampleRatePageModel.h"
#include "WizardDriver.h"

#include "../../output/TmpDirOverride.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Battery = CBatterySelectPageModel;

const CAnswers k610ToFinish = {Click(CIntroPageModel::kModel610), NextPage(), NextPage(), NextPage(),
                               Type(CSampleRatePageModel::kInterval, "900"), NextPage(), NextPage(),
                               Type(Battery::kTemperature, "4.5"), NextPage()};
// Back from the finish page, a colder deployment, and on to the finish page again.
const CAnswers kColderReturn = {BackPage(), Type(Battery::kTemperature, "-1.5"), NextPage()};

TEST(FinishReturn, BackAndForthShowsTheRightButtonsAndExportsTheRebuiltReport)
{
    QTemporaryDir folder;
    CTmpDirOverride tmpDir(folder.path());
    BvUtility::Platform::SetStartDetachedHandler([](const QString&, const QStringList&) { return true; });
    CGuiWizard wizard;
    wizard.Answer(k610ToFinish);
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    wizard.PressBack();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::BatterySelect);
    EXPECT_TRUE(wizard.Button("nextButton")->isVisible());
    EXPECT_TRUE(wizard.Button("nextButton")->isEnabled());
    EXPECT_FALSE(wizard.Button("finishButton")->isVisible());

    wizard.Answer({Type(Battery::kTemperature, "-1.5"), NextPage()});
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_TRUE(wizard.Button("finishButton")->isVisible());
    EXPECT_FALSE(wizard.Button("nextButton")->isVisible());
    EXPECT_EQ(wizard.Button("finishButton")->text(), QStringLiteral("Exit"));

    CAnswers aAll = k610ToFinish;
    aAll.insert(aAll.end(), kColderReturn.begin(), kColderReturn.end());
    const std::string strRebuilt = ModelReport(CMoorplanCommandLineInfo(), aAll);
    ASSERT_NE(strRebuilt, ModelReport(CMoorplanCommandLineInfo(), k610ToFinish));
    EXPECT_EQ(wizard.ReportText(), AsShown(strRebuilt));

    QTest::mouseClick(wizard.Sheet().GetActivePage()->findChild<QPushButton*>(QStringLiteral("buttonViewInNotepad")),
                     Qt::LeftButton);
    QFile exported(folder.filePath(QStringLiteral("Kelvobatteryend.txt")));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().toStdString(), strRebuilt + "\n");
    BvUtility::Platform::SetStartDetachedHandler({});
}

}  // namespace
