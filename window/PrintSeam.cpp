#include "PrintSeam.h"

#include <QPrintDialog>

namespace PrintSeam {
namespace {
Handler& Installed()
{
    static Handler handler;
    return handler;
}
}  // namespace

bool ChoosePrinter(QPrinter& printer, QWidget* pOwner)
{
    if (Installed())
        return Installed()(printer);
    QPrintDialog dialog(&printer, pOwner);
    return dialog.exec() == QDialog::Accepted;
}

void SetHandler(Handler handler) { Installed() = std::move(handler); }

}  // namespace PrintSeam
