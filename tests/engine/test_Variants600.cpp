#include "InstrumentFactory.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using COptions = std::vector<std::pair<std::string, double>>;
using CNames = std::vector<std::string>;

struct CExpectedVariant {
    int nModel, nComm, nFirmware;
    const char* szDescription;
    int nPressureCount, nPumpCount, nCommScheme, bPumpModes;
    double dQuiescent;
    int nMinInterval, nMaxInterval;
    int bNCycles, nNCycles, bDelay, bParos, nParosTime;
    double dCommCurrent, dCommTime, dBaseTime;
    int nMaxAux, nPumpIndex, nPumpMode;
    COptions aPressure;
    bool bPumps630;
    CNames astrAux;
};

const COptions kPumps610 = {{"none", 0.0}, {"P4M", 0.1}, {"P4P Low Pwr 2000 RPM", 0.15}, {"P4T Low Pwr 2000 RPM", 0.15}};
const COptions kPumps630 = {{"P4M", 0.1}, {"P4P Low Pwr 2000 RPM", 0.15}, {"P4T Low Pwr 2000 RPM", 0.15}};
const CNames kAux610 = {"none", "Kelvo 810", "Kelvo 830", "Kelvo 820", "Other"};
const CNames kAux630Fw20 = {"none", "Kelvo 810", "Kelvo 830", "Kelvo 840", "Kelvo 820", "Other"};
const CNames kAux620 = {"none", "Kelvo 810", "Kelvo 830", "Kelvo 840", "Kelvo 820", "Kelvo 850", "Other"};

const CExpectedVariant kExpected[] = {
    {0, -1, -1,
     "Kelvo 610\r\n",
     3, 4, 0, 0, 5e-05, 15, 32767, 0, 1, 0, 0, 0, 0.0, 0.0, 0.0, 4, -1, 0,
     {{"none", 0.13}, {"Strain gauge", 0.18}, {"Digiquartz", 0.245}}, false, kAux610},
    {1, 0, 0,
     "Model = Kelvo 620 RS-232\r\nFirmware = 1.8c or less\r\n",
     3, 4, 0, 1, 3e-05, 10, 14400, 1, 1, 1, 1, 1, 0.06, 0.0, 2.2, 4, -1, 0,
     {{"none", 0.05}, {"Strain gauge", 0.065}, {"Digiquartz", 0.065}}, false, kAux620},
    {1, 0, 1,
     "Model = Kelvo 620 RS-232\r\nFirmware = 2.0 or higher\r\n",
     3, 4, 0, 1, 2e-05, 10, 14400, 1, 1, 1, 1, 1, 0.065, 0.0, 2.2, 8, -1, 0,
     {{"none", 0.055}, {"Strain gauge", 0.07}, {"Digiquartz", 0.07}}, false, kAux620},
    {1, 1, 0,
     "Model = Kelvo 620 RS-485\r\nFirmware = 1.2 or less\r\n",
     3, 4, 1, 1, 6e-05, 10, 14400, 1, 1, 1, 1, 1, 0.0017, 0.5, 2.2, 4, -1, 0,
     {{"none", 0.055}, {"Strain gauge", 0.07}, {"Digiquartz", 0.07}}, false, kAux620},
    {1, 2, 0,
     "Model = Kelvo 620 MX\r\nFirmware = 1.2c or less\r\n",
     3, 4, 1, 1, 0.000135, 10, 14400, 1, 1, 1, 0, 0, 0.005, 0.5, 2.2, 4, -1, 0,
     {{"none", 0.05}, {"Strain gauge", 0.065}, {"Digiquartz", 0.065}}, false, kAux620},
    {1, 2, 1,
     "Model = Kelvo 620 MX\r\nFirmware = 2.0 or higher\r\n",
     3, 4, 1, 1, 0.00014, 10, 14400, 1, 1, 1, 1, 1, 0.004, 0.5, 2.2, 8, -1, 0,
     {{"none", 0.055}, {"Strain gauge", 0.07}, {"Digiquartz", 0.07}}, false, kAux620},
    {2, 0, 0,
     "Model = Kelvo 630 Moored Mode\r\nFirmware = 1.6b or less\r\n",
     1, 3, 0, 1, 3e-05, 10, 14400, 1, 1, 1, 1, 0, 0.06, 0.0, 2.5, 4, 0, 1,
     {{"Strain gauge", 0.065}}, true, kAux610},
    {2, 0, 1,
     "Model = Kelvo 630 Moored Mode\r\nFirmware = 2.0 or higher\r\n",
     2, 3, 0, 1, 2e-05, 10, 14400, 1, 1, 1, 1, 0, 0.06, 0.0, 2.5, 8, 0, 1,
     {{"Strain gauge", 0.07}, {"Digiquartz", 0.07}}, true, kAux630Fw20},
};

