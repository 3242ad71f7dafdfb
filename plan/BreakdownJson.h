#pragma once

#include "EnduranceBreakdown.h"
#include "JsonDocument.h"

// Where the endurance goes, as the JSON outputs give it:
// {"unit": "Ah/day" or "Wh/day", "total", "parts": [{"name", "perDay"}]}.
// A figure that is not finite is written as null.
JsonDocument::Json BreakdownJson(const CEnduranceBreakdown& breakdown);
