#include "PlanFile.h"

#include "AnswerTable.h"
#include "ChoiceMatch.h"
#include "FileReplace.h"
#include "PlanObject.h"

#include <cmath>

namespace PlanFile {
namespace {

using JsonDocument::CError;
using JsonDocument::Json;
using JsonDocument::Quoted;
using JsonDocument::WrongType;

// What a field may hold: a text, or a number of the kind a person could give
// there (written as the text they would type), or a check box's true or false.
enum class EValueKind { Choice, Typed, Keyword, Flag };

struct CValueRule {
    bool (Json::*pfnNumberFits)() const noexcept;
    const char* szWanted;
};

const CValueRule& RuleOf(EValueKind eKind)
{
    static const CValueRule aRules[] = {
        {&Json::is_number_unsigned, "a text or a list position"},
        {&Json::is_number, "a number or a text"},
        {&Json::is_number_integer, "one of its keywords"},
        {nullptr, "true or false"},
    };
    return aRules[static_cast<int>(eKind)];
}

// A number becomes the text a person would type for it: whole numbers as
// they are, others in the shortest form that reads back as the same double.
std::string ValueText(const std::string& strSubject, EValueKind eKind, const Json& value)
{
    const CValueRule& rule = RuleOf(eKind);
    if (eKind == EValueKind::Flag && value.is_boolean())
        return value.get<bool>() ? "on" : "off";
    if (eKind != EValueKind::Flag && value.is_string())
        return value.get<std::string>();
    if (rule.pfnNumberFits && (value.*rule.pfnNumberFits)())
        return value.dump();
    WrongType(strSubject, rule.szWanted, value);
}

EValueKind ValueKindOf(EStepKind eStep)
{
    switch (eStep) {
    case EStepKind::RadioChoice:
    case EStepKind::ListChoice:
        return EValueKind::Choice;
    case EStepKind::Keyword:
        return EValueKind::Keyword;
    case EStepKind::Check:
        return EValueKind::Flag;
    default:
        return EValueKind::Typed;
    }
}

std::vector<CAuxAnswer> AuxRows(const std::string& strFile, const Json& value)
{
    const std::string strSubject = CPlanAnswers::Subject(kAuxAnswer, strFile);
    if (!value.is_array())
        WrongType(strSubject, "a list of sensors", value);
    std::vector<CAuxAnswer> aRows;
    for (const Json& item : value) {
        const std::string strRow = strSubject + " row " + std::to_string(aRows.size() + 1);
        if (!item.is_object())
            WrongType(strRow, "an object with \"type\" and, for a sensor of another maker, \"current\"", item);
        CAuxAnswer row;
        bool bHasType = false;
        for (const auto& field : item.items()) {
            if (field.key() == "type") {
                row.m_strType = ValueText(strRow + " \"type\"", EValueKind::Choice, field.value());
                bHasType = true;
            } else if (field.key() == "current") {
                row.m_strCurrent = ValueText(strRow + " \"current\"", EValueKind::Typed, field.value());
                row.m_bHasCurrent = true;
            } else {
                throw CError{strRow + ": unknown field " + Quoted(field.key())};
            }
        }
        if (!bHasType)
            throw CError{strRow + " has no \"type\""};
        aRows.push_back(row);
    }
    return aRows;
}

}  // namespace

CPlanAnswers AnswersOf(const Json& document, const std::string& strFile)
{
    JsonDocument::RequireVersion(document, strFile, "plan", kVersionKey, kVersion);
    CPlanAnswers answers;
    for (const auto& field : document.items()) {
        const std::string& strName = field.key();
        if (strName == kVersionKey)
            continue;
        const CAnswerRow* pRow = FindAnswer(strName);
        if (!pRow || pRow->aReadings.empty())
            throw CError{strFile + ": unknown field " + Quoted(strName)};
        if (pRow->bRows)
            answers.SetAux(AuxRows(strFile, field.value()), strFile);
        else
            answers.Set(strName,
                        ValueText(CPlanAnswers::Subject(strName, strFile), ValueKindOf(pRow->aReadings.front().eStep),
                                  field.value()),
                        strFile);
    }
    return answers;
}

namespace {

// A typed text goes into the file as a number when it is a plain decimal
// number (which reads back as the same text or the same double); any other
// text goes in as it is.
Json TypedValue(const std::string& strTyped)
{
    // The pages read numbers past surrounding blanks.
    const std::string strText = TrimBlanks(strTyped);
    if (strText.empty())
        return strTyped;
    std::size_t i = 0;
    const std::size_t nSize = strText.size();
    auto digits = [&] {
        const std::size_t nStart = i;
        while (i < nSize && strText[i] >= '0' && strText[i] <= '9')
            ++i;
        return i - nStart;
    };
    if (i < nSize && strText[i] == '-')
        ++i;
    const std::size_t nIntStart = i;
    const std::size_t nIntDigits = digits();
    if (nIntDigits == 0 || (nIntDigits > 1 && strText[nIntStart] == '0'))
        return strTyped;
    const bool bNegativeZero = strText[0] == '-' && nIntDigits == 1 && strText[nIntStart] == '0';
    if (i == nSize)
        return nIntDigits <= 15 && !bNegativeZero ? Json(std::stoll(strText)) : Json(strTyped);
    if (strText[i] != '.')
        return strTyped;
    ++i;
    if (digits() == 0 || i != nSize)
        return strTyped;
    // The number goes in only where the file writes it without an exponent,
    // as the person would type it: the text it reads back as then saves as the
    // same number again. Too many digits for a double, or a value the file
    // would write as 2e-05 or 3.3e+75, go in as the text itself, which reads
    // back the same.
    const Json number(std::strtod(strText.c_str(), nullptr));
    const bool bPlain = number.dump().find_first_of("eE") == std::string::npos;
    return std::isfinite(number.get<double>()) && bPlain ? number : Json(strTyped);
}

Json StepValue(EStepKind eStep, const std::string& strText)
{
    switch (eStep) {
    case EStepKind::Check:
        return strText == "on";
    case EStepKind::Text:
        return TypedValue(strText);
    case EStepKind::Keyword:
        return strText.find_first_not_of("0123456789") == std::string::npos && !strText.empty() ? TypedValue(strText)
                                                                                                 : Json(strText);
    default:
        return strText;
    }
}

Json AuxValue(const std::vector<CAuxAnswer>& aRows)
{
    Json rows = Json::array();
    for (const CAuxAnswer& row : aRows) {
        Json item = Json::object();
        item["type"] = row.m_strType;
        if (row.m_bHasCurrent)
            item["current"] = TypedValue(row.m_strCurrent);
        rows.push_back(item);
    }
    return rows;
}

}  // namespace

bool Parse(const std::string& strText, const std::string& strFile, CPlanAnswers& answers, std::string& strError)
{
    return JsonDocument::Guarded(strFile, "plan", strError, [&] {
        const CPlanAnswers fromFile = AnswersOf(JsonDocument::Parse(strText, strFile, "plan"), strFile);
        for (const auto& entry : fromFile.Values())
            answers.Set(entry.first, entry.second.m_strText, strFile);
        if (fromFile.HasAux())
            answers.SetAux(fromFile.Aux(), strFile);
    });
}

std::string TooLarge(const std::string& strFile)
{
    return strFile + ": too large for a plan (more than 1 MiB)";
}

bool Read(const std::string& strPath, CPlanAnswers& answers, std::string& strError)
{
    std::string strText;
    return JsonDocument::ReadFile(strPath, kMaxBytes, TooLarge(strPath), strText, strError)
           && Parse(strText, strPath, answers, strError);
}

Json Object(const CPlanAnswers& answers)
{
    // In the table's order, which is the pages' order.
    Json document = Json::object();
    document[kVersionKey] = kVersion;
    for (const CAnswerRow& row : AnswerTable()) {
        if (row.bRows && answers.HasAux())
            document[row.szName] = AuxValue(answers.Aux());
        else if (!row.bRows && answers.Has(row.szName) && !row.aReadings.empty())
            document[row.szName] = StepValue(row.aReadings.front().eStep, answers.Value(row.szName));
    }
    return document;
}

std::string Text(const CPlanAnswers& answers)
{
    return Object(answers).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool Save(const std::string& strPath, const CPlanAnswers& answers, std::string& strError)
{
    std::string strReason;
    if (FileReplace::Write(strPath, Text(answers), FileReplace::EAccess::Document, strReason))
        return true;
    strError = strPath + ": the plan could not be saved (" + strReason + "); the file is unchanged";
    return false;
}

}  // namespace PlanFile