template <typename TList>
void ExpectOptions(const TList& list, const COptions& aExpected, const char* szWhat)
{
    for (size_t i = 0; i < aExpected.size(); ++i) {
        EXPECT_EQ(list.NameAt(static_cast<int>(i)), aExpected[i].first) << szWhat << " " << i;
        EXPECT_EQ(list.ValueAt(static_cast<int>(i)), aExpected[i].second) << szWhat << " " << i;
    }
    EXPECT_EQ(list.NameAt(static_cast<int>(aExpected.size())), "") << szWhat;
}

TEST(Variants600, ConstructorsSetTheTabledConstants)
{
    for (const CExpectedVariant& e : kExpected) {
        auto p = CreateVariant(e.nModel, e.nComm, e.nFirmware);
        ASSERT_TRUE(p);
        SCOPED_TRACE(e.szDescription);
        EXPECT_EQ(p->GetDescription(), e.szDescription);
        EXPECT_EQ(p->GetPressureSensorCount(), e.nPressureCount);
        EXPECT_EQ(p->GetPumpCount(), e.nPumpCount);
        EXPECT_EQ(p->GetCommScheme(), e.nCommScheme);
        EXPECT_EQ(p->HasPumpModes(), e.bPumpModes);
        EXPECT_EQ(p->HasRealTimeOption(), 0);
        EXPECT_EQ(p->GetFamilyCode(), 610);
        EXPECT_EQ(p->GetBatteryCount(), 3);
        EXPECT_EQ(p->m_dQuiescentCurrent, e.dQuiescent);
        EXPECT_EQ(p->GetMinSampleIntervalLimit(), e.nMinInterval);
        EXPECT_EQ(p->GetMinSampleInterval(), e.nMinInterval);
        EXPECT_EQ(p->GetMaxSampleInterval(), e.nMaxInterval);
        EXPECT_EQ(p->UsesNCycles(), e.bNCycles);
        EXPECT_EQ(p->m_nNCycles, e.nNCycles);
        EXPECT_EQ(p->GetMinNCycles(), 1);
        EXPECT_EQ(p->GetMaxNCycles(), 100);
        EXPECT_EQ(p->GetNCyclesRangeMsg(), "NCycles must be between 1 and 100 seconds");
        EXPECT_EQ(p->MustNCyclesBeEven(), 0);
        EXPECT_EQ(p->UsesSamplingDelay(), e.bDelay);
        EXPECT_EQ(p->HasParosIntegration(), e.bParos);
        EXPECT_EQ(p->m_nParosIntegrationTime, e.nParosTime);
        EXPECT_EQ(p->m_dCommCurrent, e.dCommCurrent);
        EXPECT_EQ(p->m_dCommTime, e.dCommTime);
        EXPECT_EQ(p->m_dBaseSamplingTime, e.dBaseTime);
        EXPECT_EQ(p->m_nMaxAuxSensors, e.nMaxAux);
        EXPECT_EQ(p->AsksTemperature(), 1);
        EXPECT_EQ(p->AsksPumpTimeParameters(), 0);
        EXPECT_EQ(p->UsesNAvg(), 0);
        EXPECT_EQ(p->GetPressureSensorIndex(), -1);
        EXPECT_EQ(p->m_nPumpIndex, e.nPumpIndex);
        EXPECT_EQ(p->m_nPumpMode, e.nPumpMode);
        EXPECT_EQ(p->GetBatteryIndex(), -1);
        EXPECT_EQ(p->m_nAuxSensorCount, -1);
        EXPECT_EQ(p->m_nSampleInterval, -1);
        ExpectOptions(p->m_aPressureSensors, e.aPressure, "pressure");
        ExpectOptions(p->m_aPumps, e.bPumps630 ? kPumps630 : kPumps610, "pump");
        EXPECT_EQ(p->m_astrAuxSensorNames, e.astrAux);
        ASSERT_EQ(p->m_astrAuxSensorCurrents.size(), e.astrAux.size());
    }
}

