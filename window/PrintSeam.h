#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The print dialog, the window's one platform action beyond the support
// library's seams: does the real thing until a handler is installed; tests
// install one to print without a dialog. An empty handler restores it.
namespace PrintSeam {

using Handler = std::function<bool(QPrinter& printer)>;

// Asks the person how to print on printer; false when cancelled.
bool ChoosePrinter(QPrinter& printer, QWidget* pOwner);
void SetHandler(Handler handler);

}  // namespace PrintSeam
