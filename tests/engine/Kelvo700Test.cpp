#include "TraceCapture.h"
#include "Kelvo700Make.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// One record for the table below: Strain gauge, polled, NAvg 4, NCycles 10,
// three instruments queried four times an hour, real time on, first battery.
std::unique_ptr<CInstrument> PolledStrainGauge(KelvoMaker pfnMake)
{
    std::unique_ptr<CInstrument> p = pfnMake();
    p->SetPressureSensorIndex(1);
    p->m_nSamplingType = 1;
    p->m_nNAvg = 4;
    p->m_nNCycles = 10;
    p->m_nInstrumentsQueried = 3;
    p->m_nCommsPerHour = 4;
    p->m_bTransmitRealTime = 1;
    p->SetBatteryIndex(0);
    return p;
}

// Firmware 2.6: one averaged sample costs no extra time, t = 2.33 s.
TEST(Kelvo700Endurance, SingleAverageCostsNoExtraTime)
{
    std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument700LxRs232Fw26Ext>();
    p->SetPressureSensorIndex(0);
    p->SetBatteryIndex(0);
    p->m_nNAvg = 1;
    EXPECT_DOUBLE_EQ(p->CalculateEndurance(3600), 8.8 * 3600.0 / (2.33 * 0.035 + 0.036) / 24.0);
}

// A field of the record matters only where the law reads it: serial sync
// counts as autonomous in the NAvg laws and as polled elsewhere, the real-time
// flag only where the law reads it; the MXP OX firmware 4.0 charges sampling
// only when autonomous; the MXP OX firmware 1.1 charges one query at least;
// the LXP RS-232 firmware 4.0 has a fixed capacity, whatever the battery.
TEST(Kelvo700Endurance, FieldsMatterOnlyWhereTheLawReadsThem)
{
    const struct {
        KelvoMaker pfnMake;
        int CInstrument::*pField;
        int nFirst, nSecond;
        bool bSame;
    } aCases[] = {
        {&MakeKelvo<CInstrument700LxRs232Fw20>, &CInstrument::m_nSamplingType, 0, 2, true},
        {&MakeKelvo<CInstrument700LxpRs232Fw26Ext>, &CInstrument::m_nSamplingType, 0, 2, true},
        {&MakeKelvo<CInstrument700MxFw30>, &CInstrument::m_nSamplingType, 1, 2, true},
        {&MakeKelvo<CInstrument700LxRs485Fw30>, &CInstrument::m_bTransmitRealTime, 1, 0, true},
        {&MakeKelvo<CInstrument700LxRs232Fw30>, &CInstrument::m_bTransmitRealTime, 1, 0, false},
        {&MakeKelvo<CInstrument700MxpOxFw40>, &CInstrument::m_nSamplingType, 1, 2, true},
        {&MakeKelvo<CInstrument700MxpOxFw40>, &CInstrument::m_nSamplingType, 1, 0, false},
        {&MakeKelvo<CInstrument700MxpOxFw11>, &CInstrument::m_nInstrumentsQueried, 0, 1, true},
        {&MakeKelvo<CInstrument700MxpOxFw11>, &CInstrument::m_nInstrumentsQueried, 0, INT_MIN, true},
        {&MakeKelvo<CInstrument700LxpRs232Fw40>, &CInstrument::m_nBatteryIndex, 0, -1, true},
    };
    for (const auto& c : aCases) {
        std::unique_ptr<CInstrument> p = PolledStrainGauge(c.pfnMake);
        SCOPED_TRACE(p->GetDescription() + std::to_string(c.nFirst) + " against " + std::to_string(c.nSecond));
        (*p).*c.pField = c.nFirst;
        const double dFirst = p->CalculateEndurance(600);
        (*p).*c.pField = c.nSecond;
        EXPECT_EQ(p->CalculateEndurance(600) == dFirst, c.bSame);
    }
}

TEST(Kelvo700Endurance, CountsAtTheIntLimitsDoNotOverflow)
{
    for (KelvoMaker pfnMake : {&MakeKelvo<CInstrument700MxpFw40>, &MakeKelvo<CInstrument700LxpRs485Fw23>}) {
        std::unique_ptr<CInstrument> p = PolledStrainGauge(pfnMake);
        p->m_nInstrumentsQueried = INT_MIN;
        p->m_nCommsPerHour = INT_MIN;
        EXPECT_GT(p->CalculateEndurance(600), 0.0) << p->GetDescription();
    }
}

