// Plans opened and saved by the wizard through the file-dialog seams.
#include "CommandLineInfo.h"
#include "MalformedPlans.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "WizardDriver.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string kPlanText =
    "{\n  \"moorplan-plan\": 1,\n  \"model\": \"Kelvo 700 - Integral Pump\",\n  \"comm\": \"RS 232\",\n"
    "  \"firmware\": \"3.0 and higher, less than 4.0\",\n  \"pressure-sensor\": \"Strain gauge\",\n"
    "  \"interval\": 600,\n  \"sampling\": \"autonomous\",\n  \"transmit-real-time\": true,\n"
    "  \"battery\": \"AA Lithium\"\n}\n";

class PlanGuiTest : public ::testing::Test {
protected:
    QString Write(const std::string& strText)
    {
        EXPECT_TRUE(WriteTestFile(m_strPath, QByteArray::fromStdString(strText)));
        return m_strPath;
    }
    void TearDown() override
    {
        BvUtility::Platform::SetOpenFileHandler({});
        BvUtility::Platform::SetSaveFileHandler({});
    }

    QTemporaryDir m_folder;
    const QString m_strPath = m_folder.filePath(QStringLiteral("p.moorplan"));
};

// Open Plan on the introduction page and Save Plan on the finish page, the
// file dialogs answered as a person choosing that file would.
TEST_F(PlanGuiTest, OpenPlanReachesTheFinishPageWithThePlansReportAndSavePlanWritesItBack)
{
    CPlanAnswers answers;
    std::string strReport;
    std::string strMessage;
    ASSERT_TRUE(PlanFile::Read(Write(kPlanText).toStdString(), answers, strMessage)) << strMessage;
    ASSERT_EQ(RunPlan(answers, Switches(true), strMessage, strReport), kPlanDone) << strMessage;
    BvUtility::Platform::SetOpenFileHandler([this](const BvUtility::Platform::OpenFileRequest& request) {
        EXPECT_EQ(request.strDefaultSuffix, QStringLiteral("moorplan"));
        return m_strPath;
    });
    BvUtility::Platform::SetSaveFileHandler([this](const BvUtility::Platform::SaveFileRequest&) { return m_strPath; });

    CGuiWizard wizard(Switches(true));
    wizard.ClickPageButton("buttonOpenPlan");
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_TRUE(wizard.Messages().empty());
    EXPECT_EQ(wizard.ReportText(), AsShown(strReport));

    QFile::remove(m_strPath);
    wizard.ClickPageButton("buttonSavePlan");
    EXPECT_EQ(ReadTestFile(m_strPath).toStdString(), kPlanText);
}

TEST_F(PlanGuiTest, APlanThatAPageRefusesStopsThereWithThePagesMessage)
{
    std::string strText = kPlanText;
    strText.replace(strText.find("600"), 3, "2");
    CGuiWizard wizard;
    wizard.Sheet().OpenPlan(Write(strText));
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Sampling700);
    EXPECT_EQ(wizard.Control<QLineEdit>(C700SamplingPageModel::kInterval)->text(), QStringLiteral("2"));
    // A page's message box: OK only, no icon, the program's name as caption.
    ASSERT_EQ(wizard.Messages().size(), 1u);
    EXPECT_EQ(wizard.Messages()[0].strText, QStringLiteral("Sample interval must be between 6 and 14400 seconds."));
    EXPECT_EQ(wizard.Messages()[0].strCaption, QStringLiteral("Moorplan 1.3"));
    EXPECT_EQ(wizard.Messages()[0].icon, BvUtility::Platform::MessageIcon::None);
    EXPECT_EQ(wizard.Messages()[0].buttons, BvUtility::Platform::MessageButtons::Ok);
}

