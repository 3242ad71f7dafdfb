#include "InstrumentFactory.h"
#include "TraceCapture.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

// One record set-up of a Kelvo 610/620/630 and the endurance it must give.
struct CBudgetCase {
    const char* szLabel;
    int nModel, nComm, nFirmware;
    int nSensor, nPump, nPumpMode;
    int nBattery;
    int nQueried, nCommsPerHour;
    int nInterval;
    double dExpectedDays;
};

const CBudgetCase kBudgetCases[] = {
    {"610 alkaline, 900 s", 0, -1, -1, 0, 0, 0, 0, -1, -1, 900, 658.2733812949641},
    {"610 lithium 42 adds self-discharge", 0, -1, -1, 0, 0, 0, 1, -1, -1, 900, 1742.9622925711678},
    {"610 strain gauge with P4M", 0, -1, -1, 1, 1, 0, 0, -1, -1, 900, 278.26855123674915},
    {"610 Digiquartz wakes longer", 0, -1, -1, 2, 1, 0, 0, -1, -1, 900, 169.97625728469671},
    {"620 RS-232 2.0, strain gauge", 1, 0, 1, 1, 0, 0, 0, -1, -1, 900, 2370.4663212435235},
    {"620 pump mode 1 charges 0.5 s", 1, 0, 1, 1, 1, 1, 0, -1, -1, 900, 1416.36690647482},
    {"620 pump mode 2 charges the sampling time", 1, 0, 1, 1, 1, 2, 0, -1, -1, 900, 888.82618510158},
    {"620 RS-485 answers queries", 1, 1, 0, 1, -1, 0, 0, 3, 4, 600, 1433.9445228020688},
    {"no battery chosen", 1, 0, 1, 1, 0, 0, -1, -1, -1, 900, 0.0},
    {"battery index beyond the packs", 0, -1, -1, 0, 0, 0, 3, -1, -1, 900, 0.0},
};

void Apply(CInstrument& instrument, const CBudgetCase& c)
{
    instrument.SetPressureSensorIndex(c.nSensor);
    instrument.m_nPumpIndex = c.nPump;
    instrument.m_nPumpMode = c.nPumpMode;
    instrument.m_nBatteryIndex = c.nBattery;
    instrument.m_nInstrumentsQueried = c.nQueried;
    instrument.m_nCommsPerHour = c.nCommsPerHour;
    instrument.m_nAuxSensorCount = 0;
}

TEST(Endurance600, ChargeBudgetGivesTheWorkedDays)
{
    for (const CBudgetCase& c : kBudgetCases) {
        auto p = CreateVariant(c.nModel, c.nComm, c.nFirmware);
        Apply(*p, c);
        EXPECT_EQ(p->CalculateEndurance(c.nInterval), c.dExpectedDays) << c.szLabel;
    }
}

TEST(Endurance600, EachFamilyTracesItsOwnSteps)
{
    struct CTraceCase {
        int nModel, nComm, nFirmware, nBattery;
        const char* szExpected;
    };
    const CTraceCase kCases[] = {
        {0, -1, -1, 0,
         "deratedBatteryCapacity = 12.200000\r\ndTotalCurrent = 2.780000\r\n"
         "dTotalCurrent = 2.780000\r\ndEndurance = 658.273381\r\n"},
        {0, -1, -1, 1,
         "deratedBatteryCapacity = 37.700000\r\ndTotalCurrent = 2.780000\r\n"
         "dSelfDischargeCurrent_amp_sec_per_hour = 0.464476\r\ndTotalCurrent = 3.244476\r\n"
         "dEndurance = 1742.962293\r\n"},
        {1, 0, 1, 0,
         "deratedBatteryCapacity = 12.200000\r\ndBattAmpSecHour = 43920.000000\r\n"
         "dSamplingTime = 2.500000\r\ndSamplingAmpSec = 0.175000\r\ndSamplesPerHour = 4.000000\r\n"
         "dPumpAmpSec = 0.000000\r\ndAuxSensorAmpSec = 0.000000\r\ndQuiescentAmpSecHour = 0.072000\r\n"
         "dCommunicationAmpSec = -0.000000\r\ndTotalCurrent = 0.772000\r\ndEndurance = 2370.466321\r\n"},
        {2, 0, 1, 1,
         "deratedBatteryCapacity = 35.200000\r\ndSelfDischargeCurrent_amp_sec_per_hour = 0.433676\r\n"
         "dTotalCurrent = 1.545676\r\ndEndurance = 3415.982060\r\n"},
    };
    for (const CTraceCase& c : kCases) {
        auto p = CreateVariant(c.nModel, c.nComm, c.nFirmware);
        p->SetPressureSensorIndex(c.nModel == 2 ? 0 : c.nModel);
        if (c.nModel != 2)
            p->m_nPumpIndex = 0;
        p->m_nBatteryIndex = c.nBattery;
        p->m_nAuxSensorCount = 0;
        CTraceCapture capture;
        p->CalculateEndurance(900);
        EXPECT_EQ(capture.Text(), c.szExpected) << p->GetDescription();
    }
}

