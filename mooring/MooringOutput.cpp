#include "MooringOutput.h"

#include "BreakdownJson.h"
#include "CsvField.h"
#include "MooringFile.h"

#include <algorithm>

namespace MooringOutput {
namespace {

using JsonValue = JsonDocument::Json;

// A text the person gave, as a line shows it (control characters escaped).
std::string Given(const std::string& strText) { return CPlanAnswers::Shown(strText); }

struct CColumn {
    const char* szHeader;   // the text table's
    const char* szCsv;      // the CSV header's; nullptr: not in the CSV
    bool bRight;            // numbers line up on the right
    std::string (*pfnCell)(const CMooringPosition& position, const CPositionRow& row);
};

const CColumn kaColumns[] = {
    {"Label", "label", false, [](const CMooringPosition& p, const CPositionRow&) { return Given(p.m_strLabel); }},
    {"Depth (m)", "depth", true,
     [](const CMooringPosition& p, const CPositionRow&) { return MooringFile::DepthText(p.m_dDepth); }},
    {"Model", "model", false, [](const CMooringPosition&, const CPositionRow& r) { return Given(r.Shown("model")); }},
    {"Comms", nullptr, false, [](const CMooringPosition&, const CPositionRow& r) { return Given(r.Shown("comm")); }},
    {"Interval (s)", "interval", true,
     [](const CMooringPosition&, const CPositionRow& r) { return Given(r.Shown("interval")); }},
    {"Battery", "battery", false,
     [](const CMooringPosition&, const CPositionRow& r) { return Given(r.Shown("battery")); }},
    {"Temp (C)", "temperature", true,
     [](const CMooringPosition&, const CPositionRow& r) { return Given(r.Shown("temperature")); }},
    {"Days", "days", true, [](const CMooringPosition&, const CPositionRow& r) { return r.DaysText(); }},
    {"End", "end", false, [](const CMooringPosition&, const CPositionRow& r) { return r.EndText(); }},
    {"Margin", "margin", true, [](const CMooringPosition&, const CPositionRow& r) { return r.MarginText(); }},
    {"Status", "status", false, [](const CMooringPosition&, const CPositionRow& r) { return r.Status(); }},
};
constexpr std::size_t kColumns = sizeof kaColumns / sizeof kaColumns[0];

// Characters, not bytes: a label in UTF-8 lines up as it shows.
std::size_t Width(const std::string& strText)
{
    return static_cast<std::size_t>(std::count_if(strText.begin(), strText.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

JsonValue OrNull(bool bHas, const JsonValue& value) { return bHas ? value : JsonValue(nullptr); }

}  // namespace

std::string Text(const CMooring& mooring, const CMooringTable& table)
{
    std::vector<std::vector<std::string>> aastrCells(1);
    for (const CColumn& column : kaColumns)
        aastrCells[0].push_back(column.szHeader);
    for (std::size_t i = 0; i < table.m_aRows.size(); ++i) {
        aastrCells.emplace_back();
        for (const CColumn& column : kaColumns) {
            const std::string strCell = column.pfnCell(mooring.m_aPositions[i], table.m_aRows[i]);
            aastrCells.back().push_back(strCell.empty() ? "-" : strCell);
        }
    }
    std::size_t anWidths[kColumns] = {};
    for (const auto& astrLine : aastrCells)
        for (std::size_t c = 0; c < kColumns; ++c)
            anWidths[c] = std::max(anWidths[c], Width(astrLine[c]));

    const long long nDays = mooring.m_recovery.Number() - mooring.m_deployed.Number();
    std::string strText = "Mooring " + Given(mooring.m_strName) + ": deployed " + IsoDayText(mooring.m_deployed)
                          + ", recovery " + IsoDayText(mooring.m_recovery) + " (" + std::to_string(nDays)
                          + " days)\n\n";
    for (const auto& astrLine : aastrCells) {
        std::string strLine;
        for (std::size_t c = 0; c < kColumns; ++c) {
            const std::string strPad(anWidths[c] - Width(astrLine[c]), ' ');
            const bool bLast = c + 1 == kColumns;
            strLine += kaColumns[c].bRight ? strPad + astrLine[c] : astrLine[c] + (bLast ? "" : strPad);
            if (!bLast)
                strLine += "  ";
        }
        strText += strLine + "\n";
    }
    strText += "\n";
    for (const std::string& strNotice : table.m_astrNotices)
        strText += strNotice + "\n";
    return strText + table.m_strVerdict + "\n";
}

std::string Csv(const CMooring& mooring, const CMooringTable& table)
{
    auto line = [](auto&& field) {
        std::string strLine;
        const char* szComma = "";
        for (const CColumn& column : kaColumns) {
            if (column.szCsv) {
                strLine += szComma + field(column);
                szComma = ",";
            }
        }
        return strLine + "\n";
    };
    std::string strCsv = line([](const CColumn& column) { return std::string(column.szCsv); });
    for (std::size_t i = 0; i < table.m_aRows.size(); ++i)
        strCsv += line([&](const CColumn& column) {
            return CsvField(column.pfnCell(mooring.m_aPositions[i], table.m_aRows[i]));
        });
    return strCsv;
}

std::string Json(const CMooring& mooring, const CMooringTable& table)
{
    JsonValue positions = JsonValue::array();
    for (std::size_t i = 0; i < table.m_aRows.size(); ++i) {
        const CMooringPosition& position = mooring.m_aPositions[i];
        const CPositionRow& row = table.m_aRows[i];
        const CPlanOutcome& outcome = *row.m_pOutcome;
        const bool bDone = outcome.m_eStatus == kPlanDone;
        positions.push_back({
            {"label", position.m_strLabel},
            {"depth", JsonValue::parse(MooringFile::DepthText(position.m_dDepth))},
            {"days", OrNull(bDone, outcome.m_dDays)},
            {"end", OrNull(row.m_bHasEnd, row.EndText())},
            {"margin", OrNull(row.m_bHasEnd, row.m_nMargin)},
            {"status", row.Status()},
            {"breakdown", OrNull(bDone, bDone ? BreakdownJson(outcome.m_breakdown) : JsonValue())},
            {"report", OrNull(bDone, outcome.m_strReport)},
        });
    }
    const JsonValue document = {
        {"schema", kJsonSchema},
        {"name", mooring.m_strName},
        {"deployed", IsoDayText(mooring.m_deployed)},
        {"recovery", IsoDayText(mooring.m_recovery)},
        {"verdict", table.m_strVerdict},
        {"positions", positions},
    };
    // Replacement characters instead of an exception for text that is not UTF-8.
    return document.dump(2, ' ', false, JsonValue::error_handler_t::replace) + "\n";
}

}  // namespace MooringOutput
