#include "PlanInputs.h"

#include "ChoiceMatch.h"
#include "OptionTable.h"
#include "WizardModel.h"

#include <regex>

namespace {

bool IsAvailable(const CControlState& control) { return control.m_bVisible && control.m_bEnabled; }

// A field's text as a number when it is plainly one, so that a reader gets the
// value the page stored; anything else stays the text a person typed.
nlohmann::ordered_json FieldValue(const std::string& strText)
{
    static const std::regex kInteger(R"(\s*-?[0-9]{1,15}\s*)");
    static const std::regex kDecimal(R"(\s*-?[0-9]{1,15}\.[0-9]{1,15}\s*)");
    if (std::regex_match(strText, kInteger))
        return std::stoll(strText);
    if (std::regex_match(strText, kDecimal))
        return std::stod(strText);
    return strText;
}

// The answer a page holds for one reading, or null when a person could not
// give it there.
nlohmann::ordered_json Answer(const CPageModel& page, const CPageReading& reading)
{
    const CControlState& control = page.Control(reading.nControl);
    switch (reading.eStep) {
    case EStepKind::RadioChoice:
        for (int i = 0; i < reading.nCount; ++i) {
            const CControlState& radio = page.Control(reading.nControl + i);
            if (radio.m_bChecked && IsAvailable(radio))
                return TrimBlanks(radio.m_strText);
        }
        break;
    case EStepKind::ListChoice:
        if (IsAvailable(control) && control.m_nSelection >= 0 &&
            control.m_nSelection < static_cast<int>(control.m_astrItems.size()))
            return TrimBlanks(control.m_astrItems[static_cast<std::size_t>(control.m_nSelection)]);
        break;
    case EStepKind::Text:
        if (IsAvailable(control))
            return FieldValue(control.m_strText);
        break;
    case EStepKind::Keyword:
        for (const CKeywordButton& button : reading.aKeywords) {
            const CControlState& radio = page.Control(button.nControl);
            if (radio.m_bChecked && IsAvailable(radio))
                return button.szKeyword;
        }
        break;
    case EStepKind::Check:
        if (IsAvailable(control))
            return control.m_bChecked ? "on" : "off";
        break;
    case EStepKind::SensorRows: {
        using Sensors = CSensorListPageModel;
        if (!IsAvailable(control))
            break;
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (int k = 0; k < control.m_nSelection; ++k) {
            const CControlState& type = page.Control(Sensors::TypeId(k));
            const CControlState& current = page.Control(Sensors::CurrentId(k));
            if (type.m_nSelection < 0 || type.m_nSelection >= static_cast<int>(type.m_astrItems.size()))
                continue;
            std::string strRow = TrimBlanks(type.m_astrItems[static_cast<std::size_t>(type.m_nSelection)]);
            if (IsAvailable(current))
                strRow += "=" + current.m_strText;
            rows.push_back(strRow);
        }
        return rows;
    }
    }
    return nullptr;
}

// Back to the text a person would give: numbers as written by the JSON
// writer, which keeps every digit a double needs.
bool OptionText(const nlohmann::json& value, std::string& strText)
{
    if (value.is_string())
        strText = value.get<std::string>();
    else if (value.is_number())
        strText = value.dump();
    else
        return false;
    return true;
}

}  // namespace

nlohmann::ordered_json PlanInputs(const CSheetModel& sheet)
{
    nlohmann::ordered_json inputs = nlohmann::ordered_json::object();
    for (const COptionRow& row : OptionTable()) {
        if (!row.IsPageAnswer())
            continue;
        for (const CPageModel* pPage : sheet.Pages()) {
            for (const CPageReading& reading : row.aReadings) {
                if (reading.ePage != pPage->Kind())
                    continue;
                nlohmann::ordered_json value = Answer(*pPage, reading);
                if (!value.is_null())
                    inputs[row.szName] = std::move(value);
            }
        }
    }
    return inputs;
}

bool AddPlanInputs(const nlohmann::json& inputs, CPlanOptions& options, std::string& strError)
{
    if (!inputs.is_object()) {
        strError = "the inputs are not an object";
        return false;
    }
    for (const auto& item : inputs.items()) {
        const COptionRow* pRow = FindOption(item.key());
        if (!pRow || !pRow->IsPageAnswer()) {
            strError = "'" + item.key() + "' is not a page answer";
            return false;
        }
        const bool bRows = pRow->eKind == EOptionKind::PageRows;
        if (bRows && !item.value().is_array()) {
            strError = "'" + item.key() + "' must be a list of rows";
            return false;
        }
        std::vector<std::string> astrTexts;
        for (const nlohmann::json& value : bRows ? item.value() : nlohmann::json::array({item.value()})) {
            std::string strText;
            if (!OptionText(value, strText)) {
                strError = "'" + item.key() + "' must be a text or a number";
                return false;
            }
            astrTexts.push_back(strText);
        }
        if (bRows && options.m_mapRows.count(item.key()) == 0)
            options.m_mapRows[item.key()] = astrTexts;
        else if (!bRows && !options.Has(item.key()))
            options.m_mapValues[item.key()] = astrTexts.front();
    }
    return true;
}
