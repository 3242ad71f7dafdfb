#include "MoorplanApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moorplan"));
    CMoorplanApp moorplan;
    return moorplan.InitInstance(argc, argv);
}
