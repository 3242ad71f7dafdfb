#include "Instrument600Series.h"
#include "InstrumentFactory.h"

#include <gtest/gtest.h>

namespace {

using Rule = double (*)(double, bool, bool);

struct CRuleCase {
    const char* szLabel;
    Rule pfnRule;
    double dTemperature;
    bool bPumpLoad;
    bool bAuxLoad;
    double dExpected;
};

const Rule kAlkaline = &CInstrument600Series::AlkalineCapacity;
const Rule kLithium42 = &CInstrument600Series::Lithium42Capacity;
const Rule kLithium30 = &CInstrument600Series::Lithium30Capacity;

const CRuleCase kRuleCases[] = {
    {"alkaline warm", kAlkaline, 25.0, false, false, 12.2},
    {"alkaline 20 takes the linear branch", kAlkaline, 20.0, false, false, 12.200000000000001},
    {"alkaline 10", kAlkaline, 10.0, false, false, 9.15},
    {"alkaline 0 through the linear branch", kAlkaline, 0.0, false, false, 6.1000000000000005},
    {"alkaline below 0", kAlkaline, -5.0, false, false, 6.1},
    {"alkaline pump load 10", kAlkaline, 10.0, true, false, 7.875},
    {"alkaline aux load 10", kAlkaline, 10.0, false, true, 7.875},
    {"alkaline loaded cold", kAlkaline, -1.0, true, false, 5.25},
    {"lithium 42 at 20", kLithium42, 20.0, false, false, 37.7},
    {"lithium 42 warm", kLithium42, 30.0, false, false, 38.2},
    {"lithium 42 at 25 takes the linear branch", kLithium42, 25.0, false, false, 38.2},
    {"lithium 42 at 0 is cold", kLithium42, 0.0, false, false, 35.7},
    {"lithium 42 loaded at 20", kLithium42, 20.0, true, false, 35.2},
    {"lithium 42 loaded cold", kLithium42, 0.0, false, true, 33.2},
    {"lithium 30 at 10", kLithium30, 10.0, false, false, 24.48},
    {"lithium 30 at 25 takes the linear branch", kLithium30, 25.0, false, false, 25.5},
    {"lithium 30 warm", kLithium30, 40.0, false, false, 25.5},
    {"lithium 30 ignores the load", kLithium30, 10.0, true, true, 24.48},
};

TEST(BatteryDerating, RulesGiveTheTabledCapacities)
{
    for (const CRuleCase& c : kRuleCases)
        EXPECT_EQ(c.pfnRule(c.dTemperature, c.bPumpLoad, c.bAuxLoad), c.dExpected) << c.szLabel;
}

CInstrument600Series& As600(const std::unique_ptr<CInstrument>& pInstrument)
{
    return dynamic_cast<CInstrument600Series&>(*pInstrument);
}

TEST(BatteryDerating, ChosenPackAndLoadSelectTheRule)
{
    auto p620 = CreateVariant(1, 0, 1);
    p620->m_dDeploymentTemperature = 10.0;
    for (int nIndex : {-1, 3, 4, 1000}) {
        p620->m_nBatteryIndex = nIndex;
        EXPECT_EQ(As600(p620).GetDeratedBatteryCapacity(), 0.0) << nIndex;
    }
    p620->m_nBatteryIndex = 0;
    p620->m_nPumpIndex = 0;   // "none" draws no load
    p620->m_nAuxSensorCount = 0;
    EXPECT_EQ(As600(p620).GetDeratedBatteryCapacity(), 9.15);
    p620->m_nPumpIndex = 1;
    EXPECT_EQ(As600(p620).GetDeratedBatteryCapacity(), 7.875);
    p620->m_nPumpIndex = -1;
    p620->m_nAuxSensorCount = 1;
    EXPECT_EQ(As600(p620).GetDeratedBatteryCapacity(), 7.875);
    p620->m_nBatteryIndex = 2;
    EXPECT_EQ(As600(p620).GetDeratedBatteryCapacity(), 24.48);
}

TEST(BatteryDerating, Kelvo630AlwaysCountsAsPumping)
{
    auto p630 = CreateVariant(2, 0, 1);
    p630->m_nBatteryIndex = 1;
    p630->m_nAuxSensorCount = 0;
    p630->m_nPumpIndex = -1;
    EXPECT_EQ(As600(p630).GetDeratedBatteryCapacity(), 35.2);
}

}  // namespace
