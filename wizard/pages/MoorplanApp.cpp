#include "MoorplanApp.h"

#include "AppStrings.h"
#include "DiagnosticsLog.h"
#include "Help.h"
#include "MoorplanPropSheet.h"

#include <QFile>
#include <QKeySequence>
#include <QShortcut>

namespace {
constexpr unsigned int kHelpDisplayTopic = 3;
}

QString CMoorplanApp::PlanArgument(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '/' && argv[i][0] != '-')
            return QFile::decodeName(argv[i]);
    return QString();
}

int CMoorplanApp::InitInstance(int argc, const char* const* argv)
{
    m_cmdInfo.ParseCommandLine(argc, argv);
    DiagnosticsLog::Install();

    CMoorplanPropSheet sheet(QString::fromLatin1(AppStrings::kSheetCaption), m_cmdInfo);
    ConnectHelp(sheet);

    // "moorplan FILE": the plan opens once the sheet is on screen.
    const QString strPlan = PlanArgument(argc, argv);
    if (!strPlan.isEmpty())
        QMetaObject::invokeMethod(&sheet, [&sheet, strPlan] { sheet.OpenPlan(strPlan); }, Qt::QueuedConnection);

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
