#include "CommandLineInfo.h"
#include "FieldNumbers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CSwitchCase {
    std::vector<const char*> aArgs;
    bool bTest, bManual, b485;
};

class CommandLine : public ::testing::TestWithParam<CSwitchCase> {};

TEST_P(CommandLine, RecognisesTheThreeSwitchesAfterASlashOrDash)
{
    std::vector<const char*> aArgv = {"moorplan"};
    aArgv.insert(aArgv.end(), GetParam().aArgs.begin(), GetParam().aArgs.end());
    CMoorplanCommandLineInfo info;
    info.ParseCommandLine(static_cast<int>(aArgv.size()), aArgv.data());
    EXPECT_EQ(info.m_bTest, GetParam().bTest);
    EXPECT_EQ(info.m_bManual, GetParam().bManual);
    EXPECT_EQ(info.m_b485, GetParam().b485);
}

INSTANTIATE_TEST_SUITE_P(Switches, CommandLine,
                         ::testing::Values(CSwitchCase{{"/TEST"}, true, false, false},
                                           CSwitchCase{{"-tEsT", "-test"}, true, false, false},
                                           CSwitchCase{{"TEST", "MANUAL"}, false, false, false},
                                           CSwitchCase{{"/manual", "-485nereids"}, false, true, true},
                                           CSwitchCase{{"/TESTS", "--TEST", "file.txt"}, false, false, false}));

struct CUnsignedCase {
    const char* szText;
    bool bNumber;
    unsigned int nValue;
};

class ScanUnsigned : public ::testing::TestWithParam<CUnsignedCase> {};

TEST_P(ScanUnsigned, ReadsAsTheFormattedScanDoes)
{
    unsigned int nValue = 0;
    EXPECT_EQ(FieldNumbers::ScanUnsigned(GetParam().szText, nValue), GetParam().bNumber);
    if (GetParam().bNumber) {
        EXPECT_EQ(nValue, GetParam().nValue);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ScanUnsigned,
                         ::testing::Values(CUnsignedCase{"600", true, 600}, CUnsignedCase{" +12abc", true, 12},
                                           CUnsignedCase{"-1", true, 4294967295u},
                                           CUnsignedCase{"4294967295", true, 4294967295u},
                                           CUnsignedCase{"4294967306", false, 0}, CUnsignedCase{"abc", false, 0},
                                           CUnsignedCase{"", false, 0}, CUnsignedCase{"- 5", false, 0}));

TEST(FieldNumbers, IntsAndDecimalsWithoutANumberGiveZeroWhereThePageHasNoMessage)
{
    // ScanInt and ScanDouble themselves: NumberReadTest.
    EXPECT_EQ(FieldNumbers::IntOrZero("2147483648"), 0);
    EXPECT_EQ(FieldNumbers::IntOrZero("+7x"), 7);
    EXPECT_EQ(FieldNumbers::DoubleOrZero("inf"), 0.0);
    EXPECT_EQ(FieldNumbers::DoubleOrZero("nan"), 0.0);
    EXPECT_EQ(FieldNumbers::DoubleOrZero("2e-2"), 0.02);
    EXPECT_EQ(FieldNumbers::DoubleOrZero("."), 0.0);
}

}  // namespace
