#include "HelpContexts.h"
#include "HelpFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <tuple>

namespace {

using BvUtility::HelpFile::CHelpEntry;
using BvUtility::HelpFile::CHelpFile;
using BvUtility::HelpFile::ParseSitemap;
using BvUtility::HelpFile::TopicPath;

std::string BuiltManual()
{
    std::ifstream file(MOORPLAN_HELP_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The one file of this run that holds a damaged copy.
// One copy per test: CTest runs the tests of this file side by side.
std::string CopyPath()
{
    return testing::TempDir() + "help-file-copy-" + testing::UnitTest::GetInstance()->current_test_info()->name() +
           ".chm";
}

bool OpenCopy(CHelpFile& file, const std::string& strData)
{
    std::ofstream(CopyPath(), std::ios::binary | std::ios::trunc) << strData;
    return file.Open(CopyPath());
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
    const std::tuple<const char*, const char*, int> aExpected[] = {
        {"Top & tail", "/top.htm", 0}, {"Inner", "/in.htm", 1}, {"Heading only", "", 0}};
    const std::vector<CHelpEntry> aEntries = ParseSitemap(strSitemap, 100);
    ASSERT_EQ(aEntries.size(), std::size(aExpected));
    for (std::size_t n = 0; n < aEntries.size(); ++n)
        EXPECT_EQ(std::tie(aEntries[n].strName, aEntries[n].strTopic, aEntries[n].nLevel), aExpected[n]);
    EXPECT_EQ(ParseSitemap(strSitemap, 1).size(), 1u) << "the entry cap holds";
}

// A page counts when every word occurs in its text or title, tags and style
// left out, without regard to case.
TEST(HelpFile, CountsTheWordsOfAPagesText)
{
    const std::string strPage = "<html><head><title>Tau20 &amp; more</title><style>.negative {}</style></head>"
                                "<body><p class=\"tau20\">TAU20 must not be<br>negative, tau20</p></body></html>";
    const std::pair<std::vector<std::string>, std::size_t> kCases[] = {
        {{"tau20"}, 3}, {{"negative", "tau20"}, 4}, {{"&"}, 1}, {{"be negative"}, 1}, {{"class"}, 0}, {{"tau20", "absent"}, 0},
    };
    std::string strTitle;
    for (const auto& [astrWords, nCount] : kCases)
        EXPECT_EQ(BvUtility::HelpFile::CountWords(strPage, astrWords, strTitle), nCount) << astrWords.front();
    EXPECT_EQ(strTitle, "Tau20 & more");
}

// The default topic, the contexts and the contents: the viewer shows them (HelpTest).
TEST(HelpFile, ReadsTheBuiltManualAndRefusesWhatIsNoHelpFile)
{
    CHelpFile file;
    ASSERT_TRUE(file.Open(MOORPLAN_HELP_FILE));
    EXPECT_EQ(file.Title(), "Moorplan Help");
    EXPECT_FALSE(file.Index().empty());
    std::string strData;
    ASSERT_TRUE(file.Read("/images/mooring.png", strData));
    EXPECT_EQ(strData.substr(1, 3), "PNG");
    EXPECT_FALSE(file.Read("/absent.htm", strData));

    EXPECT_FALSE(file.Open("/tmp"));
    EXPECT_FALSE(file.IsOpen());
}

// Where the manual's reset table gives the size of its first frame (0x8000).
std::size_t FirstFrameSize(const std::string& strManual)
{
    const std::string strFrame("\x00\x80\0\0\0\0\0\0", 8);
    std::size_t nTable = 0;
    while (nTable + 40 <= strManual.size() &&
           !(strManual.compare(nTable, 4, std::string("\x02\0\0\0", 4)) == 0 &&
             strManual.compare(nTable + 12, 4, std::string("\x28\0\0\0", 4)) == 0 &&
             strManual.compare(nTable + 32, 8, strFrame) == 0))
        ++nTable;
    return nTable + 32;
}

std::string Patched(std::string strData, std::size_t nAt, const std::string& strBytes)
{
    return strData.replace(nAt, strBytes.size(), strBytes);
}

// Damaged copies are refused when opened. The decompressor's window
// comes from the file's control data and the size of every decompressed
// frame from its reset table: a window the decompressor cannot set up,
// frames of 2 GB, or an object in a section the file does not have, are
// refused before the library sees them.
TEST(HelpFile, RefusesDamagedCopies)
{
    const std::string strManual = BuiltManual();
    const std::size_t nWindow = strManual.find("LZXC") + 0x0C;
    const std::size_t nFrame = FirstFrameSize(strManual);
    ASSERT_LE(nFrame + 8, strManual.size()) << "the manual's reset table";
    // The compressed pages follow their control data (which starts 4 bytes
    // before its "LZXC"), however long the manual grows.
    const std::size_t nPages = strManual.find("LZXC") - 4;
    const std::pair<const char*, std::string> aDamages[] = {
        {"empty", ""},
        {"plain text", "<html>not compiled</html>"},
        {"cut in half", strManual.substr(0, strManual.size() / 2)},
        {"header wiped", Patched(strManual, 0, std::string(64, '\0'))},
        {"directory scrambled", Patched(strManual, 0x80, std::string(0x1000, 'Z'))},
        {"control data and pages scrambled", Patched(strManual, nPages, std::string(strManual.size() - nPages, 'Z'))},
        {"window of 0", Patched(strManual, nWindow, std::string(4, '\0'))},
        {"window of 10", Patched(strManual, nWindow, std::string("\x0a\0\0\0", 4))},
        {"window of 0x4000", Patched(strManual, nWindow, std::string("\0\x40\0\0", 4))},
        {"frames of 2 GB", Patched(strManual, nFrame, std::string("\xff\xff\xff\x7f\0\0\0\0", 8))},
        {"reset table in section 16", Patched(strManual, strManual.find("InstanceData/ResetTable") + 23, "\x10")},
        {"window of 0 in control data named in capitals",
         Patched(Patched(strManual, nWindow, std::string(4, '\0')), strManual.find("/ControlData") + 1, "CONTROLDATA")},
    };
    for (const auto& [szLabel, strData] : aDamages) {
        CHelpFile file;
        EXPECT_FALSE(OpenCopy(file, strData)) << szLabel;
    }
    std::remove(CopyPath().c_str());
}

// Damaged copies of the real manual: every call ends, in bounded time,
// without reading outside what it owns (the sanitizer build watches that).
TEST(HelpFile, DamagedCopiesNeverCrash)
{
    const std::string strManual = BuiltManual();
    ASSERT_FALSE(strManual.empty());
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
        CHelpFile file;
        if (!OpenCopy(file, strData))
            continue;
        std::string strText;
        file.Read(file.DefaultTopic(), strText);
        file.Contents();
        file.Index();
        for (unsigned long nContext = IDH_PAGE_MODEL; nContext <= IDH_PAGE_FINISH; ++nContext)
            file.TopicForContext(nContext, strText);
    }
    std::remove(CopyPath().c_str());
}

}  // namespace
