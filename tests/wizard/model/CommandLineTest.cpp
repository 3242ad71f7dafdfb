#include "CommandLineInfo.h"

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

}  // namespace
