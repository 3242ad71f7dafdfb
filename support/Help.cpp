#include "Help.h"

#include "FormatC.h"
#include "HelpViewer.h"
#include "PathUtil.h"
#include "PlatformSeams.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace BvUtility {
namespace {

using Detail::FormatC;
using Platform::MessageButtons;
using Platform::MessageResult;

constexpr const char* kSupportAddress = "support@moorplan.example";

struct CHelpCommand {
    unsigned int nCommand;
    const char* szName;
};
constexpr CHelpCommand kHelpCommands[] = {{CHelp::kHelpContext, "HH_HELP_CONTEXT"}, {CHelp::kDisplayTopic, "HH_DISPLAY_TOPIC"}};

struct CHelpState {
    QString strFileName;
    QString strFilePath;
    QPointer<QWidget> pMainWindow;
};

CHelpState& State()
{
    static CHelpState state;
    return state;
}

// The program's own viewer shows the topic; true only with the page on screen.
bool ShowInViewer(const QString& strPath, const CHelpCommand& command, unsigned long nTopic)
{
    return Detail::ShowHelpTopic(State().pMainWindow, strPath, command.nCommand, nTopic);
}

// The topic as the box and the diagnostic line show it: "%d" of its 32 bits.
int ShownTopic(unsigned long nTopic) { return static_cast<int>(static_cast<unsigned int>(nTopic)); }

void TraceLaunch(const QString& strPath, unsigned long nTopic, const char* szCommand, bool bSucceeded)
{
    qCDebug(lcDiagnostics, "Launching %s, ID=%d, %s, %s.", qUtf8Printable(strPath), ShownTopic(nTopic), szCommand,
            bSucceeded ? "succeeded" : "FAILED");
}

MessageResult Tell(const QString& strText, MessageButtons buttons)
{
    return Platform::ShowMessage({State().pMainWindow, QGuiApplication::applicationDisplayName(), strText,
                                  Platform::MessageIcon::None, buttons});
}

QString ExecutableFolder()
{
    QString strFolder;
    const QString strExecutable =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    if (strExecutable.isEmpty() || !ExtractDirectory(strExecutable, strFolder, 1))
        strFolder = QDir::currentPath();
    return strFolder;
}

// The help file beside the program (a build tree, or a program kept together
// with its help) comes first; an installed program keeps it in
// <prefix>/share/moorplan. When neither exists the path beside the program stays.
QString LocateHelpFile(const QString& strFolder, const QString& strName)
{
    const QString strBeside = strFolder + strName;
    const QString strInstalled = QDir::cleanPath(strFolder + QStringLiteral("../share/moorplan/") + strName);
    return !IsFile(strBeside) && IsFile(strInstalled) ? strInstalled : strBeside;
}

// The user browses for the help file; a file the viewer then shows becomes
// the help file for the rest of the run.
void BrowseForHelpFile(unsigned long nTopic, const CHelpCommand& command)
{
    CHelpState& state = State();
    const int nStem = std::max(0, static_cast<int>(state.strFileName.size()) - 4);
    const QString strChosen = Platform::ChooseOpenFile(
        {nullptr, QStringLiteral("chm"), state.strFileName.left(nStem),
         QStringLiteral("Compiled HTML CHelp Files (*.chm)")});
    if (strChosen.isEmpty())
        return;
    const bool bShown = ShowInViewer(strChosen, command, nTopic);
    if (bShown)
        state.strFilePath = strChosen;
    TraceLaunch(strChosen, nTopic, command.szName, bShown);
}

}  // namespace

CHelp::CHelp() = default;
CHelp::~CHelp() = default;

void CHelp::InitializeHtmlHelpPath(const char* szHelpFileName)
{
    CHelpState& state = State();
    state.strFileName = QString::fromUtf8(szHelpFileName ? szHelpFileName : "");
    QString strFolder = ExecutableFolder();
    if (!strFolder.endsWith('\\') && !strFolder.endsWith('/'))
        strFolder += QDir::separator();
    state.strFilePath = LocateHelpFile(strFolder, state.strFileName);
}

void CHelp::SetMainWindow(QWidget* pMainWindow) { State().pMainWindow = pMainWindow; }

int CHelp::LaunchHtmlHelp(unsigned long nTopic, unsigned int nCommand)
{
    CHelpState& state = State();
    if (!state.pMainWindow)
        return 0;
    const auto* pCommand = std::find_if(std::begin(kHelpCommands), std::end(kHelpCommands),
                                        [&](const CHelpCommand& command) { return command.nCommand == nCommand; });
    if (pCommand == std::end(kHelpCommands)) {
        Tell(QStringLiteral("Error launching help file - contact ") + kSupportAddress, MessageButtons::Ok);
        return 0;
    }
    const QString strPath = state.strFilePath;
    const bool bShown = ShowInViewer(strPath, *pCommand, nTopic);
    TraceLaunch(strPath, nTopic, pCommand->szName, bShown);
    if (bShown)
        return 1;
    if (IsFile(strPath)) {
        Tell(FormatC("Error launching help file: topic = %d, command = %s.\nPlease contact ", ShownTopic(nTopic),
                     pCommand->szName) + kSupportAddress,
             MessageButtons::Ok);
        return 1;
    }
    const QString strQuestion =
        QStringLiteral("Failed to find help file, %1.  Would you like to browse for it?").arg(strPath);
    if (Tell(strQuestion, MessageButtons::YesNo) == MessageResult::Yes)
        BrowseForHelpFile(nTopic, *pCommand);
    return 1;
}

}  // namespace BvUtility
