#include "MooringTable.h"

#include "ChoiceMatch.h"
#include "FinishInsight.h"
#include "FinishPageModel.h"
#include "InstrumentCodes.h"
#include "SheetModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// What the table shows of a plan beside its results: the answers as the
// pages hold them, or where the walk did not get there, the plan's.
const std::vector<std::string> kastrShownAnswers = {"model", "comm", "interval", "battery", "temperature"};

CPlanAnswers ShownAnswers(const CPlanAnswers& captured, const CPlanAnswers& plan)
{
    CPlanAnswers shown;
    for (const std::string& strName : kastrShownAnswers) {
        const CPlanAnswers& from = captured.Has(strName) && !captured.Value(strName).empty() ? captured : plan;
        if (from.Has(strName))
            shown.Set(strName, TrimBlanks(from.Value(strName)));
    }
    return shown;
}

// A plan is known by its answers and by where they came from, which its
// complaints name.
std::string PlanKey(const CPlanAnswers& plan)
{
    std::string strKey;
    auto add = [&strKey](const std::string& strPart, char cEnd) {
        strKey.append(strPart);
        strKey.push_back(cEnd);
    };
    for (const auto& entry : plan.Values()) {
        add(entry.first, '\x1f');
        add(entry.second.m_strText, '\x1f');
        add(entry.second.m_strFile, '\x1e');
    }
    if (plan.HasAux()) {
        add(plan.Subject("aux"), '\x1e');
        for (const CAuxAnswer& row : plan.Aux()) {
            add(row.m_strType, row.m_bHasCurrent ? '\x1f' : '\x1e');
            if (row.m_bHasCurrent)
                add(row.m_strCurrent, '\x1e');
        }
    }
    return strKey;
}

CPositionRow Place(const std::shared_ptr<const CPlanOutcome>& pOutcome, const CMooring& mooring)
{
    CPositionRow row;
    row.m_pOutcome = pOutcome;
    switch (pOutcome->m_eStatus) {
    case kPlanRefused:
        row.m_eState = EPositionState::Refused;
        return row;
    case kPlanUsageError:
        row.m_eState = EPositionState::NotAPlan;
        return row;
    case kPlanDone:
        break;
    }
    const double dDays = pOutcome->m_dDays;
    row.m_bTwoYearNotice = dDays >= kTwoYearNoticeDays;
    row.m_bHasEnd = ExpectedEndDay(mooring.m_deployed, dDays, row.m_end);
    if (row.m_bHasEnd) {
        row.m_nMargin = row.m_end.Number() - mooring.m_recovery.Number();
        row.m_eState = row.m_nMargin >= 0 ? EPositionState::Lasts : EPositionState::RunsOut;
    } else {
        // Past any calendar's reach, or no number of days at all.
        row.m_eState = dDays > 0.0 ? EPositionState::Lasts : EPositionState::NoEndurance;
    }
    return row;
}

std::string Label(const CMooring& mooring, std::size_t nRow)
{
    return CPlanAnswers::Shown(mooring.m_aPositions[nRow].m_strLabel);
}

std::string Verdict(const CMooring& mooring, const CMooringTable& table)
{
    const std::size_t nCount = table.m_aRows.size();
    if (nCount == 0)
        return "The mooring has no positions.";
    const std::string strOf = " of " + std::to_string(nCount) + " ";
    std::vector<std::size_t> anRefused;
    std::vector<std::size_t> anShort;
    for (std::size_t i = 0; i < nCount; ++i) {
        const EPositionState eState = table.m_aRows[i].m_eState;
        if (eState == EPositionState::Refused || eState == EPositionState::NotAPlan)
            anRefused.push_back(i);
        else if (eState != EPositionState::Lasts)
            anShort.push_back(i);
    }
    auto join = [&](const std::vector<std::size_t>& anRows, auto&& item) {
        std::string strList;
        for (std::size_t i : anRows)
            strList += (strList.empty() ? "" : ", ") + item(i);
        return strList;
    };
    if (!anRefused.empty())
        return std::to_string(anRefused.size()) + strOf + "plans are refused, so there is no verdict: "
               + join(anRefused, [&](std::size_t i) { return Label(mooring, i); });
    if (!anShort.empty()) {
        // Earliest end first; without an end, last.
        std::stable_sort(anShort.begin(), anShort.end(), [&](std::size_t a, std::size_t b) {
            const CPositionRow& rowA = table.m_aRows[a];
            const CPositionRow& rowB = table.m_aRows[b];
            return rowA.m_bHasEnd && (!rowB.m_bHasEnd || rowA.m_nMargin < rowB.m_nMargin);
        });
        return std::to_string(anShort.size()) + strOf + "instruments run out before recovery: "
               + join(anShort, [&](std::size_t i) {
                     const CPositionRow& row = table.m_aRows[i];
                     return Label(mooring, i) + " ("
                            + (row.m_bHasEnd ? std::to_string(-row.m_nMargin) + " days early" : row.Status()) + ")";
                 });
    }
    std::string strVerdict = "All " + std::to_string(nCount) + " instruments last until recovery";
    if (table.m_nFirstToRunOut < 0)
        return strVerdict + ".";
    const std::size_t nFirst = static_cast<std::size_t>(table.m_nFirstToRunOut);
    return strVerdict + "; the first to run out is " + Label(mooring, nFirst) + ", "
           + std::to_string(table.m_aRows[nFirst].m_nMargin) + " days after.";
}

