#include "HelpFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

using BvUtility::HelpFile::CHelpEntry;
using BvUtility::HelpFile::CHelpFile;
using BvUtility::HelpFile::ParseSitemap;
using BvUtility::HelpFile::TopicPath;

std::string ReadWhole(const char* szPath)
{
    std::ifstream file(szPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(HelpFile, TopicPathsStayInsideTheFile)
{
    const std::pair<const char*, const char*> kCases[] = {
        {"welcome.htm", "/welcome.htm"},
        {"/welcome.htm", "/welcome.htm"},
        {"./images/../images/mooring.png", "/images/mooring.png"},
        {"images\\mooring.png", "/images/mooring.png"},
        {"estimate.htm#capacity", "/estimate.htm#capacity"},
        {"../outside.htm", ""},
        {"", ""},
        {"/", ""},
    };
    for (const auto& [szName, szPath] : kCases)
        EXPECT_EQ(TopicPath(szName), szPath) << szName;
}

TEST(HelpFile, SitemapEntriesKeepTheirDepth)
{
    const std::string strSitemap =
        "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Top &amp; tail\">"
        "<param name=\"Local\" value=\"top.htm\"></OBJECT>"
        "<ul><li><object type='text/sitemap'><PARAM NAME=name VALUE=Inner><param name='local' value='in.htm'></object>"
        "</ul><LI><OBJECT><param name=\"Name\" value=\"Heading only\"></OBJECT></UL>"
        "<OBJECT><param name=\"Local\" value=\"nameless.htm\"></OBJECT><OBJECT><param name=\"Name\" value=\"cut";
    const std::vector<CHelpEntry> aEntries = ParseSitemap(strSitemap, 100);
    ASSERT_EQ(aEntries.size(), 3u);
    EXPECT_EQ(aEntries[0].strName, "Top & tail");
    EXPECT_EQ(aEntries[0].strTopic, "/top.htm");
    EXPECT_EQ(aEntries[0].nLevel, 0);
    EXPECT_EQ(aEntries[1].strName, "Inner");
    EXPECT_EQ(aEntries[1].strTopic, "/in.htm");
    EXPECT_EQ(aEntries[1].nLevel, 1);
    EXPECT_EQ(aEntries[2].strTopic, "");
    EXPECT_EQ(ParseSitemap(strSitemap, 1).size(), 1u) << "the entry cap holds";
}

TEST(HelpFile, ReadsTheBuiltManual)
{
    CHelpFile file;
    ASSERT_TRUE(file.Open(MOORPLAN_HELP_FILE));
    EXPECT_EQ(file.DefaultTopic(), "/welcome.htm");
    EXPECT_EQ(file.Title(), "Moorplan Help");
    std::string strPage;
    ASSERT_TRUE(file.Read("/welcome.htm", strPage));
    EXPECT_NE(strPage.find("<h1>Welcome to Moorplan</h1>"), std::string::npos);
    ASSERT_TRUE(file.Read("/images/mooring.png", strPage));
    EXPECT_EQ(strPage.substr(1, 3), "PNG");
    EXPECT_FALSE(file.Read("/absent.htm", strPage));

    std::string strTopic;
    ASSERT_TRUE(file.TopicForContext(1001, strTopic));
    EXPECT_EQ(strTopic, "/page-model.htm");
    EXPECT_FALSE(file.TopicForContext(0, strTopic));
    EXPECT_FALSE(file.Contents().empty());
    EXPECT_FALSE(file.Index().empty());
}

TEST(HelpFile, RefusesWhatIsNoHelpFile)
{
    CHelpFile file;
    EXPECT_FALSE(file.Open("/nonexistent/Moorplan.chm"));
    EXPECT_FALSE(file.Open("/tmp"));
    EXPECT_FALSE(file.IsOpen());
}

void ExpectRefused(const std::string& strData)
{
    const std::string strCopy = testing::TempDir() + "help-file-refused.chm";
    std::ofstream(strCopy, std::ios::binary | std::ios::trunc) << strData;
    CHelpFile file;
    EXPECT_FALSE(file.Open(strCopy));
    std::remove(strCopy.c_str());
}

// The decompressor's window comes from the file's control data; a window the
// decompressor cannot set up is refused before the library sees it.
TEST(HelpFile, RefusesAnUnusableDecompressionWindow)
{
    for (const std::uint32_t nWindow : {0u, 10u, 0x4000u}) {
        std::string strData = ReadWhole(MOORPLAN_HELP_FILE);
        const std::size_t nControl = strData.find("LZXC");
        ASSERT_NE(nControl, std::string::npos);
        for (int n = 0; n < 4; ++n)
            strData[nControl + 0x0C + n] = static_cast<char>(nWindow >> (8 * n));
        ExpectRefused(strData);
    }
}

// The compressed pages' reset table sets the size of every decompressed
// frame; a file claiming frames of 2 GB is refused, not allocated for.
TEST(HelpFile, RefusesAbsurdFrameSizes)
{
    std::string strData = ReadWhole(MOORPLAN_HELP_FILE);
    const std::string strFrame("\x00\x80\0\0\0\0\0\0", 8);
    std::size_t nTable = 0;
    while (nTable + 40 <= strData.size() &&
           !(strData.compare(nTable, 4, std::string("\x02\0\0\0", 4)) == 0 &&
             strData.compare(nTable + 12, 4, std::string("\x28\0\0\0", 4)) == 0 &&
             strData.compare(nTable + 32, 8, strFrame) == 0))
        ++nTable;
    ASSERT_LE(nTable + 40, strData.size()) << "the manual's reset table";
    strData.replace(nTable + 32, 8, std::string("\xff\xff\xff\x7f\0\0\0\0", 8));
    ExpectRefused(strData);
}

// Damaged copies of the real manual: every call ends, in bounded time,
// without reading outside what it owns (the sanitizer build watches that).
TEST(HelpFile, DamagedCopiesNeverCrash)
{
    const std::string strManual = ReadWhole(MOORPLAN_HELP_FILE);
    ASSERT_FALSE(strManual.empty());
    const std::string strCopy = testing::TempDir() + "help-file-damage.chm";
    std::mt19937 random(12);
    for (int nRound = 0; nRound < 120; ++nRound) {
        std::string strData = strManual;
        if (nRound % 3 == 0) {
            strData.resize(random() % strData.size());
        } else {
            // Bytes flipped, most often in the headers and directory where
            // the sizes and offsets live.
            const std::size_t nSpan = nRound % 3 == 1 ? 0x1000 : strData.size();
            for (int n = 0; n < 8; ++n)
                strData[random() % std::min(nSpan, strData.size())] = static_cast<char>(random());
        }
        std::ofstream(strCopy, std::ios::binary | std::ios::trunc) << strData;
        CHelpFile file;
        if (!file.Open(strCopy))
            continue;
        std::string strText;
        file.Read(file.DefaultTopic(), strText);
        file.Contents();
        file.Index();
        for (unsigned long nContext = 1001; nContext <= 1010; ++nContext)
            file.TopicForContext(nContext, strText);
    }
    std::remove(strCopy.c_str());
}

}  // namespace
