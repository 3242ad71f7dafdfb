#include "InstrumentFactory.h"
#include "TraceCapture.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

// What the pages enter into a Kelvo 610/620/630 record; -1 leaves a choice
// or count unentered.
struct CRecord600 {
    int nModel, nComm, nFirmware;
    int nSensor, nPump, nPumpMode;
    int nInterval, nBattery, nAuxCount;
    double dDelay, dTemperature;
    int nQueried, nCommsPerHour;
};

std::unique_ptr<CInstrument> Enter(const CRecord600& r)
{
    auto p = CreateVariant(r.nModel, r.nComm, r.nFirmware);
    p->SetPressureSensorIndex(r.nSensor);
    p->m_nPumpIndex = r.nPump;
    p->m_nPumpMode = r.nPumpMode;
    p->m_nSampleInterval = r.nInterval;
    p->m_nBatteryIndex = r.nBattery;
    p->m_aAuxSensors.Set(0, "Kelvo 850", 0.04, 5);
    p->m_aAuxSensors.Set(1, "Other", 0.0124, 6);
    p->m_nAuxSensorCount = r.nAuxCount;
    p->m_dSamplingDelay = r.dDelay;
    p->m_dDeploymentTemperature = r.dTemperature;
    p->m_nInstrumentsQueried = r.nQueried;
    p->m_nCommsPerHour = r.nCommsPerHour;
    return p;
}

// The worked records; where a trace is given it is every line the variant's
// calculation writes, which shows the intermediate values.
const struct {
    const char* szLabel;
    CRecord600 record;
    double dDays;
    const char* szTrace;
} kBudgetCases[] = {
    {"610 lithium 42 adds self-discharge", {0, -1, -1, 0, 0, 0, 900, 1, 0, 0.0, 20.0, -1, -1}, 1742.9622925711678,
     "deratedBatteryCapacity = 37.700000\r\ndTotalCurrent = 2.780000\r\n"
     "dSelfDischargeCurrent_amp_sec_per_hour = 0.464476\r\ndTotalCurrent = 3.244476\r\n"
     "dEndurance = 1742.962293\r\n"},
    {"610 Digiquartz wakes longer", {0, -1, -1, 2, 1, 0, 900, 0, 0, 0.0, 20.0, -1, -1}, 169.97625728469671, nullptr},
    {"620 RS-232 2.0, t = 2.5 s, H = 0.772", {1, 0, 1, 1, 0, 0, 900, 0, 0, 0.0, 20.0, -1, -1}, 2370.4663212435235,
     "deratedBatteryCapacity = 12.200000\r\ndBattAmpSecHour = 43920.000000\r\n"
     "dSamplingTime = 2.500000\r\ndSamplingAmpSec = 0.175000\r\ndSamplesPerHour = 4.000000\r\n"
     "dPumpAmpSec = 0.000000\r\ndAuxSensorAmpSec = 0.000000\r\ndQuiescentAmpSecHour = 0.072000\r\n"
     "dCommunicationAmpSec = -0.000000\r\ndTotalCurrent = 0.772000\r\ndEndurance = 2370.466321\r\n"},
    {"620 pump mode 1 charges 0.5 s", {1, 0, 1, 1, 1, 1, 900, 0, 0, 0.0, 20.0, -1, -1}, 1416.36690647482, nullptr},
    {"630 lithium 42, pump mode 1", {2, 0, 1, 0, 0, 1, 900, 1, 0, 0.0, 20.0, -1, -1}, 3415.9820603020416,
     "deratedBatteryCapacity = 35.200000\r\ndSelfDischargeCurrent_amp_sec_per_hour = 0.433676\r\n"
     "dTotalCurrent = 1.545676\r\ndEndurance = 3415.982060\r\n"},
};

TEST(Kelvo600, ChargeBudgetGivesTheWorkedDays)
{
    for (const auto& c : kBudgetCases) {
        SCOPED_TRACE(c.szLabel);
        auto p = Enter(c.record);
        CTraceCapture capture;
        EXPECT_EQ(p->CalculateEndurance(c.record.nInterval), c.dDays);
        if (c.szTrace) {
            EXPECT_EQ(capture.Text(), c.szTrace);
        }
    }
}

