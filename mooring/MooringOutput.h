#pragma once

#include "Mooring.h"
#include "MooringTable.h"

#include <string>

// The three renderings of a mooring's table, the same bytes for every front
// end (moorplan-report --mooring, the window's export, the browser page).
namespace MooringOutput {

// The version of the JSON object; it grows when a field changes meaning.
inline constexpr int kJsonSchema = 1;

// The table as aligned text: the name and the days, one line per position
// (label, depth, model, communications, interval, battery, temperature,
// days, end, margin, status), the two-year notices, and last the verdict.
std::string Text(const CMooring& mooring, const CMooringTable& table);

// The header "label,depth,model,interval,battery,temperature,days,end,margin,status"
// and one row per position; fields with a comma, a quote or a line end are
// quoted.
std::string Csv(const CMooring& mooring, const CMooringTable& table);

// One JSON object: schema, name, deployed, recovery, verdict and positions,
// each with label, depth, days (every digit), end, margin, status, and the
// breakdown and report as --json gives them for one plan (null where the
// plan was refused).
std::string Json(const CMooring& mooring, const CMooringTable& table);

}  // namespace MooringOutput
