#pragma once

#include "PlanOptions.h"

#include <nlohmann/json.hpp>

#include <string>

class CSheetModel;

// The inputs of a plan: every answer the pages on the plan's path hold once
// the finish page is reached, keyed by moorplan-report's option names, in the
// option table's order. A choice is the entry's text ("Kelvo 620", "Strain
// gauge"), a keyword button its keyword, a check box "on" or "off", an edit
// field its text, as a JSON number when it is a plain decimal number, and the
// auxiliary sensors one "TYPE" or "TYPE=CURRENT" row each. Controls that are
// hidden or disabled on the path are left out, so every input reads back.
//
// This is the one place that writes the object: the JSON output carries it,
// and a plan file is meant to hold the same.
nlohmann::ordered_json PlanInputs(const CSheetModel& sheet);

// Reads an inputs object back into options, as if each answer had been given
// on the command line (an option already given keeps its value). False with a
// one-line reason for a name that is no page answer or a value of the wrong type.
bool AddPlanInputs(const nlohmann::json& inputs, CPlanOptions& options, std::string& strError);