// The firmware 4.0 pumped variants keep budgets of their own and trace each
// term, in their own order.
TEST(Kelvo700Endurance, PumpedFw40TracesItsTermsInOrder)
{
    const struct {
        KelvoMaker pfnMake;
        const char* szTrace;
    } aCases[] = {
        {&MakeKelvo<CInstrument700MxpFw40>, "dSamplingAmpSec = 0.124800\r\ndPumpAmpSec = 0.151800\r\n"
                                            "dCommunicationAmpSec = 0.022400\r\ndQuiescentAmpSecHour = 0.198000\r\n"},
        {&MakeKelvo<CInstrument700LxpRs232Fw40>, "dSamplingAmpSecHour = 0.141960\r\ndSamplesPerHour = 6.000000\r\n"
                                                 "dQuiescentAmpSecHour = 0.108000\r\ndPumpAmpSecHour = 0.151800\r\n"},
    };
    for (const auto& c : aCases) {
        std::unique_ptr<CInstrument> p = PolledStrainGauge(c.pfnMake);
        CTraceCapture capture;
        p->CalculateEndurance(600);
        EXPECT_EQ(capture.Text(), c.szTrace);
    }
}

TEST(Kelvo710Endurance, ByVariantModeAndSensor)
{
    const KelvoMaker pfnRs232 = &MakeKelvo<CInstrument710Rs232Fw20>;
    const KelvoMaker pfnModem = &MakeKelvo<CInstrument710ModemFw11>;
    const struct {
        KelvoMaker pfnMake;
        int nMode;
        int nSensor;
        int nInterval;
        double dDays;
    } aCases[] = {
        {pfnRs232, 0, 1, 600, 948.2758620689656},
        // Continuous: 1.1 Ah at 0.015 A, whatever the interval.
        {pfnRs232, 1, 0, 0, 3.055555555555556},
        // No sensor column: as polled (twice the quiescent draw), even in
        // interval or continuous mode.
        {pfnRs232, 0, -1, 600, 2291.6666666666665},
        {&MakeKelvo<CInstrument710Rs232Fw31>, 1, 2, 600, 2291.6666666666665},
        // Interval 0 in interval mode: every moment is a sample.
        {&MakeKelvo<CInstrument710Rs232Fw31>, 0, 0, 0, 0.0},
        // The modem: continuous mode or no sensor column leave the quiescent draw.
        {pfnModem, 3, 0, 600, 1730.403183941858},
        {pfnModem, 1, 0, 600, 4166.666666666666},
        {pfnModem, 0, -1, 600, 4166.666666666666},
    };
    for (const auto& c : aCases) {
        std::unique_ptr<CInstrument> p = PolledStrainGauge(c.pfnMake);
        p->m_nSamplingMode = c.nMode;
        p->SetPressureSensorIndex(c.nSensor);
        SCOPED_TRACE(p->GetDescription() + " mode " + std::to_string(c.nMode));
        EXPECT_EQ(p->CalculateEndurance(c.nInterval), c.dDays) << "sensor " << c.nSensor;
    }
}

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
    const std::string kModemPack = "Battery Type is: Lithium\r\n\r\nBattery Capacity =  2.0 Amp-Hours\r\n";
    const struct {
        CRecord700 record;
        std::string strLines;
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
         "Communication per Hour = 4\r\n" + kModemPack},
        {{k710Modem, -1, -1, 120, 0, 0, 0, 0, 4},
         "Sample Interval = 120\r\nSampling Type = Autonomous Interval\r\n" + kModemPack},
        {{k710Modem, -1, -1, 120, 0, 2, 0, 3, 4},
         "Sample Interval = 120\r\nSampling Type = Polled Low Power\r\n" + kModemPack},
        {{k710Modem, -1, -1, 120, 0, 3, 0, 3, 4},
         "Sample Interval = 120\r\nSampling Type = Polled High Power\r\n" + kModemPack},
    };
    for (const auto& c : aCases) {
        const std::string strDescription = c.record.pfnMake()->GetDescription();
        SCOPED_TRACE(strDescription);
        EXPECT_EQ(Summary(c.record, 0), "Moorplan 1.3\r\n" + strDescription + c.strLines);
    }
}

}  // namespace
