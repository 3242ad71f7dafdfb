#pragma once

#include "EnduranceBreakdown.h"
#include "Mooring.h"
#include "PlanRunner.h"
#include "SheetModel.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// The position table and the verdict: each position's plan walked through
// the wizard's pages exactly as moorplan-report --plan walks it, its endurance
// placed between the mooring's deployment and recovery days.

// What one plan gives, whatever the mooring's dates.
struct CPlanOutcome {
    EPlanStatus m_eStatus = kPlanUsageError;
    // Refused: the title of the page that refused, as the wizard shows it,
    // and its message. Usage error: the line that says which answer no person
    // could have given (the mooring file is then bad).
    std::string m_strPage;
    std::string m_strMessage;
    // Done: the endurance with every digit, the finish page's report (the
    // bytes --plan prints, less its final "\n") and where the endurance goes.
    double m_dDays = 0.0;
    std::string m_strReport;
    CEnduranceBreakdown m_breakdown;
    // What the table shows of the plan: "model", "comm", "interval",
    // "battery" and "temperature" as the pages hold them, defaults included,
    // where the walk got to; the plan's own answers beyond that.
    CPlanAnswers m_shown;
};

// Walks the plan on the sheet, started afresh as --plan starts its own.
CPlanOutcome RunPositionPlan(const CPlanAnswers& plan, CSheetModel& sheet);

enum class EPositionState {
    Lasts,         // the expected end is on or after the recovery day
    RunsOut,       // it comes before the recovery day
    NoEndurance,   // the calculation gave no number of days to count
    Refused,       // a page refused the plan
    NotAPlan,      // an answer no person could give: the file is bad
};

// One position against the mooring's dates.
struct CPositionRow {
    EPositionState m_eState = EPositionState::NotAPlan;
    std::shared_ptr<const CPlanOutcome> m_pOutcome;
    // The expected end: the deployment day plus the whole days, as the
    // finish page counts it, from the two-year notice on too. None when the
    // plan has no endurance or it lies past any calendar.
    bool m_bHasEnd = false;
    CCivilDay m_end;
    long long m_nMargin = 0;   // with an end: its days after the recovery day (negative: before)
    bool m_bTwoYearNotice = false;

    // The texts every rendering shows. Days as the report rounds them, the
    // end as YYYY-MM-DD, the margin in whole days; empty where there is none.
    std::string DaysText() const;
    std::string EndText() const;
    std::string MarginText() const;
    // "lasts", "runs out N days before recovery", "refused on PAGE: MESSAGE"
    // (or, for no endurance, "no endurance to count").
    std::string Status() const;
    // One of the answers the table shows ("model", "comm", "interval",
    // "battery", "temperature"), "" where the plan has none.
    std::string Shown(const char* szAnswer) const;
};

struct CMooringTable {
    // One row per position, in the mooring's order.
    std::vector<CPositionRow> m_aRows;
    // The row whose end comes first (the earlier row on a tie); -1 when no
    // row has an end.
    int m_nFirstToRunOut = -1;
    // The first row whose plan is not one a person could give; -1: none.
    int m_nNotAPlan = -1;
    // "All N instruments last until recovery; the first to run out is LABEL,
    // M days after." or "K of N instruments run out before recovery: LABEL
    // (D days early), ..." (earliest end first), or, while a plan is refused,
    // "K of N plans are refused, so there is no verdict: LABEL, ...".
    std::string m_strVerdict;
    // "LABEL: Batteries are not expected to last longer than 2 years", for
    // each position whose report carries the two-year notice, in order.
    std::vector<std::string> m_astrNotices;

    // moorplan-report's exit status: 0 every instrument lasts, 3 one or more
    // run out before recovery, 1 a plan is refused (before 3), 2 a plan is
    // not a plan (the file is bad).
    int ExitStatus() const;
};

// Works out the table of a mooring. Each plan is walked once and kept while
// a later table still has it, so a new table after an edit (a label, a date,
// one plan, the order) walks only the plans that changed.
// The plans are walked on one sheet, started with the switches.
class CMooringEvaluator {
public:
    explicit CMooringEvaluator(const CWizardSwitches& switches = CWizardSwitches());
    ~CMooringEvaluator();
    CMooringEvaluator(CMooringEvaluator&&) noexcept;
    CMooringEvaluator& operator=(CMooringEvaluator&&) noexcept;

    CMooringTable Evaluate(const CMooring& mooring);

    // Knows the plans that other has walked (on another thread, say) as if
    // it had walked them itself.
    void Learn(const CMooringEvaluator& other);

private:
    std::unique_ptr<CSheetModel> m_pSheet;
    std::map<std::string, std::shared_ptr<const CPlanOutcome>> m_mapOutcomes;
};
