#include "PlanRunner.h"

#include "ChoiceMatch.h"
#include "PlanSteps.h"
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

// Turns the outcome of one action into a usage error where a person could
// not have done it. strSubject names the answer (see CPlanAnswers::Subject).
void Require(EActionResult eResult, const std::string& strSubject, const std::string& strValue,
             const std::vector<std::string>& astrEntries = {})
{
    switch (eResult) {
    case EActionResult::Unavailable:
        throw CUsageError{strSubject + " " + strValue + ": that control is hidden or disabled on this path"};
    case EActionResult::NotInList:
        throw CUsageError{strSubject + ": '" + strValue + "' is not in the list (" + JoinEntries(astrEntries) + ")"};
    default:
        break;
    }
}

int MatchOrFail(const std::string& strSubject, const std::string& strValue, const std::vector<std::string>& astrEntries)
{
    const int nIndex = MatchChoice(strValue, astrEntries);
    if (nIndex < 0)
        Require(EActionResult::NotInList, strSubject, strValue, astrEntries);
    return nIndex;
}

void ApplyStep(CPageModel& page, const CPlanStep& step, const std::string& strValue, const std::string& strSubject)
{
    switch (step.eKind) {
    case EStepKind::RadioChoice: {
        std::vector<std::string> astrLabels;
        for (int i = 0; i < step.nCount; ++i)
            astrLabels.push_back(page.Control(step.nControl + i).m_strText);
        const int nIndex = MatchOrFail(strSubject, strValue, astrLabels);
        Require(page.Click(step.nControl + nIndex), strSubject, strValue);
        break;
    }
    case EStepKind::ListChoice: {
        const std::vector<std::string> astrItems = page.Control(step.nControl).m_astrItems;
        const int nIndex = MatchOrFail(strSubject, strValue, astrItems);
        Require(page.SelectEntry(step.nControl, nIndex), strSubject, strValue, astrItems);
        break;
    }
    case EStepKind::Text:
        Require(page.TypeText(step.nControl, strValue), strSubject, strValue);
        break;
    case EStepKind::Keyword: {
        for (const CKeywordButton& button : step.aKeywords) {
            if (strValue == button.szKeyword) {
                Require(page.Click(button.nControl), strSubject, strValue);
                return;
            }
        }
        throw CUsageError{strSubject + ": '" + strValue + "' is not a choice on this instrument's page"};
    }
    case EStepKind::Check:
        Require(page.SetChecked(step.nControl, strValue == "on"), strSubject, strValue);
        break;
    }
}

std::string AuxText(const CAuxAnswer& row) { return row.m_bHasCurrent ? row.m_strType + "=" + row.m_strCurrent : row.m_strType; }

// The sensor rows: their number is the count, then each row's type and the
// current typed into its field where one is given.
void ApplyAux(CPageModel& page, const CPlanAnswers& answers)
{
    using Sensors = CSensorListPageModel;
    if (!answers.HasAux())
        return;
    const std::string strSubject = answers.Subject("aux");
    const std::vector<CAuxAnswer>& aRows = answers.Aux();
    const int nCount = static_cast<int>(aRows.size());
    const int nMax = static_cast<int>(page.Control(Sensors::kCount).m_astrItems.size()) - 1;
    if (nCount > nMax)
        throw CUsageError{strSubject + " given " + std::to_string(nCount) + " times, but this instrument takes at most "
                          + std::to_string(nMax < 0 ? 0 : nMax) + " auxiliary sensors"};
    Require(page.SelectEntry(Sensors::kCount, nCount), strSubject, std::to_string(nCount));
    for (int k = 0; k < nCount; ++k) {
        const CAuxAnswer& row = aRows[static_cast<std::size_t>(k)];
        const std::vector<std::string> astrTypes = page.Control(Sensors::TypeId(k)).m_astrItems;
        const int nType = MatchOrFail(strSubject, row.m_strType, astrTypes);
        Require(page.SelectEntry(Sensors::TypeId(k), nType), strSubject, row.m_strType, astrTypes);
        if (row.m_bHasCurrent)
            Require(page.TypeText(Sensors::CurrentId(k), row.m_strCurrent), strSubject, AuxText(row));
    }
}

void ApplyPage(CPageModel& page, const CPlanAnswers& answers)
{
    if (page.Kind() == EPageKind::SensorList) {
        ApplyAux(page, answers);
        return;
    }
    for (const CPlanStep& step : StepsOf(page.Kind()))
        if (answers.Has(step.szOption))
            ApplyStep(page, step, answers.Value(step.szOption), answers.Subject(step.szOption));
}

// Once the instrument is built the page list is complete: an answer that no
// page of it reads could not be given on this path.
void RequireAnswersOnPath(const CSheetModel& sheet, const CPlanAnswers& answers)
{
    auto onPath = [&](const std::string& strOption) {
        for (const CPageModel* pPage : sheet.Pages())
            if (PageReads(pPage->Kind(), strOption))
                return true;
        return false;
    };
    for (const auto& entry : answers.Values())
        if (!onPath(entry.first))
            throw CUsageError{answers.Subject(entry.first) + " does not apply to this instrument"};
    if (answers.HasAux() && !onPath("aux"))
        throw CUsageError{answers.Subject("aux") + " does not apply to this instrument"};
}

bool IsModelPage(EPageKind eKind) { return eKind == EPageKind::Intro || eKind == EPageKind::MoorModel; }

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

EPlanStatus RunPlan(const CPlanAnswers& answers, const CMoorplanCommandLineInfo& switches, std::string& strReport,
                    std::string& strMessage, CPlanAnswers* pSaved)
{
    CSheetModel sheet(switches);
    const EPlanStatus eStatus = ReplayPlan(sheet, answers, strMessage);
    if (eStatus != kPlanDone)
        return eStatus;
    strReport = sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText;
    if (pSaved)
        *pSaved = CapturePlan(sheet);
    return kPlanDone;
}