TEST_F(PlanGuiTest, AFileThatIsNoPlanIsToldAndTheWizardStaysOnTheIntroduction)
{
    CGuiWizard wizard;
    wizard.Sheet().OpenPlan(Write("{\"moorplan-plan\": 1, \"model\": \"Kelvo 710\", \"ncycles\": 2}"));
    EXPECT_EQ(wizard.ActiveKind(), EPageKind::Intro);
    ASSERT_EQ(wizard.Messages().size(), 1u);
    EXPECT_EQ(wizard.Messages()[0].strText, m_strPath + QStringLiteral(": \"ncycles\" does not apply to this instrument"));
    EXPECT_EQ(wizard.Sheet().Model().Pages().size(), 1u);
}

// Each malformed plan is told in its file's one line and the wizard stays up:
// a file it cannot read leaves the run where it was, report and all.
TEST_F(PlanGuiTest, MalformedPlansAreToldAndTheWizardStaysUp)
{
    CGuiWizard wizard;
    for (const CMalformedPlan& plan : MalformedPlans()) {
        SCOPED_TRACE(plan.szName);
        wizard.Sheet().OpenPlan(Write(kPlanText));
        ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
        const QString strReport = wizard.ReportText();
        const std::size_t nMessages = wizard.Messages().size();
        wizard.Sheet().OpenPlan(Write(plan.strText));
        ASSERT_EQ(wizard.Messages().size(), nMessages + 1);
        EXPECT_EQ(wizard.Messages().back().strText.toStdString(), m_strPath.toStdString() + ": " + plan.strMessage);
        EXPECT_EQ(wizard.ActiveKind(), plan.bUnread ? EPageKind::Finish : EPageKind::Intro);
        if (plan.bUnread) {
            EXPECT_EQ(wizard.ReportText(), strReport);
        }
    }
}

// The four switches after a slash or a dash, in any letter case, and the
// plan or mooring: the first parameter without one, or one that names a file,
// a plan or a mooring.
TEST_F(PlanGuiTest, TheCommandLineNamesThePlanBesideTheSwitchesAbsolutePathsIncluded)
{
    // A file that exists is the plan, whatever its name.
    const QString strExisting = m_folder.filePath(QStringLiteral("deep"));
    ASSERT_TRUE(WriteTestFile(strExisting, "{}"));
    const QByteArray existing = QFile::encodeName(strExisting);
    struct CCase {
        std::vector<const char*> aArgs;
        QString strPlan;
        bool bTest, bManual, b485;
        bool bMooring = false;   // the mooring window instead of the wizard
    };
    const CCase kCases[] = {
        {{"moorplan", "/TEST", "plan.moorplan"}, "plan.moorplan", true, false, false},
        {{"moorplan", "-manual", "/home/tech/Deep Mooring.MOORPLAN"}, "/home/tech/Deep Mooring.MOORPLAN", false, true, false},
        {{"moorplan", existing.constData(), "-485nereids"}, strExisting, false, false, true},
        {{"moorplan", "-tEsT", "/MANUAL", "/unknown"}, QString(), true, true, false},
        {{"moorplan", "TEST", "MANUAL"}, "TEST", false, false, false},
        {{"moorplan", "/TESTS", "--TEST", "file.txt"}, "file.txt", false, false, false},
        {{"moorplan", "/mooring", "/TEST"}, QString(), true, false, false, true},
        {{"moorplan", "/srv/K2 2025.Mooring"}, "/srv/K2 2025.Mooring", false, false, false, true},
    };
    for (const CCase& test : kCases) {
        CMoorplanCommandLineInfo commandLine;
        commandLine.ParseCommandLine(static_cast<int>(test.aArgs.size()), test.aArgs.data());
        EXPECT_EQ(QFile::decodeName(commandLine.m_strPlanFile.c_str()), test.strPlan) << test.aArgs[1];
        EXPECT_EQ(commandLine.m_bTest, test.bTest) << test.aArgs[1];
        EXPECT_EQ(commandLine.m_bManual, test.bManual) << test.aArgs[1];
        EXPECT_EQ(commandLine.m_b485, test.b485) << test.aArgs[1];
        EXPECT_EQ(commandLine.OpensMooring(), test.bMooring) << test.aArgs[1];
    }
}

}  // namespace
