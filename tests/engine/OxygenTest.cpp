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

TEST(OxygenPumpTime, SevenTimeConstantsHeldWithinTwoAndThirty)
{
    EXPECT_EQ(CalcPumpTime(20.0, 0.0, 1.0), 14.0);       // tau about 0.965
    EXPECT_EQ(CalcPumpTime(-5.0, 7000.0, 4.0), 210.0);   // tau about 34.7
    EXPECT_EQ(CalcPumpTime(10.0, 1000.0, 3.0), 38.845357244103084);
    CTraceCapture capture;
    CalcPumpTime(10.0, 1000.0, 3.0);
    EXPECT_EQ(capture.Text(), "Calculating pump time\n");
}

TEST(OxygenPumpTime, NoteTruncatesAndSaturates)
{
    EXPECT_EQ(FormatMinIntervalNote(23.9),
              "Actual minimum sampling interval = 23,\r\nbased on user-input temperature,\r\npressure, and Tau20.\r\n");
    EXPECT_EQ(SaturatedInt(1e300), INT_MAX);
    EXPECT_EQ(SaturatedInt(-1e300), INT_MIN);
    EXPECT_EQ(SaturatedInt(std::numeric_limits<double>::quiet_NaN()), INT_MAX);
    EXPECT_EQ(SaturatedInt(-7.9), -7);
}

TEST(OxygenJoules, LxpOxRaisesShortIntervalsToItsMinimum)
{
    // Without real time on = 15 + 2.8 s: up to 20 s is raised to ceil(22.8).
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700LxpOxRs232>, 20.0, 0.0, 1.0);
    EXPECT_EQ(p->GetMinSampleInterval(), 23);
    EXPECT_EQ(p->CalculateEndurance(20), 24.33252254558903);
    EXPECT_EQ(p->m_strCalcNote, FormatMinIntervalNote(23.0));
    EXPECT_EQ(p->CalculateEndurance(23), 24.33252254558903);
    // 21 s reaches on + 3.0 and is kept; the earlier note goes.
    p->CalculateEndurance(21);
    EXPECT_EQ(p->m_strCalcNote, "");
    p->SetDeploymentTemperature(10.0);
    p->SetDeploymentPressure(1000.0);
    p->SetTau20(3.0);
    EXPECT_EQ(p->GetMinSampleInterval(), 39 + 9);
}

TEST(OxygenJoules, LxpOxTracesEveryStepInOrder)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700LxpOxRs232>, 20.0, 0.0, 1.0);
    CTraceCapture capture;
    p->CalculateEndurance(20);
    EXPECT_EQ(capture.Text(),
              "=========================================\r\nCalculating pump time\n"
              "dDeploymentTau = 1.000000\r\npumpTimeSampleWaiting = 15.000000\r\npumpOnTimePerSample = 17.800000\r\n"
              "dSampleInterval = 20.000000\r\nSample interval adjusted for pump on time.\ndSampleInterval = 23.000000\r\n"
              "samplingJoulesPerHour = 67.930435\r\npumpOffTimePerSample = 5.200000\r\n"
              "pumpJoulesPerHour = 334.330435\r\nsampleWaitingJoulsPerHour = 37.565217\r\n"
              "waitPumpOffJoulesPerHour = 0.325565\r\njoulesPerHour = 440.151652\r\n"
              "batteryCapacityJoules = 257040.000000\r\nbatteryEnduranceDays = 24.332523\r\n");
}

TEST(OxygenJoules, MxpOxFw11TracesSamplingTimeFirstAndRawPumpTime)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700MxpOxFw11>, 20.0, 0.0, 1.0);
    CTraceCapture capture;
    p->CalculateEndurance(10);
    const std::string strHead =
        "dSamplingTime = 2.800000\r\nCalculating pump time\ndDeploymentTau = 1.000000\r\n"
        "pumpTimeSampleWaiting = 14.000000\r\npumpOnTimePerSample = 17.800000\r\ndSampleInterval = 10.000000\r\n"
        "Sample interval will be adjusted for pump on time\ndSampleInterval = 23.000000\r\nsamplingJoulesPerHour";
    EXPECT_EQ(capture.Text().substr(0, strHead.size()), strHead);
    EXPECT_EQ(p->m_strCalcNote, FormatMinIntervalNote(23.0));
}

TEST(OxygenJoules, MxpOxFw11MinimumAndCommunication)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700MxpOxFw11>, 20.0, 0.0, 1.0);
    EXPECT_EQ(p->GetMinSampleInterval(), 23);
    p->m_nSamplingType = 1;
    EXPECT_EQ(p->GetMinSampleInterval(), 24);

    p->SetDeploymentTemperature(10.0);
    p->SetDeploymentPressure(1000.0);
    p->SetTau20(3.0);
    p->m_nCommsPerHour = 4;
    // No instrument queried costs the base of every communication, as one does.
    p->m_nInstrumentsQueried = 0;
    const double dNone = p->CalculateEndurance(600);
    p->m_nInstrumentsQueried = 1;
    EXPECT_EQ(p->CalculateEndurance(600), dNone);
    p->m_nInstrumentsQueried = INT_MIN;
    EXPECT_EQ(p->CalculateEndurance(600), dNone);
}

