#include "HelpContexts.h"
#include "HelpFile.h"
#include "ManualFacts.h"
#include "OptionTable.h"
#include "SheetModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>

// The manual against the program: what it quotes, it quotes from the code,
// and every path through it ends on a topic that exists.
namespace {

namespace fs = std::filesystem;
using BvUtility::HelpFile::CHelpEntry;
using BvUtility::HelpFile::ParseSitemap;

static_assert(IDH_PAGE_FINISH - IDH_PAGE_MODEL == static_cast<int>(EPageKind::Finish),
              "one help context per page kind, in the kinds' order");

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Every topic of the manual by its name, as written.
std::map<std::string, std::string> Topics()
{
    std::map<std::string, std::string> topics;
    for (const fs::directory_entry& entry : fs::directory_iterator(MOORPLAN_MANUAL_DIR))
        if (entry.path().extension() == ".htm")
            topics[entry.path().filename().string()] = ReadFile(entry.path());
    return topics;
}

// All matches of the first group of a pattern, with "&amp;" read back.
std::vector<std::string> Matches(const std::string& strText, const std::string& strPattern)
{
    std::vector<std::string> astrFound;
    const std::regex pattern(strPattern);
    for (auto it = std::sregex_iterator(strText.begin(), strText.end(), pattern); it != std::sregex_iterator(); ++it)
        astrFound.push_back(std::regex_replace((*it)[1].str(), std::regex("&amp;"), "&"));
    return astrFound;
}

// The topic of a wizard page, as the compiled manual's context map gives it.
std::string PageTopic(EPageKind ePage)
{
    static BvUtility::HelpFile::CHelpFile file;
    std::string strTopic;
    EXPECT_TRUE(file.IsOpen() || file.Open(MOORPLAN_HELP_FILE));
    EXPECT_TRUE(file.TopicForContext(IDH_PAGE_MODEL + static_cast<int>(ePage), strTopic)) << PageKindName(ePage);
    return strTopic.substr(1);
}

std::vector<CHelpEntry> Sitemap(const char* szFile) { return ParseSitemap(ReadFile(fs::path(MOORPLAN_MANUAL_DIR) / szFile), 10000); }

// A planted change to a range, a capacity or an option name leaves the
// topic as written behind the code, and fails here.
TEST(Manual, TopicsHoldTheFactsOfTheCode)
{
    for (const auto& [strName, strTopic] : Topics()) {
        std::string strFresh;
        std::string strError;
        ASSERT_TRUE(ManualFacts::Refresh(strTopic, strFresh, strError)) << strName << ": " << strError;
        EXPECT_EQ(strFresh, strTopic) << strName << " lags behind the code: rebuild and copy "
                                      << "the build's docs/help/stage/" << strName;
    }
}

// Each message the pages can show is quoted, and the manual quotes no other.
TEST(Manual, QuotesEveryMessageThePagesShowAndNoOther)
{
    std::set<std::string> aQuoted;
    for (const auto& [strName, strTopic] : Topics())
        for (const std::string& strQuote : Matches(strTopic, "<q class=\"msg\">([^<]*)</q>"))
            aQuoted.insert(strQuote);
    std::set<std::string> aShown;
    for (const ManualFacts::CMessage& message : ManualFacts::PageMessages()) {
        aShown.insert(message.strText);
        EXPECT_EQ(aQuoted.count(message.strText), 1u) << "not quoted: " << message.strText;
    }
    for (const std::string& strQuote : aQuoted)
        EXPECT_EQ(aShown.count(strQuote), 1u) << "no page shows: " << strQuote;
}

// Contents and index lead to topics and anchors that exist; each message is
// a keyword of the index leading to a page that shows it, each option of
// moorplan-report one leading to its topic.
TEST(Manual, ContentsAndIndexLeadToTopicsThatExist)
{
    const auto topics = Topics();
    std::map<std::string, std::string> keywords;
    for (const char* szFile : {"Moorplan.hhc", "Moorplan.hhk"})
        for (const CHelpEntry& entry : Sitemap(szFile)) {
            const std::string strTopic = entry.strTopic.substr(1, entry.strTopic.find('#') - 1);
            const std::size_t nAnchor = entry.strTopic.find('#');
            ASSERT_EQ(topics.count(strTopic), 1u) << szFile << ": " << entry.strName;
            if (nAnchor != std::string::npos) {
                const std::string strAnchor = entry.strTopic.substr(nAnchor + 1);
                EXPECT_TRUE(std::regex_search(topics.at(strTopic), std::regex("(name|id)=\"" + strAnchor + "\"")))
                    << entry.strName << " -> " << entry.strTopic;
            }
            if (szFile == std::string("Moorplan.hhk"))
                keywords[entry.strName] = strTopic;
        }
    for (const ManualFacts::CMessage& message : ManualFacts::PageMessages()) {
        std::set<std::string> aPages;
        for (EPageKind ePage : message.aPages)
            aPages.insert(PageTopic(ePage));
        EXPECT_EQ(aPages.count(keywords[message.strText]), 1u) << "index: " << message.strText;
    }
    for (const COptionRow& row : OptionTable())
        EXPECT_EQ(keywords[std::string("--") + row.szName], "moorplan-report.htm") << "index: --" << row.szName;
}

// Every topic is compiled and in the contents; the welcome topic leads to
// each page's topic in one click.
TEST(Manual, EveryTopicIsInTheContentsAndEveryPageOneClickFromWelcome)
{
    const auto topics = Topics();
    const std::string strProject = ReadFile(fs::path(MOORPLAN_MANUAL_DIR) / "Moorplan.hhp");
    std::set<std::string> aContents;
    for (const CHelpEntry& entry : Sitemap("Moorplan.hhc"))
        aContents.insert(entry.strTopic.substr(1, entry.strTopic.find('#') - 1));
    for (const auto& topic : topics) {
        EXPECT_NE(strProject.find("\n" + topic.first + "\n"), std::string::npos) << topic.first << " is not compiled";
        EXPECT_EQ(aContents.count(topic.first), 1u) << topic.first << " is not in the contents";
    }
    const std::vector<std::string> astrLinks = Matches(topics.at("welcome.htm"), "href=\"([^\"#]*)");
    for (int nPage = 0; nPage <= static_cast<int>(EPageKind::Finish); ++nPage) {
        const std::string strTopic = PageTopic(static_cast<EPageKind>(nPage));
        EXPECT_NE(std::find(astrLinks.begin(), astrLinks.end(), strTopic), astrLinks.end()) << strTopic;
    }
}

// moorplan.1 and the switches topic name the switches the command line knows,
// and no others; the man page the build writes from --help names every option.
TEST(Manual, ManPagesNameEverySwitchAndOption)
{
    const std::string strReportMan = std::regex_replace(ReadFile(MOORPLAN_REPORT_MAN_PAGE), std::regex(R"(\\-)"), "-");
    for (const COptionRow& row : OptionTable()) {
        const std::string strName = std::string("\\fB--") + row.szName + "\\fR";
        EXPECT_NE(strReportMan.find(strName), std::string::npos) << "man moorplan-report: --" << row.szName;
    }
    std::set<std::string> aKnown;
    for (const CWizardSwitchName& name : kWizardSwitchNames)
        aKnown.insert(name.szName);
    aKnown.insert(kMooringSwitchName);
    const std::vector<std::string> astrManPage = Matches(ReadFile(MOORPLAN_MAN_PAGE), "\n\\.B /(\\S+)\n");
    EXPECT_EQ(std::set<std::string>(astrManPage.begin(), astrManPage.end()), aKnown);
    const std::vector<std::string> astrTopic =
        Matches(Topics().at("switches.htm"), "<tr><td><a name=\"([^\"]+)\"></a>");
    EXPECT_EQ(std::set<std::string>(astrTopic.begin(), astrTopic.end()), aKnown);
}

}  // namespace