TEST(Variants600, AuxiliaryDefaultCurrentsFollowTheNames)
{
    auto p = CreateVariant(1, 0, 1);
    const CNames astrExpected = {"0.0", "0.015", "0.010", "0.015", "0.006", "0.040", "0.0"};
    EXPECT_EQ(p->m_astrAuxSensorCurrents, astrExpected);
    auto p630 = CreateVariant(2, 0, 0);
    EXPECT_EQ(p630->m_astrAuxSensorCurrents, (CNames{"0.0", "0.015", "0.010", "0.006", "0.0"}));
}

struct CSensorReaction {
    int nModel, nComm, nFirmware;
    int nSensor;
    int nNCycles;
    int bEven;
    double dBaseTime;
};

const CSensorReaction kReactions[] = {
    {1, 2, 0, 2, 2, 1, 2.2},   // modem 620, Digiquartz: even NCycles
    {1, 2, 0, 1, 1, 0, 2.2},
    {1, 2, 0, 0, 1, 0, 2.2},
    {2, 0, 1, 1, 2, 1, 2.45},  // 630, Digiquartz: shorter base time, NCycles 2
    {2, 0, 1, 0, 1, 0, 2.5},
    {1, 0, 1, 2, 37, 0, 2.2},  // the others keep what was entered
    {2, 0, 0, 0, 37, 0, 2.5},
};

TEST(Variants600, ChoosingThePressureSensorResetsTimingWhereTheVariantNeedsIt)
{
    for (const CSensorReaction& r : kReactions) {
        auto p = CreateVariant(r.nModel, r.nComm, r.nFirmware);
        SCOPED_TRACE(p->GetDescription() + std::to_string(r.nSensor));
        p->m_nNCycles = 37;
        p->SetPressureSensorIndex(r.nSensor);
        EXPECT_EQ(p->GetPressureSensorIndex(), r.nSensor);
        EXPECT_EQ(p->m_nNCycles, r.nNCycles);
        EXPECT_EQ(p->MustNCyclesBeEven(), r.bEven);
        EXPECT_EQ(p->m_dBaseSamplingTime, r.dBaseTime);
    }
}

TEST(Variants600, Kelvo630Fw20ReturnsToStrainGaugeTiming)
{
    CInstrument630Fw20 instrument(2, 0, 1);
    instrument.SetPressureSensorIndex(1);
    instrument.SetPressureSensorIndex(0);
    EXPECT_EQ(instrument.m_dBaseSamplingTime, 2.5);
    EXPECT_EQ(instrument.m_nNCycles, 1);
    EXPECT_EQ(instrument.MustNCyclesBeEven(), 0);
}

TEST(Variants600, RangeMessageUsesTheVariantLimits)
{
    EXPECT_EQ(CreateVariant(1, 0, 0)->GetSampleIntervalRangeMsg(),
              "Sample interval must be between 10 and 14400 seconds.");
    EXPECT_EQ(CreateVariant(0, -1, -1)->GetSampleIntervalRangeMsg(),
              "Sample interval must be between 15 and 32767 seconds.");
}

}  // namespace
