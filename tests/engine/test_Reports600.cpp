#include "InstrumentFactory.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void Worked(CInstrument& instrument)
{
    instrument.m_nSampleInterval = 900;
    instrument.m_nAuxSensorCount = 0;
    instrument.m_nBatteryIndex = 0;
}

struct CReportCase {
    const char* szLabel;
    int nModel, nComm, nFirmware;
    std::function<void(CInstrument&)> fnSetUp;
    int bWithEndurance;
    const char* szExpected;
};

const CReportCase kReportCases[] = {
    {"610 fresh", 0, -1, -1, [](CInstrument&) {}, 0, "Moorplan 1.3\r\nKelvo 610\r\n"},
    {"610 worked", 0, -1, -1,
     [](CInstrument& k) {
         Worked(k);
         k.SetPressureSensorIndex(0);
         k.m_nPumpIndex = 0;
     },
     1,
     "Moorplan 1.3\r\nKelvo 610\r\nPressure Sensor = none\r\nPump Type = none\r\nSample Interval = 900\r\n"
     "Auxiliary Sensors: none\r\nBattery Type = Alkaline\r\nDeployment Temperature = 20.0\r\n\r\n"
     "Battery Capacity = 12.2 Amp-Hours\r\nBattery Endurance is:   658 Days\r\n"},
    {"620 worked, beyond two years", 1, 0, 1,
     [](CInstrument& k) {
         Worked(k);
         k.SetPressureSensorIndex(1);
         k.m_nPumpIndex = 0;
     },
     1,
     "Moorplan 1.3\r\nModel = Kelvo 620 RS-232\r\nFirmware = 2.0 or higher\r\nPressure Sensor = Strain gauge\r\n"
     "Pump Type = none\r\nSample Interval = 900\r\nNCycles = 1\r\nDelay before sampling =  0.0\r\n"
     "Auxiliary Sensors: none\r\nBattery Type = Alkaline\r\nDeployment Temperature = 20.0\r\n\r\n"
     "Battery Capacity 12.2 Amp-Hours\r\nBattery Endurance is:  2370 Days\r\n\r\n"
     "Batteries are not expected\r\nto last longer than 2 years"},
    {"620 modem, pump mode 2, queries, sensors", 1, 2, 1,
     [](CInstrument& k) {
         k.m_nSampleInterval = 600;
         k.SetPressureSensorIndex(2);
         k.m_nPumpIndex = 1;
         k.m_nPumpMode = 2;
         k.m_dSamplingDelay = 2.5;
         k.m_nInstrumentsQueried = 3;
         k.m_nCommsPerHour = 4;
         k.m_aAuxSensors.Set(0, "Kelvo 850", 0.04, 5);
         k.m_aAuxSensors.Set(1, "Other", 0.0124, 6);
         k.m_nAuxSensorCount = 2;
         k.m_nBatteryIndex = 2;
         k.m_dDeploymentTemperature = -5.0;
     },
     0,
     "Moorplan 1.3\r\nModel = Kelvo 620 MX\r\nFirmware = 2.0 or higher\r\nPressure Sensor = Digiquartz\r\n"
     "Pump Type = P4M\r\nPump Mode = 2\r\nPump on  5.70 sec\r\nSample Interval = 600\r\nNCycles = 1\r\n"
     "Delay before sampling =  2.5\r\nInstruments to be queried = 3\r\nCommunications per hour = 4\r\n"
     "Auxiliary Sensors:\r\nKelvo 850, Amps = 0.040\r\nOther, Amps = 0.012\r\n"
     "Battery Type = Lithium (30 Amp-hr)\r\nDeployment Temperature = -5.0\r\n\r\nBattery Capacity 23.8 Amp-Hours\r\n"},
    {"620 pump mode 1 before the interval is entered", 1, 0, 0,
     [](CInstrument& k) {
         k.m_nPumpIndex = 3;
         k.m_nPumpMode = 1;
     },
     0,
     "Moorplan 1.3\r\nModel = Kelvo 620 RS-232\r\nFirmware = 1.8c or less\r\n"
     "Pump Type = P4T Low Pwr 2000 RPM\r\nPump Mode = 1\r\n"},
    {"620 pump mode 1 with interval", 1, 1, 0,
     [](CInstrument& k) {
         k.m_nPumpIndex = 1;
         k.m_nPumpMode = 1;
         k.m_nSampleInterval = 60;
     },
     0,
     "Moorplan 1.3\r\nModel = Kelvo 620 RS-485\r\nFirmware = 1.2 or less\r\n"
     "Pump Type = P4M\r\nPump Mode = 1\r\nPump on 0.5 sec\r\nSample Interval = 60\r\nNCycles = 1\r\n"
     "Delay before sampling =  0.0\r\nInstruments to be queried = -1\r\nCommunications per hour = -1\r\n"},
    {"630 before the pressure sensor is chosen", 2, 0, 0, [](CInstrument&) {}, 0,
     "Moorplan 1.3\r\nModel = Kelvo 630 Moored Mode\r\nFirmware = 1.6b or less\r\n"},
    {"630 pump mode 1", 2, 0, 1,
     [](CInstrument& k) {
         Worked(k);
         k.SetPressureSensorIndex(1);
         k.m_dSamplingDelay = 3.0;
     },
     0,
     "Moorplan 1.3\r\nModel = Kelvo 630 Moored Mode\r\nFirmware = 2.0 or higher\r\nPressure Sensor = Digiquartz\r\n"
     "Pump Type = P4M\r\nPump Mode = 1\r\nPump on 0.5 sec\r\nSample Interval = 900\r\nNCycles = 2\r\n"
     "Delay before sampling =  3.0\r\nAuxiliary Sensors: none\r\nBattery Type is: Alkaline\r\n"
     "Deployment Temperature = 20.0\r\n\r\nBattery Capacity = 10.5 Amp-Hours\r\n"},
    {"630 pump mode 2", 2, 0, 0,
     [](CInstrument& k) {
         Worked(k);
         k.SetPressureSensorIndex(0);
         k.m_nPumpIndex = 2;
         k.m_nPumpMode = 2;
         k.m_nAuxSensorCount = -1;
     },
     0,
     "Moorplan 1.3\r\nModel = Kelvo 630 Moored Mode\r\nFirmware = 1.6b or less\r\nPressure Sensor = Strain gauge\r\n"
     "Pump Type = P4T Low Pwr 2000 RPM\r\nPump Mode = 2\r\nPump on  2.50 sec\r\nSample Interval = 900\r\n"
     "NCycles = 1\r\nDelay before sampling =  0.0\r\nBattery Type is: Alkaline\r\n"
     "Deployment Temperature = 20.0\r\n\r\nBattery Capacity = 10.5 Amp-Hours\r\n"},
};

