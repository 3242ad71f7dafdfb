// The mooring view's entry points. Every rule (the file, the table, the
// dates, the verdict, the CSV) is the mooring core's; these calls only edit
// the mooring a person sees and answer its state as JSON (MooringState.h).
#include "MooringFile.h"
#include "MooringOutput.h"
#include "MooringState.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "WebSession.h"

#include <emscripten/emscripten.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

namespace {

constexpr const char* kNewFile = "mooring.mooring";
constexpr long long kNewMooringDays = 365;   // a new mooring's recovery after its deployment

std::vector<CMooringPosition>& Positions() { return Session().m_mooring.m_aPositions; }

bool IsRow(int nRow) { return nRow >= 0 && nRow < static_cast<int>(Positions().size()); }

// The evaluator for the wizard's switches of the moment (the page's
// Settings), as moorplan-report --mooring works with the same switches.
CMooringEvaluator& Evaluator()
{
    CWebSession& session = Session();
    CWizardSwitches switches;
    switches.m_b485 = session.m_pSheet && session.m_pSheet->Switches().m_b485;
    if (!session.m_pEvaluator || session.m_bEvaluated485 != switches.m_b485) {
        session.m_pEvaluator = std::make_unique<CMooringEvaluator>(switches);
        session.m_bEvaluated485 = switches.m_b485;
    }
    return *session.m_pEvaluator;
}

void Evaluate() { Session().m_table = Evaluator().Evaluate(Session().m_mooring); }

// The state after any call: the table worked out again, which walks only
// plans it has not walked yet (or all, after a change of the switches).
const char* Answer()
{
    CWebSession& session = Session();
    Evaluate();
    session.m_strState = MooringState::ToJson(session.m_mooring, session.m_table, session.m_strMooringFile,
                                              session.m_strMooringMessage);
    return session.m_strState.c_str();
}

// A new mooring deployed on the given day (or the first of January 1970
// when that is no day), recovered a year on, with no positions yet.
void StartWhenNone(int nYear, int nMonth, int nDay)
{
    CWebSession& session = Session();
    if (session.m_bMooring)
        return;
    CMooring mooring;
    CCivilDay day{nYear, nMonth, nDay};
    if (day.IsValid())
        mooring.m_deployed = day;
    mooring.m_recovery = CCivilDay::FromNumber(mooring.m_deployed.Number() + kNewMooringDays);
    session.m_mooring = std::move(mooring);
    session.m_strMooringFile = kNewFile;
    session.m_bMooring = true;
}

std::string NewLabel() { return "Position " + std::to_string(Positions().size() + 1); }

// What the reader would say of the mooring with one change, for an edit that
// is refused (a day or a depth that is no such thing): of that change alone,
// whatever else the mooring lacks while it is being edited.
template <typename Change>
std::string ProblemWith(Change change)
{
    CMooring mooring = Session().m_mooring;
    mooring.m_recovery = mooring.m_deployed = CCivilDay();
    change(mooring);
    return MooringFile::Problem(mooring, Session().m_strMooringFile);
}

bool ReadDay(const std::string& strText, CCivilDay& day)
{
    if (ParseIsoDay(strText, day))
        return true;
    day = CCivilDay{0, 1, 1};   // no day of the calendar
    return false;
}

// A depth typed as the file writes one: a JSON number, 0 or more.
bool ReadDepth(const std::string& strText, double& dDepth)
{
    const auto value = nlohmann::json::parse(strText, nullptr, false);
    dDepth = value.is_number() ? value.get<double>() : std::nan("");
    return std::isfinite(dDepth) && dDepth >= 0.0;
}

std::string Bytes(const char* pData, int nRead) { return std::string(pData, static_cast<std::size_t>(nRead)); }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* mp_mooring_state() { return Answer(); }

// The mooring view, with a new mooring deployed on the given day when there
// is none yet.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_show(int nYear, int nMonth, int nDay)
{
    StartWhenNone(nYear, nMonth, nDay);
    Session().m_strMooringMessage.clear();
    return Answer();
}

// Opens a mooring file the person chose, as the plan's opening does: nRead
// bytes of a file of dFileSize bytes named szName. A bad file leaves the
// mooring as it was and says why.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_open(const char* szName, const char* pData, int nRead, double dFileSize)
{
    CWebSession& session = Session();
    const std::string strName = szName ? szName : "";
    std::string strMessage;
    CMooring mooring;
    CMooringTable table;
    if (dFileSize > static_cast<double>(MooringFile::kMaxBytes)) {
        strMessage = MooringFile::TooLarge(strName);
    } else if (MooringFile::Load(Bytes(pData, nRead), strName, Evaluator(), mooring, table, strMessage)) {
        session.m_mooring = std::move(mooring);
        session.m_table = std::move(table);
        session.m_strMooringFile = strName;
        session.m_bMooring = true;
    }
    session.m_strMooringMessage = strMessage;
    return Answer();
}

// A person's edit of a field: "name", "deployed", "recovery" (YYYY-MM-DD),
// or a row's "label", "depth" or "notes". A day or a depth that is none is
// refused with the reader's message; the mooring keeps its value.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_set(const char* szField, int nRow, const char* szText)
{
    CWebSession& session = Session();
    const std::string strField = szField ? szField : "";
    const std::string strText = szText ? szText : "";
    CMooring& mooring = session.m_mooring;
    std::string& strMessage = session.m_strMooringMessage;
    strMessage.clear();
    if (strField == "name") {
        mooring.m_strName = strText;
    } else if (strField == "deployed" || strField == "recovery") {
        CCivilDay& target = strField == "deployed" ? mooring.m_deployed : mooring.m_recovery;
        CCivilDay day;
        if (ReadDay(strText, day))
            target = day;
        else
            strMessage = ProblemWith([&](CMooring& m) { (strField == "deployed" ? m.m_deployed : m.m_recovery) = day; });
    } else if (IsRow(nRow)) {
        CMooringPosition& position = Positions()[static_cast<std::size_t>(nRow)];
        double dDepth = 0.0;
        if (strField == "label")
            position.m_strLabel = strText;
        else if (strField == "notes")
            position.m_strNotes = strText;
        else if (strField == "depth" && ReadDepth(strText, dDepth))
            position.m_dDepth = dDepth;
        else if (strField == "depth")
            strMessage = ProblemWith([&](CMooring& m) { m.m_aPositions[static_cast<std::size_t>(nRow)].m_dDepth = dDepth; });
    }
    return Answer();
}

// Moves a row one place up (-1) or down (+1).
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_move(int nRow, int nBy)
{
    Session().m_strMooringMessage.clear();
    if (IsRow(nRow) && IsRow(nRow + nBy) && (nBy == 1 || nBy == -1))
        std::swap(Positions()[static_cast<std::size_t>(nRow)], Positions()[static_cast<std::size_t>(nRow + nBy)]);
    return Answer();
}

EMSCRIPTEN_KEEPALIVE const char* mp_mooring_remove(int nRow)
{
    Session().m_strMooringMessage.clear();
    if (IsRow(nRow))
        Positions().erase(Positions().begin() + nRow);
    return Answer();
}

// Adds the wizard's current plan, the answers its pages hold, as a new
// position (starting a mooring deployed on the given day when there is none).
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_add_current(int nYear, int nMonth, int nDay)
{
    StartWhenNone(nYear, nMonth, nDay);
    CMooringPosition position;
    position.m_strLabel = NewLabel();
    position.m_plan = CapturePlan(*Session().m_pSheet);
    Positions().push_back(std::move(position));
    Session().m_strMooringMessage.clear();
    return Answer();
}

// Adds a plan file the person chose as a new position, labelled with the
// file's name. A file that is not a plan, or holds an answer no person could
// give, is refused with its line; the mooring stays as it was.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_add_plan(const char* szName, const char* pData, int nRead, double dFileSize)
{
    CWebSession& session = Session();
    const std::string strName = szName ? szName : "";
    std::string& strMessage = session.m_strMooringMessage;
    strMessage.clear();
    CMooringPosition position;
    position.m_strLabel = strName.substr(0, strName.rfind('.'));
    if (dFileSize > static_cast<double>(PlanFile::kMaxBytes)) {
        strMessage = PlanFile::TooLarge(strName);
    } else if (PlanFile::Parse(Bytes(pData, nRead), strName, position.m_plan, strMessage)) {
        Positions().push_back(std::move(position));
        Evaluate();
        const CPositionRow& row = session.m_table.m_aRows.back();
        if (row.m_eState == EPositionState::NotAPlan) {
            strMessage = row.Status();
            Positions().pop_back();
        }
    }
    return Answer();
}

// Takes a row's plan into the wizard: its pages walked with the plan's
// answers, landing on the finish page or on the page that refuses one.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_plan(int nRow)
{
    CWebSession& session = Session();
    if (IsRow(nRow)) {
        session.m_strMessage.clear();
        if (ReplayPlan(*session.m_pSheet, Positions()[static_cast<std::size_t>(nRow)].m_plan, session.m_strMessage)
            == kPlanUsageError)
            session.m_pSheet->Restart();
        session.m_nEditing = nRow;
    }
    return PageAnswer();
}

// A fresh run of the wizard for a new position; Exit adds it.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_new_plan()
{
    CWebSession& session = Session();
    session.m_pSheet->Restart();
    session.m_strMessage.clear();
    session.m_nEditing = static_cast<int>(Positions().size());
    return PageAnswer();
}

// Back from a position's plan to the mooring: bKeep (Exit on the finish
// page) puts the plan the pages hold into the position, or adds the new
// one; otherwise the position stays as it was. The wizard starts afresh.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_return(int bKeep)
{
    CWebSession& session = Session();
    const int nEditing = session.m_nEditing;
    if (bKeep && nEditing >= 0 && nEditing <= static_cast<int>(Positions().size())) {
        if (nEditing == static_cast<int>(Positions().size())) {
            CMooringPosition position;
            position.m_strLabel = NewLabel();
            Positions().push_back(std::move(position));
        }
        Positions()[static_cast<std::size_t>(nEditing)].m_plan = CapturePlan(*session.m_pSheet);
    }
    session.m_nEditing = -1;
    session.m_pSheet->Restart();
    session.m_strMessage.clear();
    session.m_strMooringMessage.clear();
    return Answer();
}

// The bytes "Save mooring" hands out: the file the desktop writes. None (0
// bytes) while the mooring has a problem the reader would refuse; the
// message then says which.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_data()
{
    CWebSession& session = Session();
    session.m_strMooringMessage = MooringFile::Problem(session.m_mooring, session.m_strMooringFile);
    session.m_strFile = session.m_strMooringMessage.empty() ? MooringFile::Text(session.m_mooring) : std::string();
    return session.m_strFile.data();
}

// The bytes "Download CSV" hands out: moorplan-report --mooring --csv's.
EMSCRIPTEN_KEEPALIVE const char* mp_mooring_csv()
{
    CWebSession& session = Session();
    Evaluate();
    session.m_strFile = MooringOutput::Csv(session.m_mooring, session.m_table);
    return session.m_strFile.data();
}

}  // extern "C"
