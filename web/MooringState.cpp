#include "MooringState.h"

#include "MooringFile.h"
#include "MooringOutput.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <numeric>

namespace MooringState {
namespace {

using Json = nlohmann::ordered_json;

const char* StateName(EPositionState eState)
{
    switch (eState) {
    case EPositionState::Lasts: return "lasts";
    case EPositionState::RunsOut: return "runsOut";
    case EPositionState::NoEndurance: return "noEndurance";
    case EPositionState::Refused: return "refused";
    case EPositionState::NotAPlan: return "notAPlan";
    }
    return "notAPlan";
}

std::string Label(const CMooring& mooring, std::size_t nRow)
{
    return CPlanAnswers::Shown(mooring.m_aPositions[nRow].m_strLabel);
}

// The mooring line in words: the instruments from the surface down.
std::string LineText(const CMooring& mooring)
{
    std::vector<std::size_t> anOrder(mooring.m_aPositions.size());
    std::iota(anOrder.begin(), anOrder.end(), 0);
    std::stable_sort(anOrder.begin(), anOrder.end(), [&](std::size_t a, std::size_t b) {
        return mooring.m_aPositions[a].m_dDepth < mooring.m_aPositions[b].m_dDepth;
    });
    std::string strText = "The mooring line from the surface down:";
    const char* szSeparator = " ";
    for (std::size_t i : anOrder) {
        strText += szSeparator + Label(mooring, i) + " at "
                   + MooringFile::DepthText(mooring.m_aPositions[i].m_dDepth) + " m";
        szSeparator = ", ";
    }
    return strText + ".";
}

// The timeline in words: the deployment, the recovery and each end.
std::string TimelineText(const CMooring& mooring, const CMooringTable& table)
{
    std::string strText = "Deployed " + IsoDayText(mooring.m_deployed) + ", recovered "
                          + IsoDayText(mooring.m_recovery) + ".";
    for (std::size_t i = 0; i < table.m_aRows.size(); ++i) {
        const CPositionRow& row = table.m_aRows[i];
        strText += " " + Label(mooring, i) + ": "
                   + (row.m_bHasEnd ? "ends " + row.EndText() + ", " + row.Status() : row.Status()) + ".";
    }
    return strText;
}

}  // namespace

std::string ToJson(const CMooring& mooring, const CMooringTable& table, const std::string& strFile,
                   const std::string& strMessage)
{
    const long long nDeployed = mooring.m_deployed.Number();
    Json rows = Json::array();
    for (std::size_t i = 0; i < table.m_aRows.size(); ++i) {
        const CMooringPosition& position = mooring.m_aPositions[i];
        const CPositionRow& row = table.m_aRows[i];
        const bool bDone = row.m_pOutcome->m_eStatus == kPlanDone;
        rows.push_back({{"label", position.m_strLabel},
                        {"depth", MooringFile::DepthText(position.m_dDepth)},
                        {"notes", position.m_strNotes},
                        {"cells", MooringOutput::Cells(mooring, table, i)},
                        {"state", StateName(row.m_eState)},
                        {"endAt", row.m_bHasEnd ? Json(row.m_end.Number() - nDeployed) : Json(nullptr)},
                        {"report", bDone ? Json(row.m_pOutcome->m_strReport) : Json(nullptr)}});
    }
    const std::string strStem = strFile.substr(0, strFile.rfind('.'));
    const Json state = {{"file", strFile},
                        {"csvName", strStem + ".csv"},
                        {"maxBytes", MooringFile::kMaxBytes},
                        {"name", mooring.m_strName},
                        {"deployed", IsoDayText(mooring.m_deployed)},
                        {"recovery", IsoDayText(mooring.m_recovery)},
                        {"heading", MooringOutput::Heading(mooring)},
                        {"span", mooring.m_recovery.Number() - nDeployed},
                        {"headers", MooringOutput::Headers()},
                        {"rows", rows},
                        {"first", table.m_nFirstToRunOut},
                        {"verdict", table.m_strVerdict},
                        {"notices", table.m_astrNotices},
                        {"line", LineText(mooring)},
                        {"timeline", TimelineText(mooring, table)},
                        {"problem", MooringFile::Problem(mooring, strFile)},
                        {"message", strMessage}};
    return state.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace MooringState