TEST(Reports600, WholeReportsAreByteExact)
{
    for (const CReportCase& c : kReportCases) {
        auto p = CreateVariant(c.nModel, c.nComm, c.nFirmware);
        c.fnSetUp(*p);
        p->BuildSummary(c.bWithEndurance);
        EXPECT_EQ(p->m_strSummary, c.szExpected) << c.szLabel;
    }
}

TEST(Reports600, BuildingAgainReplacesTheReport)
{
    auto p = CreateVariant(0, -1, -1);
    Worked(*p);
    p->SetPressureSensorIndex(0);
    p->BuildSummary(1);
    const std::string strFirst = p->m_strSummary;
    p->BuildSummary(1);
    EXPECT_EQ(p->m_strSummary, strFirst);
}

// Opens the endurance line to the test.
struct CEnduranceLineProbe : CInstrument {
    using CInstrument::CInstrument;
    using CInstrument::EnduranceLine;
    void BuildSummary(int) override {}
    double CalculateEndurance(int) override { return 0.0; }
};

TEST(Reports600, TwoYearWarningStartsAtExactly730Days)
{
    const struct {
        double dDays;
        const char* szExpected;
    } kCases[] = {
        {730.0, "Battery Endurance is:   730 Days\r\n\r\nBatteries are not expected\r\nto last longer than 2 years"},
        {729.9, "Battery Endurance is:   730 Days\r\n"},
        {42.0, "Battery Endurance is:    42 Days\r\n"},
        {0.0, "Battery Endurance is:     0 Days\r\n"},
        {123456.0, "Battery Endurance is: 123456 Days\r\n\r\nBatteries are not expected\r\nto last longer than 2 years"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(CEnduranceLineProbe::EnduranceLine(c.dDays, false), c.szExpected) << c.dDays;
}

}  // namespace
