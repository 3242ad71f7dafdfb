#include "MooringFile.h"

#include "FileReplace.h"
#include "JsonDocument.h"
#include "PlanObject.h"

#include <cmath>

namespace MooringFile {
namespace {

using JsonDocument::CError;
using JsonDocument::Json;
using JsonDocument::Quoted;
using JsonDocument::WrongType;

constexpr const char* kDayWanted = "a day written YYYY-MM-DD";
constexpr const char* kDepthWanted = "a number of metres, 0 or more";

std::string Subject(const std::string& strWhere, const char* szField) { return strWhere + ": \"" + szField + "\""; }

// The field of an object that must be there.
const Json& Required(const Json& object, const char* szField, const std::string& strMissing)
{
    const auto it = object.find(szField);
    if (it == object.end())
        throw CError{strMissing + " has no \"" + szField + "\""};
    return *it;
}

std::string TextOf(const Json& value, const std::string& strSubject)
{
    if (!value.is_string())
        WrongType(strSubject, "a text", value);
    return value.get<std::string>();
}

CCivilDay DayOf(const Json& value, const std::string& strSubject)
{
    CCivilDay day;
    if (!value.is_string() || !ParseIsoDay(value.get<std::string>(), day))
        WrongType(strSubject, kDayWanted, value);
    return day;
}

// How messages name a position: FILE: position 3 ("SN 7104").
std::string PositionWhere(const std::string& strFile, std::size_t nNumber, const std::string& strLabel)
{
    return strFile + ": position " + std::to_string(nNumber) + " (" + Quoted(strLabel) + ")";
}

bool IsDepth(double dDepth) { return std::isfinite(dDepth) && dDepth >= 0.0; }

void RequireOnly(const Json& object, std::initializer_list<const char*> aszFields, const std::string& strWhere)
{
    for (const auto& field : object.items()) {
        bool bKnown = false;
        for (const char* szField : aszFields)
            bKnown = bKnown || field.key() == szField;
        if (!bKnown)
            throw CError{strWhere + ": unknown field " + Quoted(field.key())};
    }
}

CMooringPosition PositionOf(const Json& item, const std::string& strFile, std::size_t nNumber)
{
    const std::string strPosition = strFile + ": position " + std::to_string(nNumber);
    if (!item.is_object())
        WrongType(strPosition, "an object with \"label\", \"depth\" and \"plan\"", item);
    CMooringPosition position;
    position.m_strLabel = TextOf(Required(item, "label", strPosition), strPosition + " \"label\"");
    const std::string strWhere = PositionWhere(strFile, nNumber, position.m_strLabel);
    RequireOnly(item, {"label", "depth", "notes", "plan"}, strWhere);
    const Json& depth = Required(item, "depth", strWhere);
    if (!depth.is_number() || !IsDepth(depth.get<double>()))
        WrongType(Subject(strWhere, "depth"), kDepthWanted, depth);
    position.m_dDepth = depth.get<double>();
    const auto notes = item.find("notes");
    if (notes != item.end())
        position.m_strNotes = TextOf(*notes, Subject(strWhere, "notes"));
    position.m_plan = PlanFile::AnswersOf(Required(item, "plan", strWhere), strWhere + " plan");
    return position;
}

CMooring MooringOf(const Json& document, const std::string& strFile)
{
    JsonDocument::RequireVersion(document, strFile, "mooring", kVersionKey, kVersion);
    RequireOnly(document, {kVersionKey, "name", "deployed", "recovery", "positions"}, strFile);
    const std::string strNotA = strFile + ": not a mooring: it";
    CMooring mooring;
    mooring.m_strName = TextOf(Required(document, "name", strNotA), Subject(strFile, "name"));
    mooring.m_deployed = DayOf(Required(document, "deployed", strNotA), Subject(strFile, "deployed"));
    mooring.m_recovery = DayOf(Required(document, "recovery", strNotA), Subject(strFile, "recovery"));
    const Json& positions = Required(document, "positions", strNotA);
    if (!positions.is_array())
        WrongType(Subject(strFile, "positions"), "a list of positions", positions);
    for (const Json& item : positions)
        mooring.m_aPositions.push_back(PositionOf(item, strFile, mooring.m_aPositions.size() + 1));
    const std::string strProblem = Problem(mooring, strFile);
    if (!strProblem.empty())
        throw CError{strProblem};
    return mooring;
}

// Whole metres as they would be typed; others in the shortest form that
// reads back as the same number.
Json DepthValue(double dDepth)
{
    constexpr double kWholeLimit = 1e15;
    if (dDepth == std::floor(dDepth) && std::fabs(dDepth) < kWholeLimit && !std::signbit(dDepth))
        return static_cast<long long>(dDepth);
    return dDepth;
}

}  // namespace

bool Parse(const std::string& strText, const std::string& strFile, CMooring& mooring, std::string& strError)
{
    return JsonDocument::Guarded(strFile, "mooring", strError,
                                 [&] { mooring = MooringOf(JsonDocument::Parse(strText, strFile, "mooring"), strFile); });
}

bool Evaluate(const CMooring& mooring, const std::string& strFile, CMooringEvaluator& evaluator, CMooringTable& table,
              std::string& strError)
{
    CMooringTable evaluated = evaluator.Evaluate(mooring);
    if (evaluated.m_nNotAPlan >= 0) {
        // The plan's answers name the file and the position already, a
        // complaint about no answer in particular does not.
        const std::size_t nRow = static_cast<std::size_t>(evaluated.m_nNotAPlan);
        const std::string strWhere = PositionWhere(strFile, nRow + 1, mooring.m_aPositions[nRow].m_strLabel) + " plan: ";
        strError = evaluated.m_aRows[nRow].Status();
        if (strError.compare(0, strWhere.size(), strWhere) != 0)
            strError = strWhere + strError;
        return false;
    }
    table = std::move(evaluated);
    return true;
}

bool Load(const std::string& strText, const std::string& strFile, CMooringEvaluator& evaluator, CMooring& mooring,
          CMooringTable& table, std::string& strError)
{
    CMooring read;
    if (!Parse(strText, strFile, read, strError) || !Evaluate(read, strFile, evaluator, table, strError))
        return false;
    mooring = std::move(read);
    return true;
}

std::string TooLarge(const std::string& strFile) { return strFile + ": too large for a mooring (more than 4 MiB)"; }

bool ReadText(const std::string& strPath, std::string& strText, std::string& strError)
{
    return JsonDocument::ReadFile(strPath, kMaxBytes, TooLarge(strPath), strText, strError);
}

bool Open(const std::string& strPath, CMooringEvaluator& evaluator, CMooring& mooring, CMooringTable& table,
          std::string& strError)
{
    std::string strText;
    return ReadText(strPath, strText, strError) && Load(strText, strPath, evaluator, mooring, table, strError);
}

std::string Problem(const CMooring& mooring, const std::string& strFile)
{
    if (!mooring.m_deployed.IsValid() || !mooring.m_recovery.IsValid())
        return strFile + ": the deployment and recovery days must be days of the calendar";
    if (mooring.m_recovery.Number() < mooring.m_deployed.Number())
        return strFile + ": the recovery day " + IsoDayText(mooring.m_recovery) + " comes before the deployment day "
               + IsoDayText(mooring.m_deployed);
    if (mooring.m_aPositions.empty())
        return strFile + ": the mooring has no positions";
    for (std::size_t i = 0; i < mooring.m_aPositions.size(); ++i) {
        const CMooringPosition& position = mooring.m_aPositions[i];
        if (!IsDepth(position.m_dDepth))
            return PositionWhere(strFile, i + 1, position.m_strLabel) + ": the depth must be " + kDepthWanted;
    }
    return std::string();
}

std::string DepthText(double dDepth) { return DepthValue(dDepth).dump(); }

std::string Text(const CMooring& mooring)
{
    Json positions = Json::array();
    for (const CMooringPosition& position : mooring.m_aPositions) {
        Json item = Json::object();
        item["label"] = position.m_strLabel;
        item["depth"] = DepthValue(position.m_dDepth);
        if (!position.m_strNotes.empty())
            item["notes"] = position.m_strNotes;
        item["plan"] = PlanFile::Object(position.m_plan);
        positions.push_back(std::move(item));
    }
    Json document = Json::object();
    document[kVersionKey] = kVersion;
    document["name"] = mooring.m_strName;
    document["deployed"] = IsoDayText(mooring.m_deployed);
    document["recovery"] = IsoDayText(mooring.m_recovery);
    document["positions"] = std::move(positions);
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool Save(const std::string& strPath, const CMooring& mooring, std::string& strError)
{
    std::string strReason = Problem(mooring, strPath);
    if (!strReason.empty()) {
        strError = strReason + "; the file is unchanged";
        return false;
    }
    if (FileReplace::Write(strPath, Text(mooring), FileReplace::EAccess::Document, strReason))
        return true;
    strError = strPath + ": the mooring could not be saved (" + strReason + "); the file is unchanged";
    return false;
}

}  // namespace MooringFile