std::string NoticeText()
{
    std::string strNotice = kTwoYearNotice;
    const std::size_t nBreak = strNotice.find("\r\n");
    return nBreak == std::string::npos ? strNotice : strNotice.replace(nBreak, 2, " ");
}

}  // namespace

CPlanOutcome RunPositionPlan(const CPlanAnswers& plan, CSheetModel& sheet)
{
    CPlanOutcome outcome;
    outcome.m_eStatus = ReplayPlan(sheet, plan, outcome.m_strMessage);
    if (outcome.m_eStatus == kPlanUsageError) {
        outcome.m_shown = ShownAnswers(CPlanAnswers(), plan);
        return outcome;
    }
    outcome.m_shown = ShownAnswers(CapturePlan(sheet, kastrShownAnswers), plan);
    if (outcome.m_eStatus == kPlanRefused) {
        outcome.m_strPage = sheet.CurrentPage().Title();
        return outcome;
    }
    outcome.m_strReport = sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText;
    outcome.m_breakdown = FinishBreakdown(*sheet.Instrument());
    outcome.m_dDays = outcome.m_breakdown.m_dDays;
    return outcome;
}

std::string CPositionRow::DaysText() const
{
    if (m_pOutcome->m_eStatus != kPlanDone)
        return std::string();
    char szDays[512];
    std::snprintf(szDays, sizeof szDays, "%.0f", m_pOutcome->m_dDays);
    return szDays;
}

std::string CPositionRow::EndText() const { return m_bHasEnd ? IsoDayText(m_end) : std::string(); }

std::string CPositionRow::MarginText() const { return m_bHasEnd ? std::to_string(m_nMargin) : std::string(); }

std::string CPositionRow::Status() const
{
    switch (m_eState) {
    case EPositionState::Lasts:
        return "lasts";
    case EPositionState::RunsOut:
        return "runs out " + std::to_string(-m_nMargin) + " days before recovery";
    case EPositionState::NoEndurance:
        return "no endurance to count";
    case EPositionState::Refused:
        return "refused on " + m_pOutcome->m_strPage + ": " + m_pOutcome->m_strMessage;
    case EPositionState::NotAPlan:
        break;
    }
    return m_pOutcome->m_strMessage;
}

std::string CPositionRow::Shown(const char* szAnswer) const
{
    const CPlanAnswers& shown = m_pOutcome->m_shown;
    return shown.Has(szAnswer) ? shown.Value(szAnswer) : std::string();
}

int CMooringTable::ExitStatus() const
{
    if (m_nNotAPlan >= 0)
        return kPlanUsageError;
    bool bShort = false;
    for (const CPositionRow& row : m_aRows) {
        if (row.m_eState == EPositionState::Refused)
            return kPlanRefused;
        bShort = bShort || row.m_eState == EPositionState::RunsOut || row.m_eState == EPositionState::NoEndurance;
    }
    return bShort ? 3 : kPlanDone;
}

CMooringEvaluator::CMooringEvaluator(const CWizardSwitches& switches)
    : m_pSheet(std::make_unique<CSheetModel>(switches))
{
}

CMooringEvaluator::~CMooringEvaluator() = default;
CMooringEvaluator::CMooringEvaluator(CMooringEvaluator&&) noexcept = default;
CMooringEvaluator& CMooringEvaluator::operator=(CMooringEvaluator&&) noexcept = default;

void CMooringEvaluator::Learn(const CMooringEvaluator& other)
{
    m_mapOutcomes.insert(other.m_mapOutcomes.begin(), other.m_mapOutcomes.end());
}

CMooringTable CMooringEvaluator::Evaluate(const CMooring& mooring)
{
    CMooringTable table;
    std::map<std::string, std::shared_ptr<const CPlanOutcome>> mapUsed;
    for (const CMooringPosition& position : mooring.m_aPositions) {
        const std::string strKey = PlanKey(position.m_plan);
        auto it = mapUsed.find(strKey);
        if (it == mapUsed.end()) {
            const auto known = m_mapOutcomes.find(strKey);
            it = mapUsed
                     .emplace(strKey, known != m_mapOutcomes.end()
                                          ? known->second
                                          : std::make_shared<const CPlanOutcome>(
                                                RunPositionPlan(position.m_plan, *m_pSheet)))
                     .first;
        }
        table.m_aRows.push_back(Place(it->second, mooring));
    }
    m_mapOutcomes.swap(mapUsed);

    for (std::size_t i = 0; i < table.m_aRows.size(); ++i) {
        const CPositionRow& row = table.m_aRows[i];
        const int nRow = static_cast<int>(i);
        if (row.m_eState == EPositionState::NotAPlan && table.m_nNotAPlan < 0)
            table.m_nNotAPlan = nRow;
        if (row.m_bHasEnd
            && (table.m_nFirstToRunOut < 0 || row.m_nMargin < table.m_aRows[table.m_nFirstToRunOut].m_nMargin))
            table.m_nFirstToRunOut = nRow;
        if (row.m_bTwoYearNotice)
            table.m_astrNotices.push_back(Label(mooring, i) + ": " + NoticeText());
    }
    table.m_strVerdict = Verdict(mooring, table);
    return table;
}
