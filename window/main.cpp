#include "AppStrings.h"
#include "CommandLineInfo.h"
#include "MooringWindow.h"
#include "MoorplanApp.h"

#include <QApplication>
#include <QFile>

#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The toolkit adopts the user's locale; numbers typed into the pages and
    // printed in the reports always use the full stop, whatever that locale.
    std::setlocale(LC_NUMERIC, "C");
    // The application's title: boxes outside the pages (the help launcher's)
    // are captioned with it. A display name is not set, so window titles stay
    // exactly the pages' captions.
    QApplication::setApplicationName(QString::fromLatin1(AppStrings::kAppTitle));
    // Desktops find the installed entry (and its icon) for the window by this id.
    QApplication::setDesktopFileName(QStringLiteral("org.moorplan.Moorplan"));
    // "moorplan FILE.mooring" or "moorplan /MOORING": the mooring window;
    // anything else starts the wizard.
    CMoorplanCommandLineInfo commandLine;
    commandLine.ParseCommandLine(argc, argv);
    if (commandLine.OpensMooring())
        return RunMooringWindow(commandLine, QFile::decodeName(commandLine.m_strPlanFile.c_str()));
    CMoorplanApp moorplan;
    return moorplan.InitInstance(argc, argv);
}
