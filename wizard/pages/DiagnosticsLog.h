#pragma once

#include <QLoggingCategory>

// The engine's diagnostic output (calculation traces, catalogue entries,
// lookup notes) goes to Qt's logging under "moorplan.diagnostics". It is
// silent unless that category's debug output is enabled, e.g.
//     QT_LOGGING_RULES="moorplan.diagnostics.debug=true" moorplan
Q_DECLARE_LOGGING_CATEGORY(lcDiagnostics)

namespace DiagnosticsLog {
// Routes the engine's diagnostic output to the category when it is enabled.
void Install();
}
