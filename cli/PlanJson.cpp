#include "PlanJson.h"

#include "BreakdownJson.h"
#include "Diagnostics.h"
#include "FinishInsight.h"
#include "FinishPageModel.h"
#include "FinishReport.h"
#include "PlanFile.h"
#include "SheetModel.h"

#include <nlohmann/json.hpp>

namespace {

nlohmann::ordered_json TestTableJson(CInstrument& instrument)
{
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const FinishReport::CIntervalRow& row : FinishReport::SampleIntervalRows(instrument)) {
        // A target out of reach even at the longest interval has no interval ("*****").
        rows.push_back({{"days", row.nDays},
                        {"interval", row.bReachable ? nlohmann::ordered_json(row.nInterval) : nullptr}});
    }
    return {{"minimum", instrument.m_nMinSampleInterval}, {"maximum", instrument.m_nMaxSampleInterval},
            {"rows", rows}};
}

}  // namespace

std::string PlanJson(CSheetModel& sheet, const CPlanAnswers& inputs, bool bTest)
{
    // The report's own calculations have traced already; these repeat them.
    const Diagnostics::CMuted muted;
    CInstrument& instrument = *sheet.Instrument();
    const CFinishInsight insight = BuildFinishInsight(instrument);
    const CEnduranceBreakdown& breakdown = insight.m_breakdown;
    nlohmann::ordered_json plan = {
        {"schema", kPlanJsonSchema},
        // The very object a plan file holds, version key included: saved
        // alone it is a plan that --plan and the wizard open.
        {"inputs", nlohmann::ordered_json::parse(PlanFile::Text(inputs))},
        {"capacity", {{"value", breakdown.Capacity()}, {"unit", breakdown.UnitName()}}},
        {"enduranceDays", breakdown.m_dDays},
        {"minInterval", insight.m_nMinInterval},
        {"breakdown", BreakdownJson(breakdown)},
    };
    if (bTest)
        plan["test"] = TestTableJson(instrument);
    plan["report"] = sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText;
    // Replacement characters instead of an exception for text that is not UTF-8.
    return plan.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}
