#include "Kelvo700Make.h"

#include <gtest/gtest.h>

namespace {

// What the pages enter into a Kelvo 700/710 record; a sensor or battery of -1
// is left as the variant builds it.
struct CRecord700 {
    KelvoMaker pfnMake;
    int nSensor, nBattery;
    int nInterval, nSamplingType, nSamplingMode, bRealTime;
    int nQueried, nCommsPerHour;
};

std::string Summary(const CRecord700& r, int bWithEndurance)
{
    std::unique_ptr<CInstrument> p = r.pfnMake();
    if (r.nSensor >= 0)
        p->SetPressureSensorIndex(r.nSensor);
    if (r.nBattery >= 0)
        p->SetBatteryIndex(r.nBattery);
    p->m_nSampleInterval = r.nInterval;
    p->m_nSamplingType = r.nSamplingType;
    p->m_nSamplingMode = r.nSamplingMode;
    p->m_bTransmitRealTime = r.bRealTime;
    p->m_nInstrumentsQueried = r.nQueried;
    p->m_nCommsPerHour = r.nCommsPerHour;
    p->BuildSummary(bWithEndurance);
    return p->m_strSummary;
}

const KelvoMaker kLx20 = &MakeKelvo<CInstrument700LxRs232Fw20>;
const KelvoMaker kLx485 = &MakeKelvo<CInstrument700LxRs485FwTo13>;
const KelvoMaker kLx30 = &MakeKelvo<CInstrument700LxRs232Fw30>;
const KelvoMaker kLxp40 = &MakeKelvo<CInstrument700LxpRs232Fw40>;
const KelvoMaker k710 = &MakeKelvo<CInstrument710Rs232Fw20>;
const KelvoMaker k710Old = &MakeKelvo<CInstrument710Rs232FwPre20>;
const KelvoMaker k710Modem = &MakeKelvo<CInstrument710ModemFw11>;

TEST(Kelvo700Report, DescriptionsOpenTheReport)
{
    EXPECT_EQ(Summary({kLx20, 0, 0, 300, 0, 0, 0, -1, -1}, 1),
              "Moorplan 1.3\r\nModel = Kelvo 700 LX RS-232\r\nFirmware > or = 2.0 and < 2.6\r\n"
              "Pressure Sensor = none\r\nSample Interval = 300\r\nNAverage = 4\r\nSampling Type = Autonomous\r\n"
              "Battery Type is: AA Lithium\r\n\r\nBattery Capacity =  8.8 Amp-Hours\r\n"
              "Battery Endurance is:   880 Days\r\n\r\nBatteries are not expected\r\nto last longer than 2 years");
    EXPECT_EQ(Summary({kLx485, 1, -1, -1, 0, 0, 0, 3, 4}, 0),
              "Moorplan 1.3\r\nModel = Kelvo 700 LX RS-485\r\nFirmware = 1.3 or less\r\n"
              "Pressure Sensor = Strain gauge\r\nNumber to Query = 3\r\nCommunication per Hour = 4\r\n");
    EXPECT_EQ(Summary({k710Old, 0, 0, 0, 0, 1, 0, -1, -1}, 1),
              "Moorplan 1.3\r\nModel = Kelvo 710 RS-232\r\nFirmware less than 2.0\r\nPressure Sensor = none\r\n"
              "Autonomous Continuous\r\nBattery Type is: Lithium\r\n\r\nBattery Capacity =  1.1 Amp-Hours\r\n"
              "Battery Endurance is:     3 Days\r\n");
}

// The lines after the description: the real-time line for scheme 1 with
// autonomous sampling only and for scheme 6 always; the Kelvo 710 wording by
// mode, its modem's queries in interval mode only; the pumped share of the
// "AA Lithium" pack.
TEST(Kelvo700Report, LinesAfterTheDescription)
{
    const struct {
        CRecord700 record;
        const char* szLines;
    } aCases[] = {
        {{kLx485, 1, 1, 600, 1, 0, 0, 3, 4},
         "Pressure Sensor = Strain gauge\r\nSample Interval = 600\r\nNCycles = 1\r\nSampling Type = Polled\r\n"
         "Number to Query = 3\r\nCommunication per Hour = 4\r\n"
         "Battery Type is: Kelvo Custom\r\n\r\nBattery Capacity =  5.0 Amp-Hours\r\n"},
        {{kLx30, -1, -1, 60, 0, 0, 0, -1, -1},
         "Sample Interval = 60\r\nSampling Type = Autonomous\r\nTransmit Real Time Not Enabled\r\n"},
        {{kLx30, -1, -1, 60, 1, 0, 1, -1, -1}, "Sample Interval = 60\r\nSampling Type = Polled\r\n"},
        {{kLxp40, -1, -1, 60, 1, 0, 1, -1, -1},
         "Sample Interval = 60\r\nSampling Type = Polled\r\nTransmit Real Time Enabled\r\n"},
        {{kLxp40, -1, -1, 60, 2, 0, 0, -1, -1},
         "Sample Interval = 60\r\nSampling Type = Serial Sync\r\nTransmit Real Time Not Enabled\r\n"},
        {{&MakeKelvo<CInstrument700LxRs232FwTo16>, -1, -1, 60, 0, 0, 1, -1, -1},
         "Sample Interval = 60\r\nSampling Type = Autonomous\r\n"},
        {{&MakeKelvo<CInstrument700MxpFw20>, -1, 0, -1, 0, 0, 0, -1, -1},
         "Battery Type is: AA Lithium\r\n\r\nBattery Capacity =  5.7 Amp-Hours\r\n"},
        {{k710, -1, -1, 0, 0, 0, 0, -1, -1}, "Sample Interval = 0\r\nSampling = Autonomous Interval\r\n"},
        {{k710, -1, -1, 0, 0, 1, 0, -1, -1}, "Autonomous Continuous\r\n"},
        {{k710, -1, -1, 600, 0, 2, 0, -1, -1}, "Sample Interval = 600\r\nSampling = Polled\r\n"},
        {{k710, -1, -1, -1, 0, 0, 0, -1, -1}, ""},
        {{k710Modem, -1, -1, 120, 0, 0, 0, 3, 4},
         "Sample Interval = 120\r\nSampling Type = Autonomous Interval\r\nNumber to Query = 3\r\n"
         "Communication per Hour = 4\r\nBattery Type is: Lithium\r\n\r\nBattery Capacity =  2.0 Amp-Hours\r\n"},
        {{k710Modem, -1, -1, 120, 0, 0, 0, 0, 4},
         "Sample Interval = 120\r\nSampling Type = Autonomous Interval\r\n"
         "Battery Type is: Lithium\r\n\r\nBattery Capacity =  2.0 Amp-Hours\r\n"},
        {{k710Modem, -1, -1, 120, 0, 2, 0, 3, 4},
         "Sample Interval = 120\r\nSampling Type = Polled Low Power\r\n"
         "Battery Type is: Lithium\r\n\r\nBattery Capacity =  2.0 Amp-Hours\r\n"},
        {{k710Modem, -1, -1, 120, 0, 3, 0, 3, 4},
         "Sample Interval = 120\r\nSampling Type = Polled High Power\r\n"
         "Battery Type is: Lithium\r\n\r\nBattery Capacity =  2.0 Amp-Hours\r\n"},
    };
    for (const auto& c : aCases) {
        const std::string strDescription = c.record.pfnMake()->GetDescription();
        SCOPED_TRACE(strDescription);
        EXPECT_EQ(Summary(c.record, 0), "Moorplan 1.3\r\n" + strDescription + c.szLines);
    }
}

}  // namespace
