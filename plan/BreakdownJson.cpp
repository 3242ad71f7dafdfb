#include "BreakdownJson.h"

JsonDocument::Json BreakdownJson(const CEnduranceBreakdown& breakdown)
{
    using JsonDocument::Json;
    const std::string strPerDay = std::string(breakdown.UnitName()) + "/day";
    Json parts = Json::array();
    for (const CEndurancePart& part : breakdown.Parts())
        parts.push_back({{"name", part.m_strName}, {"perDay", part.m_dPerDay}});
    return {{"unit", strPerDay}, {"total", breakdown.TotalPerDay()}, {"parts", parts}};
}
