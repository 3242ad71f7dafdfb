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
// not have done it.
void Require(EActionResult eResult, const std::string& strOption, const std::string& strValue,
             const std::vector<std::string>& astrEntries = {})
{
    switch (eResult) {
    case EActionResult::Unavailable:
        throw CUsageError{"--" + strOption + " " + strValue + ": that control is hidden or disabled on this path"};
    case EActionResult::NotInList:
        throw CUsageError{"--" + strOption + ": '" + strValue + "' is not in the list (" + JoinEntries(astrEntries) + ")"};
    default:
        break;
    }
}

int MatchOrFail(const std::string& strOption, const std::string& strValue, const std::vector<std::string>& astrEntries)
{
    const int nIndex = MatchChoice(strValue, astrEntries);
    if (nIndex < 0)
        Require(EActionResult::NotInList, strOption, strValue, astrEntries);
    return nIndex;
}

void ApplyStep(CPageModel& page, const CPlanStep& step, const std::string& strValue)
{
    const std::string strOption = step.szOption;
    switch (step.eKind) {
    case EStepKind::RadioChoice: {
        std::vector<std::string> astrLabels;
        for (int i = 0; i < step.nCount; ++i)
            astrLabels.push_back(page.Control(step.nControl + i).m_strText);
        const int nIndex = MatchOrFail(strOption, strValue, astrLabels);
        Require(page.Click(step.nControl + nIndex), strOption, strValue);
        break;
    }
    case EStepKind::ListChoice: {
        const std::vector<std::string> astrItems = page.Control(step.nControl).m_astrItems;
        const int nIndex = MatchOrFail(strOption, strValue, astrItems);
        Require(page.SelectEntry(step.nControl, nIndex), strOption, strValue, astrItems);
        break;
    }
    case EStepKind::Text:
        Require(page.TypeText(step.nControl, strValue), strOption, strValue);
        break;
    case EStepKind::Keyword: {
        for (const CKeywordButton& button : step.aKeywords) {
            if (strValue == button.szKeyword) {
                Require(page.Click(button.nControl), strOption, strValue);
                return;
            }
        }
        throw CUsageError{"--" + strOption + ": '" + strValue + "' is not a choice on this instrument's page"};
    }
    case EStepKind::Check:
        Require(page.SetChecked(step.nControl, strValue == "on"), strOption, strValue);
        break;
    }
}

// The sensor rows: the number of --aux options is the count, then each row's
// type and, after "=", the current typed into its field.
void ApplyAux(CPageModel& page, const std::vector<std::string>& astrAux)
{
    using Sensors = CSensorListPageModel;
    if (astrAux.empty())
        return;
    const int nCount = static_cast<int>(astrAux.size());
    const int nMax = static_cast<int>(page.Control(Sensors::kCount).m_astrItems.size()) - 1;
    if (nCount > nMax)
        throw CUsageError{"--aux given " + std::to_string(nCount) + " times, but this instrument takes at most "
                          + std::to_string(nMax < 0 ? 0 : nMax) + " auxiliary sensors"};
    Require(page.SelectEntry(Sensors::kCount, nCount), "aux", std::to_string(nCount));
    for (int k = 0; k < nCount; ++k) {
        const std::string& strAux = astrAux[static_cast<std::size_t>(k)];
        const auto nEquals = strAux.find('=');
        const std::string strType = strAux.substr(0, nEquals);
        const std::vector<std::string> astrTypes = page.Control(Sensors::TypeId(k)).m_astrItems;
        const int nType = MatchOrFail("aux", strType, astrTypes);
        Require(page.SelectEntry(Sensors::TypeId(k), nType), "aux", strType, astrTypes);
        if (nEquals != std::string::npos)
            Require(page.TypeText(Sensors::CurrentId(k), strAux.substr(nEquals + 1)), "aux", strAux);
    }
}

void ApplyPage(CPageModel& page, const CPlanOptions& options)
{
    if (page.Kind() == EPageKind::SensorList) {
        ApplyAux(page, options.m_astrAux);
        return;
    }
    for (const CPlanStep& step : StepsOf(page.Kind()))
        if (options.Has(step.szOption))
            ApplyStep(page, step, options.Value(step.szOption));
}

// Once the instrument is built the page list is complete: an option that no
// page of it reads could not be used on this path.
void RequireOptionsOnPath(const CSheetModel& sheet, const CPlanOptions& options)
{
    auto onPath = [&](const std::string& strOption) {
        for (const CPageModel* pPage : sheet.Pages())
            if (PageReads(pPage->Kind(), strOption))
                return true;
        return false;
    };
    for (const auto& entry : options.m_mapValues)
        if (!onPath(entry.first))
            throw CUsageError{"--" + entry.first + " does not apply to this instrument"};
    if (!options.m_astrAux.empty() && !onPath("aux"))
        throw CUsageError{"--aux does not apply to this instrument"};
}

bool IsModelPage(EPageKind eKind) { return eKind == EPageKind::Intro || eKind == EPageKind::MoorModel; }

}  // namespace

EPlanStatus RunPlan(const CPlanOptions& options, std::string& strReport, std::string& strMessage)
{
    CMoorplanCommandLineInfo commandLine;
    commandLine.ParseParam("TEST", options.m_bTest, false);
    commandLine.ParseParam("485Nereids", options.m_b485, true);
    CSheetModel sheet(commandLine);
    try {
        sheet.Start();
        bool bPathKnown = false;
        while (sheet.CurrentPage().Kind() != EPageKind::Finish) {
            CPageModel& page = sheet.CurrentPage();
            ApplyPage(page, options);
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
                RequireOptionsOnPath(sheet, options);
                bPathKnown = true;
            }
        }
        strReport = sheet.CurrentPage().Control(CFinishPageModel::kReport).m_strText;
        return kPlanDone;
    } catch (const CUsageError& error) {
        strMessage = error.m_strText;
        return kPlanUsageError;
    }
}