// The standard record of VariantTableTest times the pump modes and the delay;
// the Digiquartz adds the Paros integration time, and any NCycles is safe.
TEST(Kelvo600, SamplingTimeRules)
{
    auto p620 = CreateVariant(1, 0, 1);
    auto& k620 = dynamic_cast<CInstrument620&>(*p620);
    k620.m_nNCycles = 3;
    k620.m_dSamplingDelay = 1.5;
    k620.SetPressureSensorIndex(2);
    k620.m_nParosIntegrationTime = 4;
    EXPECT_EQ(k620.GetSamplingTime(), 0.5 + 1.5 + 2.2 + 4.0);
    k620.m_nNCycles = INT_MIN;   // converted before the subtraction
    EXPECT_TRUE(std::isfinite(k620.GetSamplingTime()));
}

// Eight slots at most, however large the count.
TEST(Kelvo600, AuxiliarySensorsStopAtTheEighthSlot)
{
    for (int nModel : {0, 1, 2}) {
        auto p = Enter({nModel, 0, 1, 0, 0, 1, 600, 0, INT_MAX, 0.0, 20.0, -1, -1});
        p->BuildSummary(1);
        size_t nLines = 0;
        for (size_t n = p->m_strSummary.find(", Amps = "); n != std::string::npos;
             n = p->m_strSummary.find(", Amps = ", n + 1))
            ++nLines;
        EXPECT_EQ(nLines, 8u) << nModel;
    }
}

const std::string kHead = "Moorplan 1.3\r\n";

const struct {
    const char* szLabel;
    CRecord600 record;
    int bWithEndurance;
    const char* szBody;   // after the title and the description
} kReportCases[] = {
    {"610 fresh", {0, -1, -1, -1, -1, 0, -1, -1, -1, 0.0, 20.0, -1, -1}, 0, ""},
    {"610 worked", {0, -1, -1, 0, 0, 0, 900, 0, 0, 0.0, 20.0, -1, -1}, 1,
     "Pressure Sensor = none\r\nPump Type = none\r\nSample Interval = 900\r\nAuxiliary Sensors: none\r\n"
     "Battery Type = Alkaline\r\nDeployment Temperature = 20.0\r\n\r\nBattery Capacity = 12.2 Amp-Hours\r\n"
     "Battery Endurance is:   658 Days\r\n"},
    {"620 worked, beyond two years", {1, 0, 1, 1, 0, 0, 900, 0, 0, 0.0, 20.0, -1, -1}, 1,
     "Pressure Sensor = Strain gauge\r\nPump Type = none\r\nSample Interval = 900\r\nNCycles = 1\r\n"
     "Delay before sampling =  0.0\r\nAuxiliary Sensors: none\r\nBattery Type = Alkaline\r\n"
     "Deployment Temperature = 20.0\r\n\r\nBattery Capacity 12.2 Amp-Hours\r\nBattery Endurance is:  2370 Days\r\n\r\n"
     "Batteries are not expected\r\nto last longer than 2 years"},
    {"620 modem, pump mode 2, queries, sensors", {1, 2, 1, 2, 1, 2, 600, 2, 2, 2.5, -5.0, 3, 4}, 0,
     "Pressure Sensor = Digiquartz\r\nPump Type = P4M\r\nPump Mode = 2\r\nPump on  5.70 sec\r\n"
     "Sample Interval = 600\r\nNCycles = 1\r\nDelay before sampling =  2.5\r\nInstruments to be queried = 3\r\n"
     "Communications per hour = 4\r\nAuxiliary Sensors:\r\nKelvo 850, Amps = 0.040\r\nOther, Amps = 0.012\r\n"
     "Battery Type = Lithium (30 Amp-hr)\r\nDeployment Temperature = -5.0\r\n\r\nBattery Capacity 23.8 Amp-Hours\r\n"},
    {"620 pump mode 1 before the interval is entered", {1, 0, 0, -1, 3, 1, -1, -1, -1, 0.0, 20.0, -1, -1}, 0,
     "Pump Type = P4T Low Pwr 2000 RPM\r\nPump Mode = 1\r\n"},
    {"620 pump mode 1 with interval, queries unentered", {1, 1, 0, -1, 1, 1, 60, -1, -1, 0.0, 20.0, -1, -1}, 0,
     "Pump Type = P4M\r\nPump Mode = 1\r\nPump on 0.5 sec\r\nSample Interval = 60\r\nNCycles = 1\r\n"
     "Delay before sampling =  0.0\r\nInstruments to be queried = -1\r\nCommunications per hour = -1\r\n"},
    {"630 before the pressure sensor is chosen", {2, 0, 0, -1, 0, 1, -1, -1, -1, 0.0, 20.0, -1, -1}, 0, ""},
    {"630 pump mode 1", {2, 0, 1, 1, 0, 1, 900, 0, 0, 3.0, 20.0, -1, -1}, 0,
     "Pressure Sensor = Digiquartz\r\nPump Type = P4M\r\nPump Mode = 1\r\nPump on 0.5 sec\r\n"
     "Sample Interval = 900\r\nNCycles = 2\r\nDelay before sampling =  3.0\r\nAuxiliary Sensors: none\r\n"
     "Battery Type is: Alkaline\r\nDeployment Temperature = 20.0\r\n\r\nBattery Capacity = 10.5 Amp-Hours\r\n"},
    {"630 pump mode 2", {2, 0, 0, 0, 2, 2, 900, 0, -1, 0.0, 20.0, -1, -1}, 0,
     "Pressure Sensor = Strain gauge\r\nPump Type = P4T Low Pwr 2000 RPM\r\nPump Mode = 2\r\nPump on  2.50 sec\r\n"
     "Sample Interval = 900\r\nNCycles = 1\r\nDelay before sampling =  0.0\r\nBattery Type is: Alkaline\r\n"
     "Deployment Temperature = 20.0\r\n\r\nBattery Capacity = 10.5 Amp-Hours\r\n"},
};

