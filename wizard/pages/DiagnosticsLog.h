#pragma once

#include "PlatformSeams.h"   // lcDiagnostics

// The engine's diagnostic output (calculation traces, catalogue entries,
// lookup notes) goes to the diagnostic category lcDiagnostics.

namespace DiagnosticsLog {
// Routes the engine's diagnostic output to the category when it is enabled.
void Install();
}
