#include "OxygenPump.h"
#include "TraceCapture.h"
#include "Kelvo700Make.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

std::string Summary(CInstrument& r, int bWithEndurance)
{
    r.BuildSummary(bWithEndurance);
    return r.m_strSummary;
}

// The floor of two seconds shows in the Kelvo 700 MXP OX 1.1 trace below.
TEST(OxygenPumpTime, SevenTimeConstantsHeldWithinTwoAndThirty)
{
    EXPECT_EQ(CalcPumpTime(-5.0, 7000.0, 4.0), 210.0);   // tau about 34.7
    EXPECT_EQ(CalcPumpTime(10.0, 1000.0, 3.0), 38.845357244103084);
}

// The note's text is in the joule report below.
TEST(OxygenPumpTime, IntervalsTruncateAndSaturate)
{
    EXPECT_EQ(SaturatedInt(1e300), INT_MAX);
    EXPECT_EQ(SaturatedInt(-1e300), INT_MIN);
    EXPECT_EQ(SaturatedInt(std::numeric_limits<double>::quiet_NaN()), INT_MAX);
    EXPECT_EQ(SaturatedInt(-7.9), -7);
}

// The deployment conditions the battery page enters for an oxygen variant.
struct CConditions {
    double dTemperature, dPressure, dTau20;
};

const CConditions kWarm = {20.0, 0.0, 1.0};
const CConditions kDeep = {10.0, 1000.0, 3.0};

// An oxygen variant with its first pressure sensor and battery chosen and the
// conditions entered.
std::unique_ptr<CInstrument> Oxygen(KelvoMaker pfnMake, const CConditions& c)
{
    std::unique_ptr<CInstrument> p = pfnMake();
    p->SetPressureSensorIndex(0);
    p->SetBatteryIndex(0);
    p->SetDeploymentTemperature(c.dTemperature);
    p->SetDeploymentPressure(c.dPressure);
    p->SetTau20(c.dTau20);
    return p;
}

const KelvoMaker kLxpOx = &MakeKelvo<CInstrument700LxpOxRs232>;
const KelvoMaker kMxpOx40 = &MakeKelvo<CInstrument700MxpOxFw40>;
const KelvoMaker kMxpOx11 = &MakeKelvo<CInstrument700MxpOxFw11>;

// Each record: the shortest interval its conditions allow (the amp-second
// variant keeps its fixed one); an interval too short for the pump is raised
// with a note, one long enough is kept and clears the note an earlier short
// one left; where a trace is given, every step the calculation writes.
TEST(Oxygen, MinimumRaisedIntervalAndTrace)
{
    const struct {
        KelvoMaker pfnMake;
        CConditions conditions;
        int nSensor, nSamplingType;
        int nInterval;
        int nMinimum;
        int nRaisedTo;   // 0: kept
        const char* szTrace;
    } aCases[] = {
        {kLxpOx, kWarm, 0, 0, 20, 23, 23,
         "=========================================\r\nCalculating pump time\n"
         "dDeploymentTau = 1.000000\r\npumpTimeSampleWaiting = 15.000000\r\npumpOnTimePerSample = 17.800000\r\n"
         "dSampleInterval = 20.000000\r\nSample interval adjusted for pump on time.\ndSampleInterval = 23.000000\r\n"
         "samplingJoulesPerHour = 67.930435\r\npumpOffTimePerSample = 5.200000\r\n"
         "pumpJoulesPerHour = 334.330435\r\nsampleWaitingJoulsPerHour = 37.565217\r\n"
         "waitPumpOffJoulesPerHour = 0.325565\r\njoulesPerHour = 440.151652\r\n"
         "batteryCapacityJoules = 257040.000000\r\nbatteryEnduranceDays = 24.332523\r\n"},
        // 21 s reaches the pump-on time + 3.0.
        {kLxpOx, kWarm, 0, 0, 21, 23, 0, nullptr},
        {kLxpOx, kDeep, 0, 0, 600, 48, 0, nullptr},
        // The sampling time first, the pump time before it is raised to 15 s.
        {kMxpOx11, kWarm, 0, 0, 10, 23, 23,
         "dSamplingTime = 2.800000\r\nCalculating pump time\ndDeploymentTau = 1.000000\r\n"
         "pumpTimeSampleWaiting = 14.000000\r\npumpOnTimePerSample = 17.800000\r\ndSampleInterval = 10.000000\r\n"
         "Sample interval will be adjusted for pump on time\ndSampleInterval = 23.000000\r\n"
         "samplingJoulesPerHour = 74.504348\r\npumpOffTimePerSample = 5.200000\r\n"
         "pumpJoulesPerHour = 334.330435\r\nsampleWaitingJoulsPerHour = 37.565217\r\n"
         "waitPumpOffJoulesPerHour = 0.569739\r\njoulesPerHour = 446.904739\r\n"
         "batteryCapacityJoules = 257040.000000\r\nbatteryEnduranceDays = 23.964839\r\n"},
        {kMxpOx11, kWarm, 0, 1, 600, 24, 0, nullptr},
        {kMxpOx40, kDeep, 1, 0, 600, 10, 0, "dTau = 5.549337\r\ndPumpTimeTotal = 42.920026\r\n"},
        // Tau held at 2 s: flush 10 s, settle 6 s, 16 s of pumping.
        {kMxpOx40, {20.0, 0.0, 0.5}, 0, 0, 18, 10, 21, nullptr},
        {kMxpOx40, {20.0, 0.0, 0.5}, 0, 0, 19, 10, 0, nullptr},
    };
    for (const auto& c : aCases) {
        std::unique_ptr<CInstrument> p = Oxygen(c.pfnMake, c.conditions);
        SCOPED_TRACE(p->GetDescription() + " at " + std::to_string(c.nInterval));
        p->SetPressureSensorIndex(c.nSensor);
        p->m_nSamplingType = c.nSamplingType;
        EXPECT_EQ(p->GetMinSampleInterval(), c.nMinimum);
        p->CalculateEndurance(1);
        CTraceCapture capture;
        const double dDays = p->CalculateEndurance(c.nInterval);
        if (c.szTrace) {
            EXPECT_EQ(capture.Text(), c.szTrace);
        }
        EXPECT_EQ(p->m_strCalcNote, c.nRaisedTo ? FormatMinIntervalNote(c.nRaisedTo) : "");
        if (c.nRaisedTo) {
            EXPECT_EQ(p->CalculateEndurance(c.nRaisedTo), dDays);
        }
    }
}

