#pragma once

#include "JsonDocument.h"
#include "PlanAnswers.h"

#include <string>

// The plan as a JSON value, for a document that holds plans inside it (a
// mooring holds one per position): the very object a plan file holds,
// version key included. PlanFile reads and writes its files through these.
namespace PlanFile {

// The answers of a plan object; its complaints name it strWhere ("FILE", or
// the place of the plan in a larger document) and the answers are marked as
// coming from there. Throws JsonDocument::CError.
CPlanAnswers AnswersOf(const JsonDocument::Json& document, const std::string& strWhere);

// The plan object of the answers, in the pages' order.
JsonDocument::Json Object(const CPlanAnswers& answers);

}  // namespace PlanFile
