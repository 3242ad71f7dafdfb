#include "OxygenPump.h"
#include "test_kelvo700_make.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

TEST(OxygenPumpTime, SevenTimeConstantsHeldWithinTwoAndThirty)
{
    EXPECT_EQ(CalcPumpTime(20.0, 0.0, 1.0), 14.0);       // tau about 0.965
    EXPECT_EQ(CalcPumpTime(-5.0, 7000.0, 4.0), 210.0);   // tau about 34.7
    EXPECT_EQ(CalcPumpTime(10.0, 1000.0, 3.0), 38.845357244103084);
    CKelvoTraceLog log;
    CalcPumpTime(10.0, 1000.0, 3.0);
    EXPECT_EQ(log.m_astrLines, std::vector<std::string>{"Calculating pump time\n"});
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
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700LxpOxRs232>, 20.0, 0.0, 1.0);
    p->m_nSampleInterval = 20;
    EXPECT_EQ(p->GetMinSampleInterval(), 23);
    EXPECT_EQ(p->CalculateEndurance(20), 24.33252254558903);
    EXPECT_EQ(p->m_strCalcNote, FormatMinIntervalNote(23.0));
    EXPECT_EQ(p->CalculateEndurance(23), 24.33252254558903);
    EXPECT_EQ(p->m_nSampleInterval, 20);
    // A long enough interval is kept, and the earlier note goes.
    EXPECT_EQ(p->CalculateEndurance(600), 586.6153118098642);
    EXPECT_EQ(p->m_strCalcNote, "");
    p->m_bTransmitRealTime = 1;
    p->m_bReceiveLineValid = 1;
    p->SetDeploymentTemperature(10.0);
    p->SetDeploymentPressure(1000.0);
    p->SetTau20(3.0);
    EXPECT_EQ(p->CalculateEndurance(900), 47.97506447464682);
    EXPECT_EQ(p->GetMinSampleInterval(), 39 + 9);
}

TEST(OxygenJoules, LxpOxTracesEveryStepInOrder)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700LxpOxRs232>, 20.0, 0.0, 1.0);
    CKelvoTraceLog log;
    p->CalculateEndurance(20);
    const std::vector<std::string> astrExpected = {
        "=========================================\r\n",
        "Calculating pump time\n",
        "dDeploymentTau = 1.000000\r\n",
        "pumpTimeSampleWaiting = 15.000000\r\n",
        "pumpOnTimePerSample = 17.800000\r\n",
        "dSampleInterval = 20.000000\r\n",
        "Sample interval adjusted for pump on time.\n",
        "dSampleInterval = 23.000000\r\n",
        "samplingJoulesPerHour = 67.930435\r\n",
        "pumpOffTimePerSample = 5.200000\r\n",
        "pumpJoulesPerHour = 334.330435\r\n",
        "sampleWaitingJoulsPerHour = 37.565217\r\n",
        "waitPumpOffJoulesPerHour = 0.325565\r\n",
        "joulesPerHour = 440.151652\r\n",
        "batteryCapacityJoules = 257040.000000\r\n",
        "batteryEnduranceDays = 24.332523\r\n",
    };
    EXPECT_EQ(log.m_astrLines, astrExpected);
}

TEST(OxygenJoules, MxpOxFw11TracesSamplingTimeFirstAndRawPumpTime)
{
    std::unique_ptr<CInstrument> p = MakeOxygenRecord(&MakeKelvo<CInstrument700MxpOxFw11>, 20.0, 0.0, 1.0);
    CKelvoTraceLog log;
    p->CalculateEndurance(10);
    ASSERT_GE(log.m_astrLines.size(), 8u);
    const std::vector<std::string> astrHead(log.m_astrLines.begin(), log.m_astrLines.begin() + 8);
    const std::vector<std::string> astrExpected = {
        "dSamplingTime = 2.800000\r\n",
        "Calculating pump time\n",
        "dDeploymentTau = 1.000000\r\n",
        "pumpTimeSampleWaiting = 14.000000\r\n",
        "pumpOnTimePerSample = 17.800000\r\n",
        "dSampleInterval = 10.000000\r\n",
        "Sample interval will be adjusted for pump on time\n",
        "dSampleInterval = 23.000000\r\n",
    };
    EXPECT_EQ(astrHead, astrExpected);
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
    p->m_nInstrumentsQueried = 3;
    p->m_nCommsPerHour = 4;
    EXPECT_EQ(p->CalculateEndurance(600), 261.55953314004137);
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
    CKelvoTraceLog log;
    EXPECT_EQ(p->CalculateEndurance(600), 201.12943826884265);
    EXPECT_EQ(log.m_astrLines.size(), 2u);
    EXPECT_EQ(log.m_astrLines[0].substr(0, 7), "dTau = ");
    EXPECT_EQ(log.m_astrLines[1].substr(0, 17), "dPumpTimeTotal = ");
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

}  // namespace
