#include "Help.h"

#include "MessageRecorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

using BvUtility::CHelp;
using BvUtility::Platform::MessageResult;
using BvUtility::Platform::OpenFileRequest;
using Strings = std::vector<QString>;

Strings* g_pDiagnostics = nullptr;

void CaptureDiagnostics(QtMsgType, const QMessageLogContext& context, const QString& strMessage)
{
    if (g_pDiagnostics && QByteArray(context.category) == "moorplan.diagnostics")
        g_pDiagnostics->push_back(strMessage);
}

// The help file is looked for beside the test program under a name of this
// run's own; viewer, dialog and diagnostic lines are observed through seams.
class HelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray name = "help-test-" + QByteArray::number(QCoreApplication::applicationPid()) + ".chm";
        CHelp::InitializeHtmlHelpPath(name.constData());
        m_strHelpPath = QCoreApplication::applicationDirPath() + '/' + QString::fromLatin1(name);
        CHelp::SetMainWindow(&m_window);
        BvUtility::Platform::SetOpenDocumentHandler([this](const QString& strPath) {
            m_astrOpened.push_back(strPath);
            return m_bViewerWorks;
        });
        BvUtility::Platform::SetOpenFileHandler([this](const OpenFileRequest& request) {
            m_aDialogs.push_back(request);
            return m_strChosen;
        });
        g_pDiagnostics = &m_astrDiagnostics;
        QLoggingCategory::setFilterRules(QStringLiteral("moorplan.diagnostics.debug=true"));
        m_previousHandler = qInstallMessageHandler(CaptureDiagnostics);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previousHandler);
        QLoggingCategory::setFilterRules(QString());
        g_pDiagnostics = nullptr;
        BvUtility::Platform::SetOpenDocumentHandler({});
        BvUtility::Platform::SetOpenFileHandler({});
        CHelp::SetMainWindow(nullptr);
        QFile::remove(m_strHelpPath);
    }

    static void CreateFile(const QString& strPath) { ASSERT_TRUE(QFile(strPath).open(QIODevice::WriteOnly)); }
    QString ChooseOtherFile()
    {
        m_boxes.m_answer = MessageResult::Yes;
        m_strChosen = m_folder.filePath(QStringLiteral("Other.chm"));
        CreateFile(m_strChosen);
        return m_strChosen;
    }
    static QString Question(const QString& strPath)
    {
        return "Failed to find help file, " + strPath + ".  Would you like to browse for it?";
    }
    static QString Launched(const QString& strPath, const char* szRest) { return "Launching " + strPath + szRest; }
    QString BoxText(size_t nBox) const { return m_boxes.m_aRequests.at(nBox).strText; }

    CMessageRecorder m_boxes;
    QWidget m_window;
    QTemporaryDir m_folder;
    QString m_strHelpPath;
    bool m_bViewerWorks = true;
    QString m_strChosen;
    Strings m_astrOpened;
    std::vector<OpenFileRequest> m_aDialogs;
    Strings m_astrDiagnostics;
    QtMessageHandler m_previousHandler = nullptr;
};

TEST_F(HelpTest, NeedsAMainWindowAndAKnownCommand)
{
    CHelp::SetMainWindow(nullptr);
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 0);
    EXPECT_TRUE(m_boxes.m_aRequests.empty());

    CHelp::SetMainWindow(&m_window);
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 2), 0);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 1u);
    EXPECT_EQ(BoxText(0), QStringLiteral("Error launching help file - contact support@moorplan.example"));
    EXPECT_EQ(m_boxes.m_aRequests[0].icon, BvUtility::Platform::MessageIcon::None);
    EXPECT_EQ(m_boxes.m_aRequests[0].pOwner, &m_window);
    EXPECT_TRUE(m_astrOpened.empty());
}

