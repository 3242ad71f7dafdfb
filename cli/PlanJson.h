#pragma once

#include <string>

class CPlanAnswers;
class CSheetModel;

// The version of the JSON object below; it grows when a field changes meaning.
inline constexpr int kPlanJsonSchema = 1;

// One JSON object for a plan on its finish page: the schema version, the
// inputs (the plan file's object of the answers, see PlanFile), the capacity
// after derating, the endurance in days, the smallest usable interval, where
// the endurance goes, with bTest the test-mode table, and the report text
// itself (without the final line end the text output adds).
std::string PlanJson(CSheetModel& sheet, const CPlanAnswers& inputs, bool bTest);
