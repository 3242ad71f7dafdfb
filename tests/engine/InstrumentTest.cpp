#include "Instrument.h"

#include <gtest/gtest.h>

namespace {

struct CBareInstrument : CInstrument {
    CBareInstrument() : CInstrument(4, 1, 2, 3, 5, 4, 6, 1, 1, 700) {}
    void BuildSummary(int) override {}
    double CalculateEndurance(int) override { return 0.0; }
};

TEST(Instrument, FreshRecordHoldsTheDefaults)
{
    CBareInstrument record;
    EXPECT_EQ(record.m_nSampleInterval, -1);
    EXPECT_EQ(record.m_nInstrumentsQueried, -1);
    EXPECT_EQ(record.m_nCommsPerHour, -1);
    EXPECT_EQ(record.m_nNCycles, 1);
    EXPECT_EQ(record.m_nNAvg, 4);
    EXPECT_EQ(record.GetDeploymentTemperature(), 20.0);
    EXPECT_EQ(record.m_dDeploymentPressure, 0.0);
    EXPECT_EQ(record.m_dTau20, 0.0);
    EXPECT_EQ(record.GetBatteryIndex(), -1);
    EXPECT_EQ(record.GetPressureSensorIndex(), -1);
    EXPECT_EQ(record.m_nPumpIndex, -1);
    EXPECT_EQ(record.m_nAuxSensorCount, -1);
    EXPECT_EQ(record.GetNCyclesRangeMsg(), "NCycles must be between 1 and 100 seconds");
    EXPECT_EQ(record.GetSampleIntervalRangeMsg(), "Sample interval must be between 10 and 32767 seconds.");
    EXPECT_EQ(record.GetMinSampleInterval(), 10);
    // The ten constructor arguments land in their members.
    EXPECT_EQ(record.GetModelIndex(), 4);
    EXPECT_EQ(record.GetCommIndex(), 1);
    EXPECT_EQ(record.GetFirmwareIndex(), 2);
    EXPECT_EQ(record.GetBatteryCount(), 3);
    EXPECT_EQ(record.GetPressureSensorCount(), 5);
    EXPECT_EQ(record.GetPumpCount(), 4);
    EXPECT_EQ(record.GetCommScheme(), 6);
    EXPECT_EQ(record.HasPumpModes(), 1);
    EXPECT_EQ(record.HasRealTimeOption(), 1);
    EXPECT_EQ(record.GetFamilyCode(), 700);
}

TEST(Instrument, OptionListsNeverReadOutside)
{
    CBareInstrument record;
    record.m_aPumps.Set(4, "last", 0.5);
    record.m_aPumps.Set(5, "beyond", 9.0);
    for (int nIndex : {-1, 5, 1000})
        EXPECT_EQ(record.m_aPumps.NameAt(nIndex), "") << nIndex;
    EXPECT_EQ(record.m_aPumps.ValueAt(4), 0.5);
    EXPECT_EQ(record.m_aAuxSensors.ValueAt(8), 0.0);
}

}  // namespace
