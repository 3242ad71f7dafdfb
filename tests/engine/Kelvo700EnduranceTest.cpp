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

TEST(Kelvo700Endurance, WorkedNumbers)
{
    // 8.8 Ah, autonomous, no pressure sensor, NAvg 4, 300 s: t = 4.88 s and
    // an hourly budget of 1.5 A s.
    std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument700LxRs232Fw20>();
    p->SetPressureSensorIndex(0);
    p->SetBatteryIndex(0);
    EXPECT_DOUBLE_EQ(p->CalculateEndurance(300), 880.0);

    // Firmware 2.6: one averaged sample costs no extra time, t = 2.33 s.
    p = MakeKelvo<CInstrument700LxRs232Fw26Ext>();
    p->SetPressureSensorIndex(0);
    p->SetBatteryIndex(0);
    p->m_nNAvg = 1;
    EXPECT_DOUBLE_EQ(p->CalculateEndurance(3600), 8.8 * 3600.0 / (2.33 * 0.035 + 0.036) / 24.0);
}

// Serial sync counts as autonomous in the NAvg laws and as polled elsewhere;
// the real-time flag counts only where the law reads it.
TEST(Kelvo700Endurance, SamplingTypeAndRealTimeMatterOnlyWhereTheLawReadsThem)
{
    const struct {
        KelvoMaker pfnMake;
        int anType[2];
        int abRealTime[2];
        bool bSame;
    } aCases[] = {
        {&MakeKelvo<CInstrument700LxRs232Fw20>, {0, 2}, {1, 1}, true},
        {&MakeKelvo<CInstrument700LxpRs232Fw26Ext>, {0, 2}, {1, 1}, true},
        {&MakeKelvo<CInstrument700MxFw30>, {1, 2}, {1, 1}, true},
        {&MakeKelvo<CInstrument700LxRs485Fw30>, {1, 1}, {1, 0}, true},
        {&MakeKelvo<CInstrument700LxRs232Fw30>, {1, 1}, {1, 0}, false},
    };
    for (const auto& c : aCases) {
        double adDays[2];
        for (int i = 0; i < 2; ++i) {
            std::unique_ptr<CInstrument> p = PolledStrainGauge(c.pfnMake);
            p->m_nSamplingType = c.anType[i];
            p->m_bTransmitRealTime = c.abRealTime[i];
            adDays[i] = p->CalculateEndurance(600);
        }
        EXPECT_EQ(adDays[0] == adDays[1], c.bSame) << PolledStrainGauge(c.pfnMake)->GetDescription();
    }
}

TEST(Kelvo700Endurance, PumpChargeCountedOnceMoreAnHour)
{
    // MXP firmware 2.0 adds (R + 1) pump charges of 0.13 A s: one sample an
    // hour costs two.
    std::unique_ptr<CInstrument> p = PolledStrainGauge(&MakeKelvo<CInstrument700MxpFw20>);
    const double dCapacity = p->m_aBatteries.ValueAt(0) * 3600.0;
    const double dBudget = dCapacity / (p->CalculateEndurance(3600) * 24.0);
    const double dWithoutPump = 2.1 * 0.03 + 4.0 * 3.0 * 0.5 * 0.005 + 0.36;
    EXPECT_NEAR(dBudget - dWithoutPump, 2.0 * 0.13, 1e-12);
}

TEST(Kelvo700Endurance, CountsAtTheIntLimitsDoNotOverflow)
{
    std::unique_ptr<CInstrument> p = PolledStrainGauge(&MakeKelvo<CInstrument700MxpFw40>);
    p->m_nInstrumentsQueried = INT_MIN;
    p->m_nCommsPerHour = INT_MIN;
    EXPECT_GT(p->CalculateEndurance(600), 0.0);
    p = PolledStrainGauge(&MakeKelvo<CInstrument700LxpRs485Fw23>);
    p->m_nInstrumentsQueried = INT_MIN;
    p->m_nCommsPerHour = INT_MIN;
    EXPECT_GT(p->CalculateEndurance(600), 0.0);
}

