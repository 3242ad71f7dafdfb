#pragma once

#include <string>
#include <vector>

// Finds a choice in the entries a page shows: by its text, compared without
// regard to case and with surrounding blanks ignored, or by its index (0 =
// first). -1 when the value names no entry.
int MatchChoice(const std::string& strValue, const std::vector<std::string>& astrEntries);

// The text with surrounding blanks removed.
std::string TrimBlanks(const std::string& strText);
