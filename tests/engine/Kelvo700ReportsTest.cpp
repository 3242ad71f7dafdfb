#include "Kelvo700Make.h"

#include <gtest/gtest.h>

namespace {

const std::string kTwoYears = "\r\n\r\nBatteries are not expected\r\nto last longer than 2 years";

std::string Summary(CInstrument& r, int bWithEndurance)
{
    r.BuildSummary(bWithEndurance);
    return r.m_strSummary;
}

TEST(Kelvo700Report, WorkedRecordWithTheShortTwoYearWarning)
{
    std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument700LxRs232Fw20>();
    p->SetPressureSensorIndex(0);
    p->SetBatteryIndex(0);
    p->m_nSampleInterval = 300;
    EXPECT_EQ(Summary(*p, 1),
              "Moorplan 1.3\r\nModel = Kelvo 700 LX RS-232\r\nFirmware > or = 2.0 and < 2.6\r\n"
              "Pressure Sensor = none\r\nSample Interval = 300\r\nNAverage = 4\r\nSampling Type = Autonomous\r\n"
              "Battery Type is: AA Lithium\r\n\r\nBattery Capacity =  8.8 Amp-Hours\r\n"
              "Battery Endurance is:   880 Days" + kTwoYears);
    // Below two years the line ends as usual.
    p->m_nSampleInterval = 30;
    const std::string strReport = Summary(*p, 1);
    EXPECT_EQ(strReport.substr(strReport.find("Battery Endurance")), "Battery Endurance is:    90 Days\r\n");
}

TEST(Kelvo700Report, QueriedLinesWithoutAnInterval)
{
    std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument700LxRs485FwTo13>();
    p->SetPressureSensorIndex(1);
    p->m_nInstrumentsQueried = 3;
    p->m_nCommsPerHour = 4;
    EXPECT_EQ(Summary(*p, 0),
              "Moorplan 1.3\r\nModel = Kelvo 700 LX RS-485\r\nFirmware = 1.3 or less\r\n"
              "Pressure Sensor = Strain gauge\r\nNumber to Query = 3\r\nCommunication per Hour = 4\r\n");
    p->m_nSampleInterval = 600;
    p->m_nNCycles = 10;
    p->m_nSamplingType = 1;
    p->SetBatteryIndex(1);
    EXPECT_EQ(Summary(*p, 0),
              "Moorplan 1.3\r\nModel = Kelvo 700 LX RS-485\r\nFirmware = 1.3 or less\r\n"
              "Pressure Sensor = Strain gauge\r\nSample Interval = 600\r\nNCycles = 10\r\nSampling Type = Polled\r\n"
              "Number to Query = 3\r\nCommunication per Hour = 4\r\n"
              "Battery Type is: Kelvo Custom\r\n\r\nBattery Capacity =  5.0 Amp-Hours\r\n");
}

// The real-time line: scheme 1 for autonomous sampling only, scheme 6 always.
TEST(Kelvo700Report, RealTimeLineBySchemeAndType)
{
    const struct {
        KelvoMaker pfnMake;
        int nSamplingType;
        int bRealTime;
        const char* szLines;
    } aCases[] = {
        {&MakeKelvo<CInstrument700LxRs232Fw30>, 0, 0, "Sampling Type = Autonomous\r\nTransmit Real Time Not Enabled\r\n"},
        {&MakeKelvo<CInstrument700LxRs232Fw30>, 1, 1, "Sampling Type = Polled\r\n"},
        {&MakeKelvo<CInstrument700LxpRs232Fw40>, 1, 1, "Sampling Type = Polled\r\nTransmit Real Time Enabled\r\n"},
        {&MakeKelvo<CInstrument700LxpRs232Fw40>, 2, 0, "Sampling Type = Serial Sync\r\nTransmit Real Time Not Enabled\r\n"},
        {&MakeKelvo<CInstrument700LxRs232FwTo16>, 0, 1, "Sampling Type = Autonomous\r\n"},
    };
    for (const auto& c : aCases) {
        std::unique_ptr<CInstrument> p = c.pfnMake();
        p->m_nSampleInterval = 60;
        p->m_nSamplingType = c.nSamplingType;
        p->m_bTransmitRealTime = c.bRealTime;
        EXPECT_EQ(Summary(*p, 0), "Moorplan 1.3\r\n" + p->GetDescription() + "Sample Interval = 60\r\n" + c.szLines);
    }
}

TEST(Kelvo700Report, PumpedCapacityShowsTheShare)
{
    std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument700MxpFw20>();
    p->SetBatteryIndex(0);
    EXPECT_EQ(Summary(*p, 0), "Moorplan 1.3\r\n" + p->GetDescription() +
                                  "Battery Type is: AA Lithium\r\n\r\nBattery Capacity =  5.7 Amp-Hours\r\n");
}

TEST(Kelvo710Report, Rs232ByMode)
{
    const struct {
        int nMode;
        int nInterval;
        const char* szLines;
    } aCases[] = {
        {0, 0, "Sample Interval = 0\r\nSampling = Autonomous Interval\r\n"},
        {1, 0, "Autonomous Continuous\r\n"},
        {2, 600, "Sample Interval = 600\r\nSampling = Polled\r\n"},
        {0, -1, ""},
    };
    for (const auto& c : aCases) {
        std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument710Rs232Fw20>();
        p->m_nSamplingMode = c.nMode;
        p->m_nSampleInterval = c.nInterval;
        EXPECT_EQ(Summary(*p, 0), "Moorplan 1.3\r\n" + p->GetDescription() + c.szLines);
    }
}

TEST(Kelvo710Report, ContinuousModeWithEndurance)
{
    std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument710Rs232FwPre20>();
    p->SetPressureSensorIndex(0);
    p->SetBatteryIndex(0);
    p->m_nSamplingMode = 1;
    p->m_nSampleInterval = 0;
    EXPECT_EQ(Summary(*p, 1),
              "Moorplan 1.3\r\nModel = Kelvo 710 RS-232\r\nFirmware less than 2.0\r\nPressure Sensor = none\r\n"
              "Autonomous Continuous\r\nBattery Type is: Lithium\r\n\r\nBattery Capacity =  1.1 Amp-Hours\r\n"
              "Battery Endurance is:     3 Days\r\n");
}

TEST(Kelvo710Report, ModemQueriedOnlyInIntervalMode)
{
    const struct {
        int nMode;
        int nQueried;
        const char* szLines;
    } aCases[] = {
        {0, 3, "Sampling Type = Autonomous Interval\r\nNumber to Query = 3\r\nCommunication per Hour = 4\r\n"},
        {0, 0, "Sampling Type = Autonomous Interval\r\n"},
        {2, 3, "Sampling Type = Polled Low Power\r\n"},
        {3, 3, "Sampling Type = Polled High Power\r\n"},
    };
    for (const auto& c : aCases) {
        std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument710ModemFw11>();
        p->m_nSampleInterval = 120;
        p->m_nSamplingMode = c.nMode;
        p->m_nInstrumentsQueried = c.nQueried;
        p->m_nCommsPerHour = 4;
        EXPECT_EQ(Summary(*p, 0), "Moorplan 1.3\r\n" + p->GetDescription() + "Sample Interval = 120\r\n" +
                                      c.szLines + "Battery Type is: Lithium\r\n\r\nBattery Capacity =  2.0 Amp-Hours\r\n");
    }
}

}  // namespace
