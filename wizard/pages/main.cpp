#include "AppStrings.h"
#include "MoorplanApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The application's title: boxes outside the pages (the help launcher's)
    // are captioned with it. A display name is not set, so window titles stay
    // exactly the pages' captions.
    QApplication::setApplicationName(QString::fromLatin1(AppStrings::kAppTitle));
    CMoorplanApp moorplan;
    return moorplan.InitInstance(argc, argv);
}
