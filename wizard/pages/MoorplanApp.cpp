#include "MoorplanApp.h"

#include "AppStrings.h"
#include "DiagnosticsLog.h"
#include "Help.h"
#include "MoorplanPropSheet.h"

#include <QKeySequence>
#include <QShortcut>

namespace {
constexpr unsigned int kHelpDisplayTopic = 3;
}

int CMoorplanApp::InitInstance(int argc, const char* const* argv)
{
    m_cmdInfo.ParseCommandLine(argc, argv);
    DiagnosticsLog::Install();

    CMoorplanPropSheet sheet(QString::fromLatin1(AppStrings::kSheetCaption), m_cmdInfo);

    ConnectHelp(sheet);
    sheet.exec();
    BvUtility::CHelp::SetMainWindow(nullptr);
    return 0;
}

void CMoorplanApp::ConnectHelp(CPropertySheet& sheet)
{
    BvUtility::CHelp::InitializeHtmlHelpPath("Moorplan.chm");
    BvUtility::CHelp::SetMainWindow(&sheet);
    QObject::connect(&sheet, &CPropertySheet::HelpRequested, &CMoorplanApp::OnHelp);
    auto* pHelpKey = new QShortcut(QKeySequence::HelpContents, &sheet, &CMoorplanApp::OnHelp);
    pHelpKey->setContext(Qt::ApplicationShortcut);
}

void CMoorplanApp::OnHelp()
{
    BvUtility::CHelp::LaunchHtmlHelp(0, kHelpDisplayTopic);
}
