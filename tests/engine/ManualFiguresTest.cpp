#include "Instrument600Series.h"
#include "InstrumentFactory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

// The user manual quotes the battery figures of the Kelvo 610, 620 and 630;
// these tests write the manual's tables from the engine's lists and rules, so
// a changed rule cannot leave the manual telling a different story.
namespace {

// The rows of the manual's table with the given id, as the topic writes them.
std::string ManualTable(const std::string& strId)
{
    std::ifstream file(std::string(MOORPLAN_MANUAL_DIR) + "/estimate.htm");
    std::ostringstream text;
    text << file.rdbuf();
    const std::string strTopic = text.str();
    const std::string strOpen = "<table id=\"" + strId + "\">\n";
    const std::size_t nStart = strTopic.find(strOpen);
    if (nStart == std::string::npos)
        return "";
    const std::size_t nRows = nStart + strOpen.size();
    return strTopic.substr(nRows, strTopic.find("</table>", nRows) - nRows);
}

std::string Cell(double dValue, const char* szFormat)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, szFormat, dValue);
    return std::string("<td>") + szText + "</td>";
}

TEST(ManualFigures, NominalCapacitiesAreTheBatteryList)
{
    const auto pInstrument = CreateVariant(1, 0, 1);
    std::string strRows = "<tr><th>Battery</th><th>Nominal capacity (Ah)</th></tr>\n";
    for (int n = 0; n < 3; ++n) {
        strRows += "<tr><td>" + pInstrument->m_aBatteries.NameAt(n) + "</td>" +
                   Cell(pInstrument->m_aBatteries.ValueAt(n), "%.1f") + "</tr>\n";
    }
    EXPECT_EQ(ManualTable("nominal"), strRows);
}

TEST(ManualFigures, DeratingTableIsTheEnginesRules)
{
    using Rule = double (*)(double, bool, bool);
    const struct {
        const char* szPack;
        const char* szLoaded;
        Rule pfnRule;
    } kRows[] = {
        {"Alkaline", "no", &CInstrument600Series::AlkalineCapacity},
        {"Alkaline", "yes", &CInstrument600Series::AlkalineCapacity},
        {"Lithium (42 Amp-hr)", "no", &CInstrument600Series::Lithium42Capacity},
        {"Lithium (42 Amp-hr)", "yes", &CInstrument600Series::Lithium42Capacity},
        {"Lithium (30 Amp-hr)", "either", &CInstrument600Series::Lithium30Capacity},
    };
    // From the coldest to the warmest temperature the deployment page accepts.
    const double adTemperatures[] = {-5.0, 0.0, 5.0, 10.0, 15.0, 20.0, 25.0, 30.0, 40.0};
    std::string strRows = "<tr><th>Battery</th><th>Loaded</th>";
    for (double dTemperature : adTemperatures)
        strRows += "<th>" + std::to_string(static_cast<int>(dTemperature)) + " &deg;C</th>";
    strRows += "</tr>\n";
    for (const auto& row : kRows) {
        strRows += std::string("<tr><td>") + row.szPack + "</td><td>" + row.szLoaded + "</td>";
        const bool bLoaded = std::strcmp(row.szLoaded, "yes") == 0;
        for (double dTemperature : adTemperatures) {
            const double dCapacity = row.pfnRule(dTemperature, bLoaded, false);
            // A pump and an auxiliary sensor load the pack alike; "either":
            // the load plays no part.
            EXPECT_EQ(row.pfnRule(dTemperature, false, bLoaded), dCapacity) << row.szPack << dTemperature;
            if (std::strcmp(row.szLoaded, "either") == 0) {
                EXPECT_EQ(row.pfnRule(dTemperature, true, true), dCapacity) << row.szPack << dTemperature;
            }
            strRows += Cell(dCapacity, "%.2f");
        }
        strRows += "</tr>\n";
    }
    EXPECT_EQ(ManualTable("capacity-table"), strRows);
}

}  // namespace
