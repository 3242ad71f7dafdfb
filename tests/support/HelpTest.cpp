#include "Help.h"

#include "HelpContexts.h"
#include "HelpViewerProbe.h"
#include "MessageRecorder.h"
#include "TestFiles.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

using BvUtility::CHelp;
using BvUtility::Platform::MessageResult;
using BvUtility::Platform::OpenFileRequest;
using Strings = std::vector<QString>;

constexpr unsigned kHelpContext = CHelp::kHelpContext;
constexpr unsigned kDisplayTopic = CHelp::kDisplayTopic;
constexpr const char* kDefaultShown = ", ID=0, HH_DISPLAY_TOPIC, succeeded.";
constexpr const char* kDefaultFailed = ", ID=0, HH_DISPLAY_TOPIC, FAILED.";

// The help launcher's lines on the diagnostic output, in the order written.
Strings g_astrDiagnostics;

void CaptureDiagnostics(QtMsgType, const QMessageLogContext& context, const QString& strMessage)
{
    if (QByteArray(context.category) == "moorplan.diagnostics")
        g_astrDiagnostics.push_back(strMessage);
}

QByteArray BuiltManual() { return ReadTestFile(QStringLiteral(MOORPLAN_HELP_FILE)); }

// The help file is looked for beside the test program under a name of this
// run's own, and shown in the program's viewer; message boxes, the dialog and
// the diagnostic lines are observed through seams.
class HelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CHelp::InitializeHtmlHelpPath(m_name.constData());
        m_strHelpPath = QCoreApplication::applicationDirPath() + '/' + QString::fromLatin1(m_name);
        CHelp::SetMainWindow(&m_window);
        BvUtility::Platform::SetOpenFileHandler([this](const OpenFileRequest& request) {
            m_aDialogs.push_back(request);
            return m_strChosen;
        });
        g_astrDiagnostics.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("moorplan.diagnostics.debug=true"));
        m_previousHandler = qInstallMessageHandler(CaptureDiagnostics);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previousHandler);
        QLoggingCategory::setFilterRules(QString());
        BvUtility::Platform::SetOpenFileHandler({});
        CHelp::SetMainWindow(nullptr);
        QFile::remove(m_strHelpPath);
    }

    // The built manual beside the test program, or elsewhere.
    static void WriteFile(const QString& strPath, const QByteArray& data = BuiltManual())
    {
        ASSERT_TRUE(WriteTestFile(strPath, data));
    }
    void ChooseOtherFile(const QByteArray& data = BuiltManual())
    {
        m_boxes.m_answer = MessageResult::Yes;
        m_strChosen = m_folder.filePath(QStringLiteral("Other.chm"));
        WriteFile(m_strChosen, data);
    }
    static QString Question(const QString& strPath)
    {
        return "Failed to find help file, " + strPath + ".  Would you like to browse for it?";
    }
    static QString LaunchError(const char* szTopicAndCommand)
    {
        return QStringLiteral("Error launching help file: ") + szTopicAndCommand +
               ".\nPlease contact support@moorplan.example";
    }
    static QString Launched(const QString& strPath, const char* szRest) { return "Launching " + strPath + szRest; }
    QString BoxText(size_t nBox) const { return m_boxes.m_aRequests.at(nBox).strText; }
    QString Heading() { return ShownHeading(&m_window); }

    const QByteArray m_name = "help-test-" + QByteArray::number(QCoreApplication::applicationPid()) + ".chm";
    CMessageRecorder m_boxes;
    QWidget m_window;
    QTemporaryDir m_folder;
    QString m_strHelpPath;
    QString m_strChosen;
    std::vector<OpenFileRequest> m_aDialogs;
    QtMessageHandler m_previousHandler = nullptr;
};

TEST_F(HelpTest, NeedsAMainWindowAndAKnownCommand)
{
    WriteFile(m_strHelpPath);
    CHelp::SetMainWindow(nullptr);
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 0);
    EXPECT_TRUE(m_boxes.m_aRequests.empty());

    CHelp::SetMainWindow(&m_window);
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, 2), 0);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 1u);
    EXPECT_EQ(BoxText(0), QStringLiteral("Error launching help file - contact support@moorplan.example"));
    EXPECT_EQ(m_boxes.m_aRequests[0].icon, BvUtility::Platform::MessageIcon::None);
    EXPECT_EQ(m_boxes.m_aRequests[0].pOwner, &m_window);
    EXPECT_EQ(HelpViewer(&m_window), nullptr);
}

