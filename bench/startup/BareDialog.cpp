// The yardstick for the wizard's start-up: the least a Qt Widgets program does
// to show a window, a dialog with one label.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Power Calculator"));
    auto* pLayout = new QVBoxLayout(&dialog);
    pLayout->addWidget(new QLabel(QStringLiteral("Please select a model."), &dialog));
    return dialog.exec();
}