TEST(Kelvo700Endurance, MxpFw40TracesItsTermsInOrder)
{
    std::unique_ptr<CInstrument> p = PolledStrainGauge(&MakeKelvo<CInstrument700MxpFw40>);
    CTraceCapture capture;
    p->CalculateEndurance(600);
    EXPECT_EQ(capture.Text(), "dSamplingAmpSec = 0.124800\r\ndPumpAmpSec = 0.151800\r\n"
                              "dCommunicationAmpSec = 0.022400\r\ndQuiescentAmpSecHour = 0.198000\r\n");
}

TEST(Kelvo700Endurance, LxpRs232Fw40HasAFixedCapacity)
{
    std::unique_ptr<CInstrument> p = PolledStrainGauge(&MakeKelvo<CInstrument700LxpRs232Fw40>);
    const double dDays = p->CalculateEndurance(600);
    for (int nBattery : {-1, 1, 4}) {
        p->SetBatteryIndex(nBattery);
        EXPECT_EQ(p->CalculateEndurance(600), dDays);
    }
    CTraceCapture capture;
    p->CalculateEndurance(600);
    EXPECT_EQ(capture.Text(), "dSamplingAmpSecHour = 0.141960\r\ndSamplesPerHour = 6.000000\r\n"
                              "dQuiescentAmpSecHour = 0.108000\r\ndPumpAmpSecHour = 0.151800\r\n");
}

std::unique_ptr<CInstrument> Kelvo710(KelvoMaker pfnMake, int nMode, int nSensor)
{
    std::unique_ptr<CInstrument> p = PolledStrainGauge(pfnMake);
    p->m_nSamplingMode = nMode;
    p->SetPressureSensorIndex(nSensor);
    return p;
}

TEST(Kelvo710Endurance, Rs232ByMode)
{
    const struct {
        KelvoMaker pfnMake;
        int nMode;
        int nSensor;
        int nInterval;
        double dDays;
    } aCases[] = {
        {&MakeKelvo<CInstrument710Rs232Fw20>, 0, 1, 600, 948.2758620689656},
        // Continuous: 1.1 Ah at 0.015 A, whatever the interval.
        {&MakeKelvo<CInstrument710Rs232Fw20>, 1, 0, 0, 3.055555555555556},
        {&MakeKelvo<CInstrument710Rs232FwPre20>, 1, 1, 600, 3.055555555555556},
        // Polled: twice the quiescent draw.
        {&MakeKelvo<CInstrument710Rs232Fw20>, 3, 1, 600, 2291.6666666666665},
        // No sensor column: as polled, even in interval or continuous mode.
        {&MakeKelvo<CInstrument710Rs232Fw20>, 0, -1, 600, 2291.6666666666665},
        {&MakeKelvo<CInstrument710Rs232Fw31>, 1, 2, 600, 2291.6666666666665},
        // Interval 0 in interval mode: every moment is a sample.
        {&MakeKelvo<CInstrument710Rs232Fw31>, 0, 0, 0, 0.0},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.nMode << " sensor " << c.nSensor);
        EXPECT_EQ(Kelvo710(c.pfnMake, c.nMode, c.nSensor)->CalculateEndurance(c.nInterval), c.dDays);
    }
}

TEST(Kelvo710Endurance, ModemByMode)
{
    const struct {
        int nMode;
        int nSensor;
        double dDays;
    } aCases[] = {
        {3, 0, 1730.403183941858},
        {1, 0, 4166.666666666666},
        {0, -1, 4166.666666666666},
    };
    for (KelvoMaker pfnMake : {&MakeKelvo<CInstrument710ModemFwPre11>, &MakeKelvo<CInstrument710ModemFw11>}) {
        for (const auto& c : aCases) {
            SCOPED_TRACE(testing::Message() << "mode " << c.nMode << " sensor " << c.nSensor);
            EXPECT_EQ(Kelvo710(pfnMake, c.nMode, c.nSensor)->CalculateEndurance(600), c.dDays);
        }
    }
}

}  // namespace
