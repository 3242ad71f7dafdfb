#pragma once

#include "Mooring.h"
#include "MooringTable.h"

#include <cstdint>
#include <string>

// The mooring file (*.mooring, type application/x-moorplan-mooring): one JSON
// object, read and written with the same library and rules as plan files.
// It holds what a person planned, nothing worked out from it:
//
//   {
//     "moorplan-mooring": 1,
//     "name": "K2 2025",
//     "deployed": "2025-03-01",
//     "recovery": "2026-03-15",
//     "positions": [
//       {
//         "label": "SN 6101",
//         "depth": 150,
//         "notes": "below the float",     (optional)
//         "plan": { "moorplan-plan": 1, "model": "Kelvo 610", ... }
//       }
//     ]
//   }
//
// Each "plan" is exactly the object a plan file holds, version key included,
// so a position saved alone is a plan. A bad file gets one line that names
// it, and the position where there is one:
//   FILE: "recovery" must be a day written YYYY-MM-DD, not "2025-02-30"
//   FILE: position 3 ("SN 7104") plan: unknown field "endurance"
namespace MooringFile {

inline constexpr const char* kVersionKey = "moorplan-mooring";
inline constexpr int kVersion = 1;
inline constexpr const char* kExtension = "mooring";
// A few hundred positions fit many times over; anything past this is refused unread.
inline constexpr std::uintmax_t kMaxBytes = 4 * 1024 * 1024;

// Reads the document from strText; messages name it strFile. False with one
// line in strError, mooring untouched. Its plans are read as plan files are,
// but not walked: see Load.
bool Parse(const std::string& strText, const std::string& strFile, CMooring& mooring, std::string& strError);

// The table of a mooring just read from strFile; a plan that holds an answer
// no person could give (what --plan refuses as a bad file) makes the file
// bad: false, with the line that names the file and the position.
bool Evaluate(const CMooring& mooring, const std::string& strFile, CMooringEvaluator& evaluator, CMooringTable& table,
              std::string& strError);

// Parse, then Evaluate: what a front end calls to open a mooring from bytes.
bool Load(const std::string& strText, const std::string& strFile, CMooringEvaluator& evaluator, CMooring& mooring,
          CMooringTable& table, std::string& strError);

// The content of the file at strPath, refused by its size before it is read.
bool ReadText(const std::string& strPath, std::string& strText, std::string& strError);

// ReadText, then Load.
bool Open(const std::string& strPath, CMooringEvaluator& evaluator, CMooring& mooring, CMooringTable& table,
          std::string& strError);

// What the reader would refuse in a mooring a person is editing: no
// positions, recovery before deployment, a day that does not exist. Empty
// when there is nothing; otherwise one line naming strFile.
std::string Problem(const CMooring& mooring, const std::string& strFile);

// A depth as the file writes it: whole metres without a point ("150"),
// others in the shortest form that reads back as the same number ("12.5").
std::string DepthText(double dDepth);

// The document, ending in a newline. Written, then read, it gives the same
// mooring; written again, the same bytes.
std::string Text(const CMooring& mooring);

// Writes the document to strPath, replacing the file whole or not at all (see
// FileReplace). A mooring with a Problem is not written. False with one line
// naming the file in strError; the old file is then unchanged.
bool Save(const std::string& strPath, const CMooring& mooring, std::string& strError);

}  // namespace MooringFile
