#include "MoorplanApp.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "Sampling700PageModel.h"
#include "WizardDriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

const std::string kPlanText =
    "{\n  \"moorplan-plan\": 1,\n  \"model\": \"Kelvo 700 - Integral Pump\",\n  \"comm\": \"RS 232\",\n"
    "  \"firmware\": \"3.0 and higher, less than 4.0\",\n  \"pressure-sensor\": \"Strain gauge\",\n"
    "  \"interval\": 600,\n  \"sampling\": \"autonomous\",\n  \"transmit-real-time\": true,\n"
    "  \"battery\": \"AA Lithium\"\n}\n";

std::string TempPlan(const char* szName, const std::string& strText)
{
    const std::string strPath = "/tmp/moorplan-gui-" + std::to_string(getpid()) + "-" + szName + ".moorplan";
    std::ofstream(strPath, std::ios::binary) << strText;
    return strPath;
}

std::string Slurp(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The file dialogs answered by the test, as a person choosing that file would.
struct CFileDialogs {
    explicit CFileDialogs(const std::string& strPath)
    {
        const QString strFile = QString::fromStdString(strPath);
        BvUtility::Platform::SetOpenFileHandler([strFile](const BvUtility::Platform::OpenFileRequest& request) {
            EXPECT_EQ(request.strDefaultSuffix, QStringLiteral("moorplan"));
            return strFile;
        });
        BvUtility::Platform::SetSaveFileHandler([strFile](const BvUtility::Platform::SaveFileRequest&) { return strFile; });
    }
    ~CFileDialogs()
    {
        BvUtility::Platform::SetOpenFileHandler({});
        BvUtility::Platform::SetSaveFileHandler({});
    }
};

void ClickButton(CGuiWizard& wizard, const char* szName)
{
    auto* pButton = wizard.Sheet().GetActivePage()->findChild<QPushButton*>(QString::fromLatin1(szName));
    ASSERT_NE(pButton, nullptr) << szName;
    QTest::mouseClick(pButton, Qt::LeftButton);
}

TEST(PlanGui, OpenPlanReachesTheFinishPageWithThePlansReportAndSavePlanWritesItBack)
{
    const std::string strPath = TempPlan("open", kPlanText);
    CPlanAnswers answers;
    std::string strReport;
    std::string strMessage;
    ASSERT_TRUE(PlanFile::Read(strPath, answers, strMessage)) << strMessage;
    ASSERT_EQ(RunPlan(answers, Switches(true), strReport, strMessage), kPlanDone) << strMessage;

    CGuiWizard wizard(Switches(true));
    CFileDialogs dialogs(strPath);
    ClickButton(wizard, "buttonOpenPlan");
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_TRUE(wizard.Messages().empty());
    EXPECT_EQ(wizard.ReportText(), AsShown(strReport));

    std::remove(strPath.c_str());
    ClickButton(wizard, "buttonSavePlan");
    EXPECT_EQ(Slurp(strPath), kPlanText);
    std::remove(strPath.c_str());
}

TEST(PlanGui, APlanThatAPageRefusesStopsThereWithThePagesMessage)
{
    std::string strText = kPlanText;
    strText.replace(strText.find("600"), 3, "2");
    const std::string strPath = TempPlan("refused", strText);
    CGuiWizard wizard;
    wizard.Sheet().OpenPlan(QString::fromStdString(strPath));
    std::remove(strPath.c_str());
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Sampling700);
    EXPECT_EQ(wizard.Control<QLineEdit>(C700SamplingPageModel::kInterval)->text(), QStringLiteral("2"));
    ASSERT_EQ(wizard.Messages().size(), 1u);
    EXPECT_EQ(wizard.Messages()[0].strText, QStringLiteral("Sample interval must be between 6 and 14400 seconds."));
}

TEST(PlanGui, AFileThatIsNoPlanIsToldAndTheWizardStaysOnTheIntroduction)
{
    const std::string strPath = TempPlan("bad", "{\"moorplan-plan\": 1, \"model\": \"Kelvo 710\", \"ncycles\": 2}");
    CGuiWizard wizard;
    wizard.Sheet().OpenPlan(QString::fromStdString(strPath));
    std::remove(strPath.c_str());
    EXPECT_EQ(wizard.ActiveKind(), EPageKind::Intro);
    ASSERT_EQ(wizard.Messages().size(), 1u);
    EXPECT_EQ(wizard.Messages()[0].strText.toStdString(), strPath + ": \"ncycles\" does not apply to this instrument");
    EXPECT_EQ(wizard.Sheet().Model().Pages().size(), 1u);
}

}  // namespace

TEST(PlanGui, TheCommandLineNamesThePlanBesideTheSwitchesAbsolutePathsIncluded)
{
    char szExisting[] = "/tmp/moorplan-plan-arg-XXXXXX";
    const int nFile = mkstemp(szExisting);
    ASSERT_GE(nFile, 0);
    close(nFile);
    struct CCase {
        std::vector<const char*> aArgs;
        QString strPlan;
    };
    const CCase kCases[] = {
        {{"moorplan", "/TEST", "plan.moorplan"}, "plan.moorplan"},
        {{"moorplan", "-manual", "/home/tech/Deep Mooring.MOORPLAN"}, "/home/tech/Deep Mooring.MOORPLAN"},
        {{"moorplan", szExisting, "/485Nereids"}, szExisting},
        {{"moorplan", "/TEST", "/MANUAL", "/unknown"}, QString()},
    };
    for (const CCase& test : kCases)
        EXPECT_EQ(CMoorplanApp::PlanArgument(static_cast<int>(test.aArgs.size()), test.aArgs.data()), test.strPlan)
            << test.aArgs[1];
    unlink(szExisting);
}
