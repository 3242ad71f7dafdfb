#include "MooringEdit.h"

#include <algorithm>

namespace MooringEdit {

namespace {
constexpr double kDepthStep = 10.0;
}

CMooring NewMooring(const std::string& strName, const CCivilDay& deployed)
{
    CMooring mooring;
    mooring.m_strName = strName;
    mooring.m_deployed = deployed;
    mooring.m_recovery = CCivilDay::FromNumber(deployed.Number() + kNewMooringDays);
    return mooring;
}

int AppendPlan(CMooring& mooring, const CPlanAnswers& plan, const std::string& strLabel)
{
    double dDeepest = 0.0;
    for (const CMooringPosition& position : mooring.m_aPositions)
        dDeepest = std::max(dDeepest, position.m_dDepth);
    CMooringPosition position;
    position.m_strLabel = strLabel;
    position.m_dDepth = dDeepest + kDepthStep;
    position.m_plan = plan;
    mooring.m_aPositions.push_back(std::move(position));
    return static_cast<int>(mooring.m_aPositions.size()) - 1;
}

std::string LabelFor(const CMooring& mooring, const CPlanAnswers& plan)
{
    if (plan.Has("model") && !plan.Value("model").empty())
        return plan.Value("model");
    return "Position " + std::to_string(mooring.m_aPositions.size() + 1);
}

}  // namespace MooringEdit
