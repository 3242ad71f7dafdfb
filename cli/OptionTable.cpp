#include "OptionTable.h"

#include <algorithm>
#include <iterator>

namespace {

COptionRow Switch(const char* szName, bool CReportOptions::*pFlag, const char* szHelp)
{
    return {szName, EOptionKind::Switch, nullptr, pFlag, {}, "", szHelp};
}
COptionRow HelpSwitch(const char* szName, bool CReportOptions::*pFlag, const char* szHelp)
{
    return {szName, EOptionKind::Help, nullptr, pFlag, {}, "", szHelp};
}
COptionRow Setting(const char* szName, const char* szArg, std::vector<std::string> astrKeywords, const char* szHelp)
{
    return {szName, EOptionKind::Setting, nullptr, nullptr, std::move(astrKeywords), szArg, szHelp};
}

std::vector<COptionRow> Rows()
{
    std::vector<COptionRow> aRows;
    for (const CAnswerRow& answer : AnswerTable())
        aRows.push_back({answer.szName, answer.bRows ? EOptionKind::PageRows : EOptionKind::PageAnswer, &answer,
                         nullptr, {}, answer.szArg, answer.szHelp});
    const COptionRow aRunRows[] = {
        Setting(kPlanOption, "FILE", {},
                "the answers of a plan file (.moorplan); options\n"
                "before it give way to it, options after override it"),
        Setting(kSavePlanOption, "FILE", {},
                "write the plan of the run (every answer the pages\n"
                "hold) to FILE once the report is done"),
        Switch("test", &CReportOptions::m_bTest, "append the table of sample interval against days"),
        Switch("485Nereids", &CReportOptions::m_b485, "offer RS 485 for the Kelvo 700 without oxygen"),
        Switch("trace", &CReportOptions::m_bTrace, "write the diagnostic lines to standard error"),
        Switch("json", &CReportOptions::m_bJson,
               "print one JSON object instead of the text:\n"
               "schema, inputs (the plan file's object), capacity,\n"
               "enduranceDays, minInterval, breakdown, test (with\n"
               "--test), report; with --mooring: schema, name,\n"
               "deployed, recovery, verdict, positions"),
        Setting(kSweepOption, "NAME=START:STOP:STEP", {},
                "CSV of the endurance for each value of --NAME\n"
                "(interval or temperature) from START to STOP in\n"
                "steps of STEP; a refused value's row has its message"),
        Setting(kMooringOption, "FILE", {},
                "the table of a mooring file (.mooring): each\n"
                "position's plan run as --plan runs it, its end\n"
                "against the recovery day, and the verdict"),
        Switch("csv", &CReportOptions::m_bCsv, "with --mooring: the table as CSV"),
        HelpSwitch("help", &CReportOptions::m_bHelp, "show this text"),
    };
    aRows.insert(aRows.end(), std::begin(aRunRows), std::end(aRunRows));
    return aRows;
}

}  // namespace

const std::vector<COptionRow>& OptionTable()
{
    static const std::vector<COptionRow> aRows = Rows();
    return aRows;
}

const COptionRow* FindOption(const std::string& strName)
{
    const std::vector<COptionRow>& aRows = OptionTable();
    const auto it = std::find_if(aRows.begin(), aRows.end(), [&](const COptionRow& row) { return strName == row.szName; });
    return it == aRows.end() ? nullptr : &*it;
}

std::vector<std::string> COptionRow::Keywords() const { return pAnswer ? pAnswer->Keywords() : astrKeywords; }
