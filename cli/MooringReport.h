#pragma once

#include "ReportOptions.h"

#include <string>

// --mooring FILE: the mooring's table as text, or with --csv or --json in
// those forms, into strOutput, for sheets started with the options' switches.
// Returns the exit status: 0 every instrument lasts until recovery, 3 one or
// more run out before it, 1 a position's plan is refused (the table is
// printed all the same); 2 a bad file or options that do not go with it, the
// reason in strMessage and no output.
int RunMooring(const CReportOptions& options, std::string& strOutput, std::string& strMessage);
