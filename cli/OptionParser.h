#pragma once

#include "ReportOptions.h"

#include <string>

// Reads argv[1..]: "--name VALUE" or "--name=VALUE", the switches and the plan
// files, and checks the keywords. False with a one-line reason on a usage
// error or a plan file that cannot be used.
bool ParsePlanOptions(int argc, const char* const* argv, CReportOptions& options, std::string& strError);
