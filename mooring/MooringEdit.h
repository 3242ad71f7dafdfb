#pragma once

#include "Mooring.h"

#include <string>

// The edits a front end makes to a mooring that need a rule of their own:
// a new mooring, and a plan appended as a new position.
namespace MooringEdit {

// Days between a new mooring's deployment and its recovery: a year, for the
// person to change.
inline constexpr long long kNewMooringDays = 365;

// A mooring named strName with no positions, deployed on the day, recovered
// a year later.
CMooring NewMooring(const std::string& strName, const CCivilDay& deployed);

// Appends the plan as a new position labelled strLabel, 10 m below the
// deepest position (or at 10 m on an empty line). Returns its index.
int AppendPlan(CMooring& mooring, const CPlanAnswers& plan, const std::string& strLabel);

// The label a new position takes from its plan: the model's name, or
// "Position N" for a plan without one.
std::string LabelFor(const CMooring& mooring, const CPlanAnswers& plan);

}  // namespace MooringEdit