TEST_F(HelpTest, OpensTheFileBesideTheProgram)
{
    CreateFile(m_strHelpPath);
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    EXPECT_EQ(m_astrOpened, Strings{m_strHelpPath});
    EXPECT_TRUE(m_boxes.m_aRequests.empty());
    EXPECT_EQ(m_astrDiagnostics, Strings{Launched(m_strHelpPath, ", ID=0, HH_DISPLAY_TOPIC, succeeded.")});
}

TEST_F(HelpTest, AViewerThatFailedIsNotTriedAgain)
{
    CreateFile(m_strHelpPath);
    m_bViewerWorks = false;
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    EXPECT_EQ(CHelp::LaunchHtmlHelp(4294967295ul, 1), 1);   // "%d" of the topic's 32 bits
    EXPECT_EQ(m_astrOpened.size(), 1u);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 2u);
    EXPECT_EQ(BoxText(0), QStringLiteral("Error launching help file: topic = 0, command = HH_DISPLAY_TOPIC.\n"
                                         "Please contact support@moorplan.example"));
    EXPECT_EQ(BoxText(1), QStringLiteral("Error launching help file: topic = -1, command = HH_HELP_CONTEXT.\n"
                                         "Please contact support@moorplan.example"));
    EXPECT_EQ(m_astrDiagnostics.back(), Launched(m_strHelpPath, ", ID=-1, HH_HELP_CONTEXT, FAILED."));
}

TEST_F(HelpTest, AMissingFileIsBrowsedForAndRemembered)
{
    ChooseOtherFile();
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 1u);
    EXPECT_EQ(BoxText(0), Question(m_strHelpPath));
    EXPECT_EQ(m_boxes.m_aRequests[0].buttons, BvUtility::Platform::MessageButtons::YesNo);
    ASSERT_EQ(m_aDialogs.size(), 1u);
    EXPECT_EQ(m_aDialogs[0].strDefaultSuffix, QStringLiteral("chm"));
    EXPECT_EQ(m_aDialogs[0].strInitialName, "help-test-" + QString::number(QCoreApplication::applicationPid()));
    EXPECT_EQ(m_aDialogs[0].strFilter, QStringLiteral("Compiled HTML CHelp Files (*.chm)"));
    EXPECT_EQ(m_aDialogs[0].pOwner, nullptr);
    EXPECT_EQ(m_astrDiagnostics.back(), Launched(m_strChosen, ", ID=0, HH_DISPLAY_TOPIC, succeeded."));

    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    EXPECT_EQ(m_boxes.m_aRequests.size(), 1u) << "no second question";
    EXPECT_EQ(m_astrOpened, (Strings{m_strChosen, m_strChosen}));
}

TEST_F(HelpTest, DecliningOrCancellingLeavesThePath)
{
    CHelp::InitializeHtmlHelpPath("ab");
    const QString strPath = QCoreApplication::applicationDirPath() + "/ab";
    m_boxes.m_answer = MessageResult::No;
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    EXPECT_TRUE(m_aDialogs.empty());

    m_boxes.m_answer = MessageResult::Yes;   // and the dialog is cancelled
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    ASSERT_EQ(m_aDialogs.size(), 1u);
    EXPECT_EQ(m_aDialogs[0].strInitialName, QString()) << "a name shorter than its extension";
    EXPECT_TRUE(m_astrOpened.empty());
    EXPECT_EQ(m_boxes.m_aRequests.size(), 2u);
    EXPECT_EQ(BoxText(1), Question(strPath));
}

TEST_F(HelpTest, AChosenFileTheViewerCannotShowIsNotKept)
{
    ChooseOtherFile();
    m_bViewerWorks = false;
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    EXPECT_EQ(m_astrDiagnostics.back(), Launched(m_strChosen, ", ID=0, HH_DISPLAY_TOPIC, FAILED."));
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 3), 1);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 2u);
    EXPECT_EQ(BoxText(1), Question(m_strHelpPath));
    EXPECT_EQ(m_astrOpened.size(), 1u) << "the viewer is not tried again";
}

}  // namespace
