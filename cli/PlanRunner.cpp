#include "PlanRunner.h"

#include "ChoiceMatch.h"
#include "OptionTable.h"
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

void ApplyStep(CPageModel& page, const std::string& strOption, const CPageReading& step, const std::string& strValue)
{
    switch (step.eStep) {
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
    case EStepKind::SensorRows:
        break;   // the rows come all at once, see ApplyRows
    }
}

// The sensor rows: the number of values is the count, then each row's type
// and, after "=", the current typed into its field.
void ApplyRows(CPageModel& page, const std::string& strOption, const CPageReading& step,
               const std::vector<std::string>& astrRows)
{
    using Sensors = CSensorListPageModel;
    if (astrRows.empty())
        return;
    const int nCount = static_cast<int>(astrRows.size());
    const int nMax = static_cast<int>(page.Control(step.nControl).m_astrItems.size()) - 1;
    if (nCount > nMax)
        throw CUsageError{"--" + strOption + " given " + std::to_string(nCount) + " times, but this instrument takes at most "
                          + std::to_string(nMax < 0 ? 0 : nMax) + " auxiliary sensors"};
    Require(page.SelectEntry(step.nControl, nCount), strOption, std::to_string(nCount));
    for (int k = 0; k < nCount; ++k) {
        const std::string& strRow = astrRows[static_cast<std::size_t>(k)];
        const auto nEquals = strRow.find('=');
        const std::string strType = strRow.substr(0, nEquals);
        const std::vector<std::string> astrTypes = page.Control(Sensors::TypeId(k)).m_astrItems;
        const int nType = MatchOrFail(strOption, strType, astrTypes);
        Require(page.SelectEntry(Sensors::TypeId(k), nType), strOption, strType, astrTypes);
        if (nEquals != std::string::npos)
            Require(page.TypeText(Sensors::CurrentId(k), strRow.substr(nEquals + 1)), strOption, strRow);
    }
}

// The answers the page reads, in its control order.
void ApplyPage(CPageModel& page, const CPlanOptions& options)
{
    for (const COptionRow& row : OptionTable()) {
        for (const CPageReading& reading : row.aReadings) {
            if (reading.ePage != page.Kind())
                continue;
            if (row.eKind == EOptionKind::PageRows)
                ApplyRows(page, row.szName, reading, options.Rows(row.szName));
            else if (options.Has(row.szName))
                ApplyStep(page, row.szName, reading, options.Value(row.szName));
        }
    }
}

// Once the instrument is built the page list is complete: a page answer that
// no page of it reads could not be used on this path. Settings of the run
// itself are no page's business.
void RequireOptionsOnPath(const CSheetModel& sheet, const CPlanOptions& options)
{
    auto require = [&](const std::string& strOption) {
        const COptionRow* pRow = FindOption(strOption);
        if (!pRow || !pRow->IsPageAnswer())
            return;
        for (const CPageModel* pPage : sheet.Pages())
            if (pRow->ReadBy(pPage->Kind()))
                return;
        throw CUsageError{"--" + strOption + " does not apply to this instrument"};
    };
    for (const auto& entry : options.m_mapValues)
        require(entry.first);
    for (const auto& entry : options.m_mapRows)
        require(entry.first);
}

bool IsModelPage(EPageKind eKind) { return eKind == EPageKind::Intro || eKind == EPageKind::MoorModel; }

}  // namespace

EPlanStatus RunPlan(const CPlanOptions& options, std::string& strReport, std::string& strMessage,
                    const std::function<void(CSheetModel&)>& onFinish)
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
        if (onFinish)
            onFinish(sheet);
        return kPlanDone;
    } catch (const CUsageError& error) {
        strMessage = error.m_strText;
        return kPlanUsageError;
    }
}
