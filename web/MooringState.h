#pragma once

#include <string>

struct CMooring;
struct CMooringTable;

// The browser page's mooring view as JSON, worked out here so that the
// page's script only draws it:
//
// {"file", "csvName", "maxBytes", "name", "deployed", "recovery", "heading",
//  "span", "headers": [...], "rows": [{"label", "depth", "notes", "cells",
//  "state", "endAt", "report"}], "first", "verdict", "notices", "line",
//  "timeline", "problem", "message"}
//
// "cells": the text table's cells under "headers"; "state": "lasts",
// "runsOut", "noEndurance", "refused" or "notAPlan"; "endAt": the end in days
// after the deployment (null: none), "span" the recovery's; "report": the
// finish page's report (null: refused); "first": the row that runs out first
// (-1: none); "line" and "timeline": the drawings told in words; "problem":
// what saving would refuse ("" when nothing).
namespace MooringState {

std::string ToJson(const CMooring& mooring, const CMooringTable& table, const std::string& strFile,
                   const std::string& strMessage);

}  // namespace MooringState
