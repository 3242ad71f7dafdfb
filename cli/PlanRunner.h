#pragma once

#include "PlanOptions.h"

#include <functional>
#include <string>

class CSheetModel;

// Exit statuses of moorplan-report.
enum EPlanStatus { kPlanDone = 0, kPlanRefused = 1, kPlanUsageError = 2 };

// Walks the wizard's pages as its Next button would, answering each page from
// the options. Done: strReport holds the finish page's report. Refused:
// strMessage holds the page's message. Usage error: strMessage says what is
// wrong, in one line. onFinish, when given, sees the sheet on its finish page.
EPlanStatus RunPlan(const CPlanOptions& options, std::string& strReport, std::string& strMessage,
                    const std::function<void(CSheetModel&)>& onFinish = nullptr);