TEST(Kelvo600, WholeReportsAreByteExact)
{
    for (const auto& c : kReportCases) {
        auto p = Enter(c.record);
        p->BuildSummary(c.bWithEndurance);
        p->BuildSummary(c.bWithEndurance);   // rebuilding replaces, never appends
        EXPECT_EQ(p->m_strSummary, kHead + p->GetDescription() + c.szBody) << c.szLabel;
    }
}

// The manual quotes every rule to two decimals, written from the engine (its
// tests: manual_tests); these rows are the temperatures where only the last bits show
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
        {1, -1, 0, 0, 0.0},  {1, 3, 0, 0, 0.0},     {1, 0, 0, 0, 9.15},    {1, 0, 1, 0, 7.875},
        {1, 0, -1, 1, 7.875}, {1, 2, -1, 1, 24.48}, {2, 1, -1, 0, 34.2},
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

// Opens the endurance line to the test.
struct CEnduranceLineProbe : CInstrument {
    using CInstrument::EnduranceLine;
};

// Both forms of the line: the Kelvo 610/620/630 leave the notice unended, the
// oxygen form ends it.
TEST(Kelvo600, TwoYearWarningStartsAtExactly730Days)
{
    const std::string kWarning = "\r\n\r\nBatteries are not expected\r\nto last longer than 2 years";
    EXPECT_EQ(CEnduranceLineProbe::EnduranceLine(729.9, true), "Battery Endurance is:   730 Days\r\n");
    EXPECT_EQ(CEnduranceLineProbe::EnduranceLine(730.0, false), "Battery Endurance is:   730 Days" + kWarning);
    EXPECT_EQ(CEnduranceLineProbe::EnduranceLine(123456.0, true),
              "Battery Endurance is: 123456 Days" + kWarning + "\r\n");
}

}  // namespace
