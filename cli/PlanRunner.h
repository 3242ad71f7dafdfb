#pragma once

#include "PlanOptions.h"

#include <string>

// Exit statuses of moorplan-report.
enum EPlanStatus { kPlanDone = 0, kPlanRefused = 1, kPlanUsageError = 2 };

// Walks the wizard's pages as its Next button would, answering each page from
// the options. Done: strReport holds the finish page's report. Refused:
// strMessage holds the page's message. Usage error: strMessage says what is
// wrong, in one line.
EPlanStatus RunPlan(const CPlanOptions& options, std::string& strReport, std::string& strMessage);
