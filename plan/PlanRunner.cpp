#include "PlanRunner.h"

#include "AnswerTable.h"
#include "ChoiceMatch.h"
#include "WizardModel.h"

namespace {

struct CUsageError {
    std::string m_strText;
};

std::string JoinEntries(const std::vector<std::string>& astrEntries)
{
    std::string strList;
    for (const std::string& strEntry : astrEntries)
        strList += (strList.empty() ? "\"" : ", \"") + TrimBlanks(strEntry) + "\"";
    return strList.empty() ? "the list is empty" : "choices: " + strList;
}

// An answer of the plan by name: how messages name it (see
// CPlanAnswers::Subject) is worked out only for a message.
struct CAnswerName {
    const CPlanAnswers& answers;
    const char* szName;

    std::string Subject() const { return answers.Subject(szName); }
};

// Turns the outcome of one action into a usage error where a person could
// not have done it.
void Require(EActionResult eResult, const CAnswerName& name, const std::string& strValue,
             const std::vector<std::string>& astrEntries = {})
{
    switch (eResult) {
    case EActionResult::Unavailable:
        throw CUsageError{name.Subject() + " " + CPlanAnswers::Shown(strValue)
                          + ": that control is hidden or disabled on this path"};
    case EActionResult::NotInList:
        throw CUsageError{name.Subject() + ": '" + CPlanAnswers::Shown(strValue) + "' is not in the list ("
                          + JoinEntries(astrEntries) + ")"};
    default:
        break;
    }
}

int MatchOrFail(const CAnswerName& name, const std::string& strValue, const std::vector<std::string>& astrEntries)
{
    const int nIndex = MatchChoice(strValue, astrEntries);
    if (nIndex < 0)
        Require(EActionResult::NotInList, name, strValue, astrEntries);
    return nIndex;
}

void ApplyStep(CPageModel& page, const CPageReading& step, const std::string& strValue, const CAnswerName& name)
{
    switch (step.eStep) {
    case EStepKind::RadioChoice: {
        std::vector<std::string> astrLabels;
        for (int i = 0; i < step.nCount; ++i)
            astrLabels.push_back(page.Control(step.nControl + i).m_strText);
        const int nIndex = MatchOrFail(name, strValue, astrLabels);
        Require(page.Click(step.nControl + nIndex), name, strValue);
        break;
    }
    case EStepKind::ListChoice: {
        const std::vector<std::string> astrItems = page.Control(step.nControl).m_astrItems;
        const int nIndex = MatchOrFail(name, strValue, astrItems);
        Require(page.SelectEntry(step.nControl, nIndex), name, strValue, astrItems);
        break;
    }
    case EStepKind::Text:
        Require(page.TypeText(step.nControl, strValue), name, strValue);
        break;
    case EStepKind::Keyword: {
        for (const CKeywordButton& button : step.aKeywords) {
            if (strValue == button.szKeyword) {
                Require(page.Click(button.nControl), name, strValue);
                return;
            }
        }
        throw CUsageError{name.Subject() + ": '" + CPlanAnswers::Shown(strValue)
                          + "' is not a choice on this instrument's page"};
    }
    case EStepKind::Check:
        Require(page.SetChecked(step.nControl, strValue == "on"), name, strValue);
        break;
    case EStepKind::SensorRows:
        break;   // the rows come all at once, see ApplyAux
    }
}

std::string AuxText(const CAuxAnswer& row) { return row.m_bHasCurrent ? row.m_strType + "=" + row.m_strCurrent : row.m_strType; }

// The sensor rows: their number is the count, then each row's type and the
// current typed into its field where one is given.
void ApplyAux(CPageModel& page, const CPageReading& step, const CPlanAnswers& answers)
{
    using Sensors = CSensorListPageModel;
    if (!answers.HasAux())
        return;
    const CAnswerName name{answers, kAuxAnswer};
    const std::vector<CAuxAnswer>& aRows = answers.Aux();
    const int nCount = static_cast<int>(aRows.size());
    const int nMax = static_cast<int>(page.Control(step.nControl).m_astrItems.size()) - 1;
    if (nCount > nMax)
        throw CUsageError{name.Subject() + " given " + std::to_string(nCount) + " times, but this instrument takes at most "
                          + std::to_string(nMax < 0 ? 0 : nMax) + " auxiliary sensors"};
    Require(page.SelectEntry(step.nControl, nCount), name, std::to_string(nCount));
    for (int k = 0; k < nCount; ++k) {
        const CAuxAnswer& row = aRows[static_cast<std::size_t>(k)];
        const std::vector<std::string> astrTypes = page.Control(Sensors::TypeId(k)).m_astrItems;
        const int nType = MatchOrFail(name, row.m_strType, astrTypes);
        Require(page.SelectEntry(Sensors::TypeId(k), nType), name, row.m_strType, astrTypes);
        if (row.m_bHasCurrent)
            Require(page.TypeText(Sensors::CurrentId(k), row.m_strCurrent), name, AuxText(row));
    }
}

// The answers the page reads, in its control order.
void ApplyPage(CPageModel& page, const CPlanAnswers& answers)
{
    for (const CAnswerRow& row : AnswerTable()) {
        for (const CPageReading& reading : row.aReadings) {
            if (reading.ePage != page.Kind())
                continue;
            if (row.bRows)
                ApplyAux(page, reading, answers);
            else if (answers.Has(row.szName))
                ApplyStep(page, reading, answers.Value(row.szName), {answers, row.szName});
        }
    }
}

// Once the instrument is built the page list is complete: an answer that no
// page of it reads could not be given on this path.
void RequireAnswersOnPath(const CSheetModel& sheet, const CPlanAnswers& answers)
{
    auto require = [&](const std::string& strOption) {
        const CAnswerRow* pRow = FindAnswer(strOption);
        for (const CPageModel* pPage : sheet.Pages())
            if (pRow && pRow->ReadBy(pPage->Kind()))
                return;
        throw CUsageError{answers.Subject(strOption) + " does not apply to this instrument"};
    };
    for (const auto& entry : answers.Values())
        require(entry.first);
    if (answers.HasAux())
        require(kAuxAnswer);
}

bool IsModelPage(EPageKind eKind) { return eKind == EPageKind::Intro || eKind == EPageKind::Comms; }

}  // namespace

