#pragma once

#include "PlanAnswers.h"

#include <cstdint>
#include <string>

// The plan file: one small JSON object that holds a plan's answers, keyed by
// moorplan-report's option names, with the format version under
// "moorplan-plan". It holds only what the pages were given, nothing worked
// out from it. This is the one place that reads and writes the format; the
// inputs of moorplan-report's JSON output are the same object.
//
//   {
//     "moorplan-plan": 1,
//     "model": "Kelvo 610",
//     "pressure-sensor": "Strain gauge",
//     "interval": 900,
//     "aux": [{"type": "Other", "current": 0.02}],
//     "battery": "Alkaline"
//   }
//
// Choices are an entry's text (or its position in the list, 0 = first);
// typed fields a number or, for any other text, a string; check boxes true or
// false; "sampling" and "pump-mode" the keywords of moorplan-report.
namespace PlanFile {

inline constexpr const char* kVersionKey = "moorplan-plan";
inline constexpr int kVersion = 1;
inline constexpr const char* kExtension = "moorplan";
// A plan is a few hundred bytes; anything past this is refused unread.
inline constexpr std::uintmax_t kMaxBytes = 1024 * 1024;

// Reads a plan from strText; messages name it strFile. On success its answers
// are set over those already in answers (each marked as coming from strFile);
// on failure answers is untouched and strError holds one line that names the
// file and the problem.
bool Parse(const std::string& strText, const std::string& strFile, CPlanAnswers& answers, std::string& strError);

// The one line that refuses a file past kMaxBytes, naming it strFile.
std::string TooLarge(const std::string& strFile);

// Parse on the content of the file at strPath, refused by its size before it
// is read.
bool Read(const std::string& strPath, CPlanAnswers& answers, std::string& strError);

// The plan document for the answers, ending in a newline.
std::string Text(const CPlanAnswers& answers);

// Writes the plan document to strPath, replacing the file whole or not at all
// (see FileReplace). False with one line that names the file in strError.
bool Save(const std::string& strPath, const CPlanAnswers& answers, std::string& strError);

}  // namespace PlanFile
