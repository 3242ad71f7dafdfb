// Leaving the finish page and coming back, and help from the running wizard.
#include "BatterySelectPageModel.h"
#include "IntroPageModel.h"
#include "MoorplanApp.h"
#include "SampleRatePageModel.h"
#include "WizardDriver.h"

#include "../../output/TmpDirOverride.h"

#include <QFile>
#include <QLoggingCategory>
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

QPushButton* SheetButton(CGuiWizard& wizard, const char* szName)
{
    return wizard.Sheet().findChild<QPushButton*>(QString::fromLatin1(szName));
}

TEST(FinishReturn, BackAndForthShowsTheRightButtonsAndExportsTheRebuiltReport)
{
    QTemporaryDir folder;
    CTmpDirOverride tmpDir(folder.path());
    BvUtility::Platform::SetStartDetachedHandler([](const QString&, const QStringList&) { return true; });
    CGuiWizard wizard;
    wizard.Answer(k610ToFinish);
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_EQ(SheetButton(wizard, "finishButton")->text(), QStringLiteral("Exit"));

    wizard.PressBack();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::BatterySelect);
    EXPECT_TRUE(SheetButton(wizard, "nextButton")->isVisible());
    EXPECT_TRUE(SheetButton(wizard, "nextButton")->isEnabled());
    EXPECT_FALSE(SheetButton(wizard, "finishButton")->isVisible());

    wizard.Answer({Type(Battery::kTemperature, "-1.5"), NextPage()});
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_TRUE(SheetButton(wizard, "finishButton")->isVisible());
    EXPECT_FALSE(SheetButton(wizard, "nextButton")->isVisible());
    EXPECT_EQ(SheetButton(wizard, "finishButton")->text(), QStringLiteral("Exit"));

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

// F1 anywhere and the Help button both show the help file's default topic:
// LaunchHtmlHelp(0, 3), which writes its "ID=0, HH_DISPLAY_TOPIC" line
// whether or not a help file lies beside the test program.
QStringList* g_pHelpLines = nullptr;

void CaptureHelpLines(QtMsgType, const QMessageLogContext&, const QString& strMessage)
{
    if (g_pHelpLines && strMessage.startsWith(QLatin1String("Launching ")))
        g_pHelpLines->append(strMessage);
}

TEST(HelpFromTheWizard, F1AndTheHelpButtonShowTheDefaultTopic)
{
    CGuiWizard wizard;
    CMoorplanApp::ConnectHelp(wizard.Sheet());
    QStringList astrLines;
    g_pHelpLines = &astrLines;
    QLoggingCategory::setFilterRules(QStringLiteral("moorplan.diagnostics.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(CaptureHelpLines);
    BvUtility::Platform::SetOpenDocumentHandler([](const QString&) { return true; });
    BvUtility::Platform::SetOpenFileHandler([](const BvUtility::Platform::OpenFileRequest&) { return QString(); });

    wizard.PressNext();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &wizard.Sheet(), Qt::Key_F1);
    QTest::mouseClick(SheetButton(wizard, "helpButton"), Qt::LeftButton);

    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    g_pHelpLines = nullptr;
    BvUtility::Platform::SetOpenDocumentHandler({});
    BvUtility::Platform::SetOpenFileHandler({});
    ASSERT_EQ(astrLines.size(), 2);
    for (const QString& strLine : astrLines)
        EXPECT_TRUE(strLine.contains(QLatin1String("Moorplan.chm, ID=0, HH_DISPLAY_TOPIC, "))) << strLine.toStdString();
}

}  // namespace