// The joule form: the pump line and the raised interval's note come with the
// endurance; a long interval gets the two-year notice and no stale note.
TEST(OxygenReport, JouleFormWithRealTime)
{
    std::unique_ptr<CInstrument> p = Oxygen(kLxpOx, kWarm);
    p->m_nSampleInterval = 20;
    p->m_bTransmitRealTime = 1;
    p->m_bReceiveLineValid = 1;
    const std::string strBody =
        "Moorplan 1.3\r\nModel = Kelvo 700 LXP OX RS-232\r\nFirmware 1.0 or higher\r\n"
        "Pressure Sensor = Strain gauge\r\nSample Interval = 20\r\n";
    const std::string strConditions =
        "Deployment Temperature: 20.0\r\nDeployment Pressure:    0.0\r\nOxygen Time Constant (Tau20):  1.0\r\n"
        "Battery Type is: AA Lithium\r\n\r\nBattery Capacity = 257040 Joules\r\n";
    const std::string strTail =
        "Sampling Type = Autonomous\r\nTransmit Real Time Enabled\r\nReceive line valid between samples\r\n" +
        strConditions;
    EXPECT_EQ(Summary(*p, 1), strBody + "Pump on before sampling 14.0 seconds\r\n" + strTail +
                                  "Battery Endurance is:    18 Days\r\n"
                                  "Actual minimum sampling interval = 24,\r\nbased on user-input temperature,\r\n"
                                  "pressure, and Tau20.\r\n");
    EXPECT_EQ(p->m_nSampleInterval, 20);
    EXPECT_EQ(Summary(*p, 0), strBody + strTail);

    p->m_nSampleInterval = 21600;
    p->m_bTransmitRealTime = 0;
    const std::string strReport = Summary(*p, 1);
    EXPECT_EQ(strReport.substr(strReport.find("Transmit")),
              "Transmit Real Time Not Enabled\r\n" + strConditions +
                  "Battery Endurance is:  5616 Days\r\n\r\nBatteries are not expected\r\nto last longer than 2 years\r\n");
}

// The amp-hour form, and the queried lines before the battery is chosen.
TEST(OxygenReport, AmpHourAndQueriedForms)
{
    std::unique_ptr<CInstrument> p = Oxygen(kMxpOx40, kDeep);
    p->SetPressureSensorIndex(1);
    p->m_nSampleInterval = 600;
    p->m_nInstrumentsQueried = 3;
    p->m_nCommsPerHour = 4;
    EXPECT_EQ(Summary(*p, 1),
              "Moorplan 1.3\r\nModel = Kelvo 700 MXP OX\r\nFirmware 4.0\r\nPressure Sensor = Strain gauge\r\n"
              "Sample Interval = 600\r\nSampling Type = Autonomous\r\nNumber to Query = 3\r\nCommunication per Hour = 4\r\n"
              "Deployment Temperature: 10.0\r\nDeployment Pressure: 1000.0\r\nOxygen Time Constant (Tau20):  3.0\r\n"
              "Battery Type is: AA Lithium\r\n\r\nBattery Capacity =  6.0 Amp-Hours\r\nBattery Endurance is:   201 Days\r\n");

    p = kMxpOx11();
    p->SetPressureSensorIndex(0);
    p->m_nSampleInterval = 90;
    p->m_nSamplingType = 2;
    p->m_nInstrumentsQueried = 0;
    p->m_nCommsPerHour = 2;
    EXPECT_EQ(Summary(*p, 0),
              "Moorplan 1.3\r\nModel = Kelvo 700 MXP OX\r\nFirmware 1.1 or higher\r\nPressure Sensor = Strain gauge\r\n"
              "Sample Interval = 90\r\nSampling Type = Serial Sync\r\nNumber to Query = 0\r\nCommunication per Hour = 2\r\n");
}

}  // namespace
