#include "Instrument600Series.h"
#include "InstrumentFactory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// The user manual quotes the battery figures of the Kelvo 610, 620 and 630;
// these tests read the manual's tables and hold them against the engine, so a
// changed rule cannot leave the manual telling a different story.
namespace {

using Row = std::vector<std::string>;

std::string ManualTopic(const char* szName)
{
    std::ifstream file(std::string(MOORPLAN_MANUAL_DIR) + "/" + szName);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string StripTags(const std::string& strCell)
{
    std::string strText = std::regex_replace(strCell, std::regex("<[^>]*>"), "");
    return std::regex_replace(strText, std::regex("&deg;"), "\xC2\xB0");
}

// The rows of the table with the given id; each row its cells' text.
std::vector<Row> TableRows(const std::string& strTopic, const std::string& strId)
{
    const std::size_t nStart = strTopic.find("<table id=\"" + strId + "\">");
    const std::size_t nEnd = strTopic.find("</table>", nStart);
    if (nStart == std::string::npos || nEnd == std::string::npos)
        return {};
    const std::string strTable = strTopic.substr(nStart, nEnd - nStart);
    std::vector<Row> aRows;
    const std::regex row("<tr>([\\s\\S]*?)</tr>");
    const std::regex cell("<t[hd][^>]*>([\\s\\S]*?)</t[hd]>");
    for (std::sregex_iterator it(strTable.begin(), strTable.end(), row), end; it != end; ++it) {
        const std::string strRow = (*it)[1];
        Row aCells;
        for (std::sregex_iterator c(strRow.begin(), strRow.end(), cell); c != end; ++c)
            aCells.push_back(StripTags((*c)[1]));
        aRows.push_back(aCells);
    }
    return aRows;
}

std::string Fixed(double dValue, const char* szFormat)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, szFormat, dValue);
    return szText;
}

TEST(ManualFigures, NominalCapacitiesAreTheBatteryList)
{
    const auto pInstrument = CreateVariant(1, 0, 1);
    ASSERT_NE(pInstrument, nullptr);
    const std::vector<Row> aRows = TableRows(ManualTopic("estimate.htm"), "nominal");
    ASSERT_EQ(aRows.size(), 4u) << "a heading and the three packs";
    for (int n = 0; n < 3; ++n) {
        const Row& aRow = aRows[static_cast<std::size_t>(n) + 1];
        ASSERT_EQ(aRow.size(), 2u);
        EXPECT_EQ(aRow[0], pInstrument->m_aBatteries.NameAt(n));
        EXPECT_EQ(aRow[1], Fixed(pInstrument->m_aBatteries.ValueAt(n), "%.1f"));
    }
}

TEST(ManualFigures, DeratingTableIsTheEnginesRules)
{
    using Rule = double (*)(double, bool, bool);
    const std::map<std::string, Rule> kRules = {
        {"Alkaline", &CInstrument600Series::AlkalineCapacity},
        {"Lithium (42 Amp-hr)", &CInstrument600Series::Lithium42Capacity},
        {"Lithium (30 Amp-hr)", &CInstrument600Series::Lithium30Capacity},
    };
    const std::vector<Row> aRows = TableRows(ManualTopic("estimate.htm"), "capacity-table");
    ASSERT_EQ(aRows.size(), 6u);
    const Row& aHeading = aRows[0];
    ASSERT_GT(aHeading.size(), 2u);
    std::vector<double> adTemperatures;
    for (std::size_t n = 2; n < aHeading.size(); ++n)
        adTemperatures.push_back(std::stod(aHeading[n]));
    EXPECT_EQ(adTemperatures.front(), -5.0) << "the coldest the deployment page accepts";
    EXPECT_EQ(adTemperatures.back(), 40.0) << "the warmest the deployment page accepts";

    for (std::size_t nRow = 1; nRow < aRows.size(); ++nRow) {
        const Row& aRow = aRows[nRow];
        ASSERT_EQ(aRow.size(), aHeading.size()) << aRow[0];
        const auto rule = kRules.find(aRow[0]);
        ASSERT_NE(rule, kRules.end()) << aRow[0];
        // "either": the rule does not depend on the load, as both readings must show.
        const std::vector<bool> abLoads = aRow[1] == "yes" ? std::vector<bool>{true}
                                          : aRow[1] == "no" ? std::vector<bool>{false}
                                                            : std::vector<bool>{false, true};
        for (const bool bLoaded : abLoads) {
            for (std::size_t n = 0; n < adTemperatures.size(); ++n) {
                // Loaded by a pump or by an auxiliary sensor: both count alike.
                const double dByPump = rule->second(adTemperatures[n], bLoaded, false);
                const double dByAux = rule->second(adTemperatures[n], false, bLoaded);
                EXPECT_EQ(aRow[n + 2], Fixed(dByPump, "%.2f")) << aRow[0] << " " << aRow[1] << " " << adTemperatures[n];
                EXPECT_EQ(aRow[n + 2], Fixed(dByAux, "%.2f")) << aRow[0] << " " << aRow[1] << " " << adTemperatures[n];
            }
        }
    }
}

}  // namespace