// The test program stands in for <prefix>/bin/moorplan: its build folder keeps
// it in a bin/ of its own, so ../share/moorplan stays inside the build tree.
TEST_F(HelpTest, ShowsTheDefaultTopicFromBesideTheProgramElseFromShare)
{
    const QString strShared = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/moorplan");
    ASSERT_TRUE(QDir().mkpath(strShared));
    const QString strInstalled = strShared + '/' + QString::fromLatin1(m_name);
    WriteFile(strInstalled);
    CHelp::InitializeHtmlHelpPath(m_name.constData());
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);

    WriteFile(m_strHelpPath);   // a file beside the program comes first
    CHelp::InitializeHtmlHelpPath(m_name.constData());
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    QFile::remove(strInstalled);
    EXPECT_EQ(g_astrDiagnostics,
              (Strings{Launched(strInstalled, kDefaultShown), Launched(m_strHelpPath, kDefaultShown)}));
    EXPECT_TRUE(m_boxes.m_aRequests.empty());
    EXPECT_EQ(Heading(), QStringLiteral("Welcome to Moorplan"));

    // The contents tree holds the manual's chapters, the topics under their heading.
    const auto* pContents = HelpViewer(&m_window)->findChild<QTreeWidget*>(QStringLiteral("helpContents"));
    ASSERT_NE(pContents, nullptr);
    EXPECT_EQ(pContents->topLevelItem(0)->text(0), QStringLiteral("Welcome to Moorplan"));
    EXPECT_EQ(pContents->topLevelItem(2)->text(0), QStringLiteral("The wizard's pages"));
    EXPECT_EQ(pContents->topLevelItem(2)->childCount(), 11);
    // Every pane that takes the focus has a name for a screen reader.
    for (const QWidget* pWidget : HelpViewer(&m_window)->findChildren<QWidget*>())
        if (pWidget->focusPolicy() & Qt::TabFocus && !qobject_cast<const QAbstractButton*>(pWidget)
            && !qobject_cast<const QTabBar*>(pWidget))
            EXPECT_FALSE(pWidget->accessibleName().isEmpty()) << pWidget->metaObject()->className();
}

// The Search tab lists the topics that hold every word typed, the most
// occurrences first; choosing one shows it.
TEST_F(HelpTest, SearchFindsTheTopicsHoldingEveryWord)
{
    WriteFile(m_strHelpPath);
    ASSERT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    auto* pWords = HelpViewer(&m_window)->findChild<QLineEdit*>(QStringLiteral("helpSearchWords"));
    auto* pHits = HelpViewer(&m_window)->findChild<QListWidget*>(QStringLiteral("helpSearchHits"));
    ASSERT_TRUE(pWords && pHits);
    // Where the topic ranks (-1: anywhere in the list), or no topic at all.
    const struct {
        const char* szWords;
        const char* szTopic;
        int nRank;
    } kSearches[] = {
        {"Tau20", "Battery and deployment conditions", 0},
        {"must not be NEGATIVE", "Sampling parameters (Kelvo 610, 620, 630)", 0},
        {"sweep", "moorplan-report", 0},
        {"Digiquartz", "Pressure sensor", -1},
        {"Digiquartz sweep", nullptr, 0},
    };
    for (const auto& search : kSearches) {
        pWords->setText(QString::fromLatin1(search.szWords));
        QTest::keyClick(pWords, Qt::Key_Return);
        ASSERT_GT(pHits->count(), 0) << search.szWords;
        if (!search.szTopic) {
            EXPECT_EQ(pHits->count(), 1);
            EXPECT_EQ(pHits->item(0)->flags(), Qt::NoItemFlags) << "no topic holds both";
            continue;
        }
        const auto aFound = pHits->findItems(QString::fromLatin1(search.szTopic), Qt::MatchExactly);
        ASSERT_EQ(aFound.size(), 1) << search.szWords;
        if (search.nRank >= 0) {
            EXPECT_EQ(pHits->row(aFound[0]), search.nRank) << search.szWords;
        }
        pHits->itemClicked(aFound[0]);
        EXPECT_EQ(Heading(), QString::fromLatin1(search.szTopic));
    }
}

