#pragma once

#include "PlanRunner.h"
#include "ReportOptions.h"

#include <string>

// --sweep NAME=START:STOP:STEP: the plan of the options run once for every
// value from START to STOP in steps of STEP, with that value given as --NAME,
// on sheets started with the options' switches.
// strCsv receives the header "NAME,days,message" and one row per value: the
// endurance in days (every digit), or the message of the page that refused
// the value. A usage error (a malformed sweep, an option the path has no
// page for) stops the sweep with its reason in strMessage.
EPlanStatus RunSweep(const CReportOptions& options, std::string& strCsv, std::string& strMessage);

// The names --sweep accepts.
inline constexpr const char* kSweepNames[] = {"interval", "temperature"};