TEST(OxygenAmpSeconds, MxpOxFw40Budget)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700MxpOxFw40>, 10.0, 1000.0, 3.0);
    p->SetPressureSensorIndex(1);
    p->m_nInstrumentsQueried = 3;
    p->m_nCommsPerHour = 4;
    CTraceCapture capture;
    p->CalculateEndurance(600);
    EXPECT_EQ(capture.Text(), "dTau = 5.549337\r\ndPumpTimeTotal = 42.920026\r\n");
    EXPECT_EQ(p->m_strCalcNote, "");
    EXPECT_EQ(p->GetMinSampleInterval(), 10);

    // Polled or serial sync sampling carries no sampling charge.
    p->m_nSamplingType = 1;
    const double dPolled = p->CalculateEndurance(600);
    p->m_nSamplingType = 2;
    EXPECT_EQ(p->CalculateEndurance(600), dPolled);
    p->m_nSamplingType = 0;
    EXPECT_LT(p->CalculateEndurance(600), dPolled);
}

TEST(OxygenAmpSeconds, MxpOxFw40RaisesBelowPumpTimePlusThree)
{
    // Tau held at 2 s: flush 10 s, settle 6 s, 16 s of pumping.
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700MxpOxFw40>, 20.0, 0.0, 0.5);
    p->CalculateEndurance(19);
    EXPECT_EQ(p->m_strCalcNote, "");
    const double dAt21 = p->CalculateEndurance(21);
    EXPECT_EQ(p->CalculateEndurance(18), dAt21);
    EXPECT_EQ(p->m_strCalcNote, FormatMinIntervalNote(21.0));
}

TEST(OxygenReport, RealTimeJoulesWithRaisedInterval)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700LxpOxRs232>, 20.0, 0.0, 1.0);
    p->m_nSampleInterval = 20;
    p->m_bTransmitRealTime = 1;
    p->m_bReceiveLineValid = 1;
    const std::string strBody =
        "Moorplan 1.3\r\nModel = Kelvo 700 LXP OX RS-232\r\nFirmware 1.0 or higher\r\n"
        "Pressure Sensor = Strain gauge\r\nSample Interval = 20\r\n";
    const std::string strTail =
        "Sampling Type = Autonomous\r\nTransmit Real Time Enabled\r\nReceive line valid between samples\r\n"
        "Deployment Temperature: 20.0\r\nDeployment Pressure:    0.0\r\nOxygen Time Constant (Tau20):  1.0\r\n"
        "Battery Type is: AA Lithium\r\n\r\nBattery Capacity = 257040 Joules\r\n";
    EXPECT_EQ(Summary(*p, 1), strBody + "Pump on before sampling 14.0 seconds\r\n" + strTail +
                                  "Battery Endurance is:    18 Days\r\n"
                                  "Actual minimum sampling interval = 24,\r\nbased on user-input temperature,\r\n"
                                  "pressure, and Tau20.\r\n");
    EXPECT_EQ(p->m_nSampleInterval, 20);
    // Without the endurance there is neither pump line nor note.
    EXPECT_EQ(Summary(*p, 0), strBody + strTail);
}

TEST(OxygenReport, LongTwoYearWarningAndNoStaleNote)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700LxpOxRs232>, 20.0, 0.0, 1.0);
    p->m_nSampleInterval = 20;
    p->BuildSummary(1);
    p->m_nSampleInterval = 21600;
    const std::string strReport = Summary(*p, 1);
    EXPECT_EQ(strReport.substr(strReport.find("Transmit")),
              "Transmit Real Time Not Enabled\r\nDeployment Temperature: 20.0\r\nDeployment Pressure:    0.0\r\n"
              "Oxygen Time Constant (Tau20):  1.0\r\nBattery Type is: AA Lithium\r\n\r\n"
              "Battery Capacity = 257040 Joules\r\nBattery Endurance is:  5616 Days\r\n\r\nBatteries are not expected\r\nto last longer than 2 years\r\n");
}

TEST(OxygenReport, AmpHourFormWithQueries)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700MxpOxFw40>, 10.0, 1000.0, 3.0);
    p->SetPressureSensorIndex(1);
    p->m_nSampleInterval = 600;
    p->m_nInstrumentsQueried = 3;
    p->m_nCommsPerHour = 4;
    EXPECT_EQ(Summary(*p, 1),
              "Moorplan 1.3\r\nModel = Kelvo 700 MXP OX\r\nFirmware 4.0\r\nPressure Sensor = Strain gauge\r\n"
              "Sample Interval = 600\r\nSampling Type = Autonomous\r\nNumber to Query = 3\r\nCommunication per Hour = 4\r\n"
              "Deployment Temperature: 10.0\r\nDeployment Pressure: 1000.0\r\nOxygen Time Constant (Tau20):  3.0\r\n"
              "Battery Type is: AA Lithium\r\n\r\nBattery Capacity =  6.0 Amp-Hours\r\nBattery Endurance is:   201 Days\r\n");
}

TEST(OxygenReport, QueriedJoulesFormBeforeTheBattery)
{
    std::unique_ptr<CInstrument> p = MakeKelvo<CInstrument700MxpOxFw11>();
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
