#include "DiagnosticsLog.h"

#include "Diagnostics.h"

namespace DiagnosticsLog {

void Install()
{
    // Without a sink the engine does not even format its traces.
    if (!lcDiagnostics().isDebugEnabled()) {
        Diagnostics::SetSink({});
        return;
    }
    Diagnostics::SetSink([](const std::string& strText) {
        QString str = QString::fromStdString(strText);
        while (str.endsWith(QLatin1Char('\n')) || str.endsWith(QLatin1Char('\r')))
            str.chop(1);
        qCDebug(lcDiagnostics).noquote() << str;
    });
}

}  // namespace DiagnosticsLog
