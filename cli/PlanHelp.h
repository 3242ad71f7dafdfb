#pragma once

#include <string>

// The text of moorplan-report --help: the usage line and the option list come
// from the option table, around a fixed explanation and example.
std::string PlanHelpText();
