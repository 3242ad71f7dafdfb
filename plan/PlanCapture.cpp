#include "AnswerTable.h"
#include "ChoiceMatch.h"
#include "PlanRunner.h"
#include "WizardModel.h"

#include <algorithm>
#include <cstring>

namespace {

// A choice is written as its entry's text, or as its position where the text
// would name another entry.
std::string ChoiceText(const std::vector<std::string>& astrEntries, int nIndex)
{
    const std::string strText = TrimBlanks(astrEntries.at(static_cast<std::size_t>(nIndex)));
    return MatchChoice(strText, astrEntries) == nIndex ? strText : std::to_string(nIndex);
}

// The answer the step's control shows, where a person can see it; false when
// there is none to give.
bool CaptureStep(const CPageModel& page, const CPageReading& step, std::string& strValue)
{
    switch (step.eStep) {
    case EStepKind::RadioChoice: {
        std::vector<std::string> astrLabels;
        int nChecked = -1;
        for (int i = 0; i < step.nCount; ++i) {
            const CControlState& button = page.Control(step.nControl + i);
            astrLabels.push_back(button.m_strText);
            if (button.m_bChecked && button.m_bVisible && nChecked < 0)
                nChecked = i;
        }
        if (nChecked < 0)
            return false;
        strValue = ChoiceText(astrLabels, nChecked);
        return true;
    }
    case EStepKind::ListChoice: {
        const CControlState& list = page.Control(step.nControl);
        if (!list.m_bVisible || list.m_nSelection < 0 || list.m_nSelection >= static_cast<int>(list.m_astrItems.size()))
            return false;
        strValue = ChoiceText(list.m_astrItems, list.m_nSelection);
        return true;
    }
    case EStepKind::Text: {
        // A disabled field cannot be typed into: what it shows follows from the
        // answers before it.
        const CControlState& field = page.Control(step.nControl);
        if (!field.m_bVisible || !field.m_bEnabled)
            return false;
        strValue = field.m_strText;
        return true;
    }
    case EStepKind::Keyword:
        for (const CKeywordButton& button : step.aKeywords) {
            const CControlState& control = page.Control(button.nControl);
            if (control.m_bChecked && control.m_bVisible) {
                strValue = button.szKeyword;
                return true;
            }
        }
        return false;
    case EStepKind::Check: {
        const CControlState& box = page.Control(step.nControl);
        if (!box.m_bVisible)
            return false;
        strValue = box.m_bChecked ? "on" : "off";
        return true;
    }
    case EStepKind::SensorRows:
        break;
    }
    return false;
}

std::vector<CAuxAnswer> CaptureAux(const CPageModel& page, const CPageReading& step)
{
    using Sensors = CSensorListPageModel;
    std::vector<CAuxAnswer> aRows;
    const int nCount = page.Control(step.nControl).m_nSelection;
    for (int k = 0; k < nCount && k < Sensors::kRows; ++k) {
        const CControlState& type = page.Control(Sensors::TypeId(k));
        if (type.m_nSelection < 0 || type.m_nSelection >= static_cast<int>(type.m_astrItems.size()))
            break;
        CAuxAnswer row;
        row.m_strType = ChoiceText(type.m_astrItems, type.m_nSelection);
        const CControlState& current = page.Control(Sensors::CurrentId(k));
        row.m_bHasCurrent = current.m_bVisible && current.m_bEnabled;
        if (row.m_bHasCurrent)
            row.m_strCurrent = current.m_strText;
        aRows.push_back(row);
    }
    return aRows;
}

}  // namespace

CPlanAnswers CapturePlan(const CSheetModel& sheet, const std::vector<std::string>& astrOnly)
{
    std::vector<const CAnswerRow*> apRows;
    for (const CAnswerRow& row : AnswerTable())
        if (astrOnly.empty() || std::any_of(astrOnly.begin(), astrOnly.end(), [&row](const std::string& strName) {
                return std::strcmp(strName.c_str(), row.szName) == 0;
            }))
            apRows.push_back(&row);
    CPlanAnswers answers;
    for (const CPageModel* pPage : sheet.Pages()) {
        for (const CAnswerRow* pRow : apRows) {
            const CAnswerRow& row = *pRow;
            for (const CPageReading& reading : row.aReadings) {
                if (reading.ePage != pPage->Kind())
                    continue;
                std::string strValue;
                if (row.bRows)
                    answers.SetAux(CaptureAux(*pPage, reading));
                else if (CaptureStep(*pPage, reading, strValue))
                    answers.Set(row.szName, strValue);
            }
        }
    }
    return answers;
}