TEST(Endurance600, SamplingTimeRules)
{
    auto p620 = CreateVariant(1, 0, 1);
    auto& k620 = dynamic_cast<CInstrument620&>(*p620);
    k620.m_nNCycles = 3;
    k620.m_dSamplingDelay = 1.5;
    k620.SetPressureSensorIndex(0);
    EXPECT_EQ(k620.GetSamplingTime(), 0.5 + 1.5 + 2.2);
    k620.SetPressureSensorIndex(2);   // Digiquartz adds the Paros integration time
    k620.m_nParosIntegrationTime = 4;
    EXPECT_EQ(k620.GetSamplingTime(), 0.5 + 1.5 + 2.2 + 4.0);
    k620.m_nPumpIndex = 0;   // pump mode 1 adds 0.5 s even with "none"
    k620.m_nPumpMode = 1;
    EXPECT_EQ(k620.GetSamplingTime(), 0.5 + 1.5 + 2.2 + 4.0 + 0.5);

    CInstrument630Fw20 k630(2, 0, 1);
    k630.m_dSamplingDelay = 5.0;
    EXPECT_EQ(k630.GetSamplingTime(), 2.5 + 0.5);   // mode 1 ignores the delay
    k630.m_nPumpMode = 2;
    EXPECT_EQ(k630.GetSamplingTime(), 5.0 + 2.5);
}

// Fills every auxiliary slot so that a count beyond the list would show.
void FillAuxSensors(CInstrument& instrument)
{
    for (int i = 0; i < 8; ++i)
        instrument.m_aAuxSensors.Set(i, "Kelvo 810", 0.015, 1);
}

TEST(Endurance600, AuxiliaryLoopStopsAtTheEighthSlot)
{
    for (int nModel : {0, 1, 2}) {
        auto p = CreateVariant(nModel, 0, 1);
        p->SetPressureSensorIndex(0);
        p->m_nBatteryIndex = 0;
        FillAuxSensors(*p);
        p->m_nAuxSensorCount = 8;
        const double dEight = p->CalculateEndurance(600);
        p->m_nAuxSensorCount = INT_MAX;
        EXPECT_EQ(p->CalculateEndurance(600), dEight) << nModel;
        p->BuildSummary(0);
        size_t nLines = 0;
        for (size_t n = p->m_strSummary.find(", Amps = "); n != std::string::npos;
             n = p->m_strSummary.find(", Amps = ", n + 1))
            ++nLines;
        EXPECT_EQ(nLines, 8u) << nModel;
    }
}

TEST(Endurance600, ExtremeNCyclesStayFinite)
{
    auto p = CreateVariant(1, 0, 1);
    p->SetPressureSensorIndex(1);
    p->m_nBatteryIndex = 0;
    p->m_nNCycles = INT_MIN;
    EXPECT_EQ(dynamic_cast<CInstrument620&>(*p).GetSamplingTime(), (-2147483648.0 - 1.0) * 0.25 + 2.2 + 0.3);
    EXPECT_TRUE(std::isfinite(p->CalculateEndurance(900)));
}

}  // namespace