// Each page's context shows its topic in the one window; a context the
// manual's map lacks is a failure that leaves the window as it was.
TEST_F(HelpTest, EachPagesContextShowsItsTopicInTheSameWindow)
{
    struct CPageContext {
        unsigned long nContext;
        const char* szHeading;
    };
    // The context numbers of the manual's map (the help project includes the
    // same header), one per wizard page.
    const CPageContext kPages[] = {
        {IDH_PAGE_MODEL, "Choosing the model"},
        {IDH_PAGE_COMMUNICATIONS, "Communications and firmware"},
        {IDH_PAGE_BATTERY, "Battery and deployment conditions"},
        {IDH_PAGE_PRESSURE, "Pressure sensor"},
        {IDH_PAGE_SAMPLING, "Sampling parameters (Kelvo 610, 620, 630)"},
        {IDH_PAGE_SAMPLING_700, "Sampling parameters (Kelvo 700)"},
        {IDH_PAGE_SAMPLING_710, "Sampling parameters (Kelvo 710)"},
        {IDH_PAGE_PUMP, "Moored pump"},
        {IDH_PAGE_SENSORS, "Auxiliary sensors"},
        {IDH_PAGE_FINISH, "The result"},
    };
    WriteFile(m_strHelpPath);
    ASSERT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    QWidget* pViewer = HelpViewer(&m_window);
    for (const CPageContext& page : kPages) {
        EXPECT_EQ(CHelp::LaunchHtmlHelp(page.nContext, kHelpContext), 1);
        EXPECT_EQ(Heading(), QString::fromLatin1(page.szHeading)) << page.nContext;
        EXPECT_EQ(HelpViewer(&m_window), pViewer) << "one window, reused";
    }

    EXPECT_EQ(CHelp::LaunchHtmlHelp(7, kHelpContext), 1);
    EXPECT_EQ(CHelp::LaunchHtmlHelp(4294967295ul, kHelpContext), 1);   // "%d" of the topic's 32 bits
    ASSERT_EQ(m_boxes.m_aRequests.size(), 2u);
    EXPECT_EQ(BoxText(0), LaunchError("topic = 7, command = HH_HELP_CONTEXT"));
    EXPECT_EQ(BoxText(1), LaunchError("topic = -1, command = HH_HELP_CONTEXT"));
    EXPECT_EQ(g_astrDiagnostics.back(), Launched(m_strHelpPath, ", ID=-1, HH_HELP_CONTEXT, FAILED."));
    EXPECT_EQ(Heading(), QStringLiteral("The result"));
}

TEST_F(HelpTest, AMissingFileIsBrowsedForAndRemembered)
{
    ChooseOtherFile();
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 1u);
    EXPECT_EQ(BoxText(0), Question(m_strHelpPath));
    EXPECT_EQ(m_boxes.m_aRequests[0].buttons, BvUtility::Platform::MessageButtons::YesNo);
    ASSERT_EQ(m_aDialogs.size(), 1u);
    EXPECT_EQ(m_aDialogs[0].strDefaultSuffix, QStringLiteral("chm"));
    EXPECT_EQ(m_aDialogs[0].strInitialName, "help-test-" + QString::number(QCoreApplication::applicationPid()));
    EXPECT_EQ(m_aDialogs[0].strFilter, QStringLiteral("Compiled HTML CHelp Files (*.chm)"));
    EXPECT_EQ(m_aDialogs[0].pOwner, nullptr);
    EXPECT_EQ(g_astrDiagnostics.back(), Launched(m_strChosen, kDefaultShown));
    EXPECT_EQ(Heading(), QStringLiteral("Welcome to Moorplan"));

    EXPECT_EQ(CHelp::LaunchHtmlHelp(IDH_PAGE_FINISH, kHelpContext), 1);
    EXPECT_EQ(m_boxes.m_aRequests.size(), 1u) << "no second question";
    EXPECT_EQ(Heading(), QStringLiteral("The result"));
}

// Declining, cancelling the dialog, or choosing a file the viewer cannot
// show keeps the path as it was: the next launch asks about it again.
TEST_F(HelpTest, WhatIsNotShownNeverReplacesThePath)
{
    CHelp::InitializeHtmlHelpPath("ab");
    m_boxes.m_answer = MessageResult::No;
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    EXPECT_TRUE(m_aDialogs.empty());

    m_boxes.m_answer = MessageResult::Yes;   // and the dialog is cancelled
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    ASSERT_EQ(m_aDialogs.size(), 1u);
    EXPECT_EQ(m_aDialogs[0].strInitialName, QString()) << "a name shorter than its extension";

    ChooseOtherFile("not a compiled help file");
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    EXPECT_EQ(g_astrDiagnostics.back(), Launched(m_strChosen, kDefaultFailed));
    EXPECT_EQ(CHelp::LaunchHtmlHelp(0, kDisplayTopic), 1);
    ASSERT_EQ(m_boxes.m_aRequests.size(), 4u);
    EXPECT_EQ(BoxText(3), Question(QCoreApplication::applicationDirPath() + "/ab"));
    EXPECT_EQ(Heading(), QString());
}

}  // namespace
