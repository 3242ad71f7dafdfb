#include "MoorplanApp.h"

#include "AppStrings.h"
#include "DiagnosticsLog.h"
#include "Help.h"
#include "MoorplanPropSheet.h"

#include <QFile>
#include <QFontDatabase>
#include <QKeySequence>
#include <QShortcut>

#include <future>

int CMoorplanApp::InitInstance(int argc, const char* const* argv)
{
    m_cmdInfo.ParseCommandLine(argc, argv);
    DiagnosticsLog::Install();

    // Reading the desktop's font configuration is the longest single step
    // before the first window; it runs on another core while the sheet is
    // built, and the first text the sheet measures finds it done.
    const std::future<void> fontsRead = std::async(std::launch::async, [] { QFontDatabase::families(); });
    CMoorplanPropSheet sheet(QString::fromLatin1(AppStrings::kSheetCaption), m_cmdInfo);
    ConnectHelp(sheet);

    // "moorplan FILE": the plan opens once the sheet is on screen.
    const QString strPlan = QFile::decodeName(m_cmdInfo.m_strPlanFile.c_str());
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
    BvUtility::CHelp::LaunchHtmlHelp(0, BvUtility::CHelp::kDisplayTopic);
}
