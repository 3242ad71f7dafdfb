#pragma once

#include <string>

// A field of a CSV row: as it is, or, where it holds a comma, a quote or a
// line end, in quotes with its quotes doubled.
std::string CsvField(const std::string& strText);