EPlanStatus ReplayPlan(CSheetModel& sheet, const CPlanAnswers& answers, std::string& strMessage)
{
    try {
        sheet.Restart();
        bool bPathKnown = false;
        while (sheet.CurrentPage().Kind() != EPageKind::Finish) {
            ApplyPage(sheet.CurrentPage(), answers);
            const CPageResult result = sheet.Next();
            if (!result.m_strMessage.empty()) {
                strMessage = result.m_strMessage;
                return kPlanRefused;
            }
            if (result.m_bStay)
                throw CUsageError{"no instrument variant for model " + std::to_string(sheet.m_nSelModel)
                                  + ", communications " + std::to_string(sheet.m_nSelComm) + ", firmware "
                                  + std::to_string(sheet.m_nSelFirmware)};
            if (!bPathKnown && !IsModelPage(sheet.CurrentPage().Kind())) {
                RequireAnswersOnPath(sheet, answers);
                bPathKnown = true;
            }
        }
        return kPlanDone;
    } catch (const CUsageError& error) {
        strMessage = error.m_strText;
        return kPlanUsageError;
    }
}

void ReapplyPageAnswers(CPageModel& page, const CPlanAnswers& answers)
{
    try {
        ApplyPage(page, answers);
    } catch (const CUsageError&) {
        // The same answers went in before the page refused; nothing new to say.
    }
}

EPlanStatus RunPlan(const CPlanAnswers& answers, const CWizardSwitches& switches, std::string& strMessage,
                    const std::function<void(CSheetModel&)>& onFinish)
{
    CSheetModel sheet(switches);
    const EPlanStatus eStatus = ReplayPlan(sheet, answers, strMessage);
    if (eStatus == kPlanDone)
        onFinish(sheet);
    return eStatus;
}

EPlanStatus RunPlan(const CPlanAnswers& answers, const CWizardSwitches& switches, std::string& strMessage,
                    std::string& strReport, CPlanAnswers* pSaved)
{
    return RunPlan(answers, switches, strMessage, [&](CSheetModel& sheet) {
        strReport = sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText;
        if (pSaved)
            *pSaved = CapturePlan(sheet);
    });
}
