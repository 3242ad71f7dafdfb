#pragma once

#include "PlanAnswers.h"

#include <functional>
#include <string>
#include <vector>

class CPageModel;
class CSheetModel;
struct CWizardSwitches;

// Outcomes of a plan, which are also moorplan-report's exit statuses.
enum EPlanStatus { kPlanDone = 0, kPlanRefused = 1, kPlanUsageError = 2 };

// Starts the sheet afresh, as a new run of the wizard (no instrument, every
// page empty), and walks its pages as the Next button would, answering each
// page from the answers as a person would: clicking, choosing, typing.
// Done: the sheet is on the finish page. Refused: the sheet stays on the page
// that refused, strMessage holds that page's message. Usage error: strMessage
// says, in one line, which answer a person could not have given.
EPlanStatus ReplayPlan(CSheetModel& sheet, const CPlanAnswers& answers, std::string& strMessage);

// Gives the page its answers again, after its activation has refilled it: a
// view shows the page that refused a value with the refused value in it.
void ReapplyPageAnswers(CPageModel& page, const CPlanAnswers& answers);

// ReplayPlan on a sheet of its own, started with the switches; done, the
// sheet on its finish page goes to onFinish (for outputs worked out from
// more than the report).
EPlanStatus RunPlan(const CPlanAnswers& answers, const CWizardSwitches& switches, std::string& strMessage,
                    const std::function<void(CSheetModel&)>& onFinish);

// The same for the report alone. Done: strReport holds the finish page's
// report and, given pSaved, *pSaved the plan as the pages hold it (see
// CapturePlan).
EPlanStatus RunPlan(const CPlanAnswers& answers, const CWizardSwitches& switches, std::string& strMessage,
                    std::string& strReport, CPlanAnswers* pSaved = nullptr);

// The answers the pages of the sheet's path hold: every control a person can
// see there, in page order, as the text, entry or button it shows. Replaying
// them on a fresh sheet with the same switches gives the same report.
// With astrOnly, the answers of those names alone.
CPlanAnswers CapturePlan(const CSheetModel& sheet, const std::vector<std::string>& astrOnly = {});
