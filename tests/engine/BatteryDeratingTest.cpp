#include "Instrument600Series.h"
#include "InstrumentFactory.h"

#include <gtest/gtest.h>

namespace {

// ManualFiguresTest holds every rule against the manual's table to two
// decimals; these rows are the temperatures where only the last bits show
// which branch was taken.
TEST(BatteryDerating, BranchEdgesTakeTheLinearBranch)
{
    EXPECT_EQ(CInstrument600Series::AlkalineCapacity(20.0, false, false), 12.200000000000001);
    EXPECT_EQ(CInstrument600Series::AlkalineCapacity(0.0, false, false), 6.1000000000000005);
}

// Which rule and load the record selects: the pack by index (none outside the
// list), a load by a pump other than "none" or by an auxiliary sensor; the
// Kelvo 630 always counts as pumping.
TEST(BatteryDerating, ChosenPackAndLoadSelectTheRule)
{
    const struct {
        int nModel, nBattery, nPump, nAuxCount;
        double dExpected;
    } kCases[] = {
        {1, -1, 0, 0, 0.0},   {1, 3, 0, 0, 0.0},      {1, 4, 0, 0, 0.0},   {1, 1000, 0, 0, 0.0},
        {1, 0, 0, 0, 9.15},   {1, 0, 1, 0, 7.875},    {1, 0, -1, 1, 7.875}, {1, 2, -1, 1, 24.48},
        {2, 1, -1, 0, 34.2},
    };
    for (const auto& c : kCases) {
        auto p = CreateVariant(c.nModel, 0, 1);
        p->m_dDeploymentTemperature = 10.0;
        p->m_nBatteryIndex = c.nBattery;
        p->m_nPumpIndex = c.nPump;
        p->m_nAuxSensorCount = c.nAuxCount;
        const double dCapacity = dynamic_cast<CInstrument600Series&>(*p).GetDeratedBatteryCapacity();
        EXPECT_EQ(dCapacity, c.dExpected) << c.nModel << " battery " << c.nBattery << " pump " << c.nPump;
    }
}

}  // namespace
