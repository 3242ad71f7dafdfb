#include "test_kelvo700_make.h"

#include <gtest/gtest.h>

namespace {

struct CVariantCase {
    const char* szClass;
    KelvoMaker pfnMake;
    const char* szDescription;
    int aCounts[3];  // batteries, pressure sensors, pumps
    int nCommScheme;
    int bRealTimeOption;
    int nFamilyCode;
    double dQuiescent;
    int aLimits[2];
    int aNCyclesNAvg[2];
    double aComm[2];  // current, time
    const char* szFirstBattery;
    double dFirstCapacity;
};

#define CASE(Class) #Class, &MakeKelvo<Class>

const double kPumped = 0.65 * 8.8;

const CVariantCase kCases[] = {
    {CASE(CInstrument700MxFwTo14), "Model = Kelvo 700 MX\r\nFirmware 1.4 or less\r\n", {2, 2, 0}, 3, 0, 700, 0.0001, {10, 14400}, {0, 0}, {0.0031, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700MxFw20), "Model = Kelvo 700 MX\r\nFirmware 2.0 or higher, less than 3.0\r\n", {2, 2, 0}, 3, 0, 700, 0.0001, {10, 14400}, {0, 0}, {0.005, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700MxFw30), "Model = Kelvo 700 MX\r\nFirmware 3.0 or higher\r\n", {2, 2, 0}, 3, 0, 700, 0.00012, {6, 14400}, {0, 0}, {0.0025, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700MxpFw20), "Model = Kelvo 700 MXP\r\nFirmware 2.0 or higher, less than 3.0\r\n", {2, 2, 0}, 3, 0, 700, 0.0001, {10, 14400}, {0, 0}, {0.005, 0.5}, "AA Lithium", kPumped},
    {CASE(CInstrument700MxpFw30), "Model = Kelvo 700 MXP\r\nFirmware 3.0 or higher, less than 4.0\r\n", {2, 2, 2}, 3, 0, 700, 0.00012, {6, 14400}, {0, 0}, {0.0025, 0.5}, "AA Lithium", kPumped},
    {CASE(CInstrument700MxpFw40), "Model = Kelvo 700 MXP\r\nFirmware 4.0 or higher\r\n", {1, 2, 2}, 3, 0, 700, 0.000055, {6, 14400}, {0, 0}, {0.0025, 0.5}, "AA Lithium", 6.0},
    {CASE(CInstrument700LxRs232FwTo16), "Model = Kelvo 700 LX RS-232\r\nFirmware 1.6 or less\r\n", {2, 2, 0}, 0, 0, 700, 0.00001, {10, 14400}, {0, 0}, {0.0043, 0.0}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxRs232Fw20), "Model = Kelvo 700 LX RS-232\r\nFirmware > or = 2.0 and < 2.6\r\n", {2, 2, 0}, 0, 0, 700, 0.00001, {5, 14400}, {0, 1}, {0.0043, 0.0}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxRs232Fw26Ext), "Model = Kelvo 700 LX RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nExternal Power Option\r\n", {2, 2, 0}, 0, 0, 700, 0.00001, {10, 14400}, {0, 1}, {0.0043, 0.0}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxRs232Fw26), "Model = Kelvo 700 LX RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nNo External Power Option\r\n", {2, 2, 0}, 0, 0, 700, 0.00001, {10, 14400}, {0, 1}, {0.0043, 0.0}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxRs232Fw30), "Model = Kelvo 700 LX RS-232\r\nFirmware = 3.0 or higher\r\n", {2, 2, 0}, 1, 1, 700, 0.00003, {6, 14400}, {0, 0}, {0.00015, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxRs485FwTo13), "Model = Kelvo 700 LX RS-485\r\nFirmware = 1.3 or less\r\n", {2, 2, 0}, 2, 1, 700, 0.00003, {10, 14400}, {1, 0}, {0.0011, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxRs485Fw20), "Model = Kelvo 700 LX RS-485\r\nFirmware >= 2.0 and < 3.0\r\n", {2, 2, 0}, 2, 1, 700, 0.00003, {10, 14400}, {0, 0}, {0.0011, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxRs485Fw30), "Model = Kelvo 700 LX RS-485\r\nFirmware = 3.0 or higher\r\n", {2, 2, 0}, 2, 1, 700, 0.00003, {6, 14400}, {0, 0}, {0.00015, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxpRs232FwPre26), "Model = Kelvo 700 LXP RS-232\r\nFirmware less than 2.6\r\n", {2, 2, 0}, 0, 0, 700, 0.00001, {10, 14400}, {0, 1}, {0.0043, 0.0}, "AA Lithium", kPumped},
    {CASE(CInstrument700LxpRs232Fw26Ext), "Model = Kelvo 700 LXP RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nExternal Power Option\r\n", {2, 2, 2}, 0, 0, 700, 0.00001, {10, 14400}, {0, 1}, {0.0043, 0.0}, "AA Lithium", kPumped},
    {CASE(CInstrument700LxpRs232Fw26), "Model = Kelvo 700 LXP RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nNo External Power Option\r\n", {2, 2, 0}, 0, 0, 700, 0.00001, {10, 14400}, {0, 1}, {0.0043, 0.0}, "AA Lithium", kPumped},
    {CASE(CInstrument700LxpRs232Fw30), "Model = Kelvo 700 LXP RS-232\r\nFirmware = 3.0 or higher, less than 4.0\r\n", {2, 2, 0}, 1, 1, 700, 0.00003, {6, 14400}, {0, 0}, {0.0043, 0.0}, "AA Lithium", kPumped},
    {CASE(CInstrument700LxpRs232Fw40), "Model = Kelvo 700 LXP RS-232\r\nFirmware = 4.0 or higher\r\n", {1, 2, 0}, 6, 1, 700, 0.00003, {6, 14400}, {0, 0}, {0.0043, 0.0}, "AA Lithium", 6.0},
    {CASE(CInstrument700LxpRs485FwPre23), "Model = Kelvo 700 LXP RS-485\r\nFirmware less than 2.3\r\n", {2, 2, 0}, 2, 1, 700, 0.00003, {10, 14400}, {0, 0}, {0.0011, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxpRs485Fw23), "Model = Kelvo 700 LXP RS-485\r\nFirmware > = 2.3 and < 3.0\r\n", {2, 2, 0}, 2, 1, 700, 0.00003, {10, 14400}, {0, 0}, {0.0011, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700LxpRs485Fw30), "Model = Kelvo 700 LXP RS-485\r\nFirmware = 3.0 or higher\r\n", {2, 2, 0}, 2, 1, 700, 0.00003, {6, 14400}, {0, 0}, {0.00015, 0.5}, "AA Lithium", 8.8},
    {CASE(CInstrument700MxpOxFw40), "Model = Kelvo 700 MXP OX\r\nFirmware 4.0\r\n", {-1, 2, 0}, 4, 0, 700, 0.000055, {10, 21600}, {0, 0}, {0.01, 0.5}, "AA Lithium", 6.0},
    {CASE(CInstrument700MxpOxFw11), "Model = Kelvo 700 MXP OX\r\nFirmware 1.1 or higher\r\n", {1, 1, 0}, 4, 0, 700, 0.000055, {10, 21600}, {0, 0}, {0.01, 0.5}, "AA Lithium", 6.0},
    {CASE(CInstrument700LxpOxRs232), "Model = Kelvo 700 LXP OX RS-232\r\nFirmware 1.0 or higher\r\n", {1, 1, 0}, 5, 1, 700, 0.00003, {10, 21600}, {0, 0}, {0.01, 0.5}, "AA Lithium", 6.0},
    {CASE(CInstrument710ModemFwPre11), "Model = Kelvo 710 MX\r\nFirmware less than 1.1\r\n", {1, 2, 0}, 3, 0, 710, 0.00002, {10, 14400}, {0, 0}, {0.0006, 0.5}, "Lithium", 2.0},
    {CASE(CInstrument710ModemFw11), "Model = Kelvo 710 MX\r\nFirmware 1.1 or higher\r\n", {1, 2, 0}, 3, 0, 710, 0.00002, {10, 14400}, {0, 0}, {0.0006, 0.0}, "Lithium", 2.0},
    {CASE(CInstrument710Rs232FwPre20), "Model = Kelvo 710 RS-232\r\nFirmware less than 2.0\r\n", {2, 2, 0}, 1, 1, 710, 0.00001, {0, 14400}, {0, 1}, {0.0043, 0.0}, "Lithium", 1.1},
    {CASE(CInstrument710Rs232Fw20), "Model = Kelvo 710 RS-232\r\nFirmware >= 2.0 and < 3.1\r\n", {2, 2, 0}, 1, 1, 710, 0.00001, {0, 14400}, {0, 1}, {0.0043, 0.0}, "Lithium", 1.1},
    {CASE(CInstrument710Rs232Fw31), "Model = Kelvo 710 RS-232\r\nFirmware 3.1 or higher\r\n", {2, 2, 0}, 1, 1, 710, 0.00001, {0, 14400}, {0, 1}, {0.0043, 0.0}, "Lithium", 1.1},
};

#undef CASE

bool IsOxygen(const std::string& strClass) { return strClass.find("Ox") != std::string::npos; }

TEST(Kelvo700Variants, ConstructorsSetTheirRows)
{
    ASSERT_EQ(std::size(kCases), 30u);
    for (const CVariantCase& c : kCases) {
        SCOPED_TRACE(c.szClass);
        const std::unique_ptr<CInstrument> p = c.pfnMake();
        EXPECT_EQ(p->GetModelIndex(), 4);
        EXPECT_EQ(p->GetCommIndex(), 1);
        EXPECT_EQ(p->GetFirmwareIndex(), 2);
        EXPECT_EQ(p->GetDescription(), c.szDescription);
        EXPECT_EQ(p->GetBatteryCount(), c.aCounts[0]);
        EXPECT_EQ(p->GetPressureSensorCount(), c.aCounts[1]);
        EXPECT_EQ(p->GetPumpCount(), c.aCounts[2]);
        EXPECT_EQ(p->GetCommScheme(), c.nCommScheme);
        EXPECT_EQ(p->HasPumpModes(), 1);
        EXPECT_EQ(p->HasRealTimeOption(), c.bRealTimeOption);
        EXPECT_EQ(p->GetFamilyCode(), c.nFamilyCode);
        EXPECT_EQ(p->m_dQuiescentCurrent, c.dQuiescent);
        EXPECT_EQ(p->GetMinSampleIntervalLimit(), c.aLimits[0]);
        EXPECT_EQ(p->GetMaxSampleInterval(), c.aLimits[1]);
        EXPECT_EQ(p->GetSampleIntervalRangeMsg(),
                  "Sample interval must be between " + std::to_string(c.aLimits[0]) + " and " +
                      std::to_string(c.aLimits[1]) + " seconds.");
        EXPECT_EQ(p->UsesNCycles(), c.aNCyclesNAvg[0]);
        EXPECT_EQ(p->UsesNAvg(), c.aNCyclesNAvg[1]);
        EXPECT_EQ(p->m_dCommCurrent, c.aComm[0]);
        EXPECT_EQ(p->m_dCommTime, c.aComm[1]);
        EXPECT_EQ(p->m_aBatteries.NameAt(0), c.szFirstBattery);
        EXPECT_EQ(p->m_aBatteries.ValueAt(0), c.dFirstCapacity);
        EXPECT_EQ(p->AsksPumpTimeParameters(), IsOxygen(c.szClass) ? 1 : 0);
        EXPECT_EQ(p->GetBatteryIndex(), p->GetFamilyCode() == 710 && p->GetCommScheme() == 3 ? 0 : -1);
    }
}

TEST(Kelvo700Variants, FamilyWideValues)
{
    for (const CVariantCase& c : kCases) {
        SCOPED_TRACE(c.szClass);
        const std::unique_ptr<CInstrument> p = c.pfnMake();
        EXPECT_EQ(p->m_dBaseSamplingTime, 1.8);
        EXPECT_EQ(p->GetMinNAvg(), 1);
        EXPECT_EQ(p->GetMaxNAvg(), 100);
        EXPECT_EQ(p->GetNAvgRangeMsg(), "NAvg must be between 1 and 100");
        EXPECT_EQ(p->MustNCyclesBeEven(), 0);
        EXPECT_EQ(p->m_nNAvg, 4);
        EXPECT_EQ(p->GetPressureSensorIndex(), -1);
        EXPECT_EQ(p->m_nSampleInterval, -1);
        EXPECT_EQ(p->m_aPumps.NameAt(0), "none");
        EXPECT_EQ(p->m_aPumps.ValueAt(0), 0.0);
        EXPECT_EQ(p->m_aPumps.NameAt(1), "");
        EXPECT_EQ(p->m_nMaxAuxSensors, 0);
        EXPECT_TRUE(p->m_astrAuxSensorNames.empty());
        EXPECT_TRUE(p->m_astrAuxSensorCurrents.empty());
        EXPECT_TRUE(p->m_strCalcNote.empty());
        const bool bJouleVariant = dynamic_cast<CInstrument700Ox*>(p.get()) != nullptr;
        EXPECT_EQ(bJouleVariant, std::string(c.szClass) == "CInstrument700MxpOxFw11" ||
                                     std::string(c.szClass) == "CInstrument700LxpOxRs232");
        if (!bJouleVariant) {
            EXPECT_EQ(p->GetMinSampleInterval(), p->GetMinSampleIntervalLimit());
        }
    }
}

// Second entries and the pressure-sensor lists, where they vary.
TEST(Kelvo700Variants, OptionLists)
{
    const struct {
        KelvoMaker pfnMake;
        const char* aBatteries[2];
        double dSecondCapacity;
        const char* aSensors[2];
        double aSensorCurrents[2];
    } aLists[] = {
        {&MakeKelvo<CInstrument700MxFw30>, {"AA Lithium", "Kelvo Custom"}, 5.0, {"none", "Strain gauge"}, {0.013, 0.013}},
        {&MakeKelvo<CInstrument700LxRs232Fw26>, {"AA Lithium", "Kelvo Custom"}, 5.0, {"none", "Strain gauge"}, {0.02, 0.02}},
        {&MakeKelvo<CInstrument700MxpFw40>, {"AA Lithium", ""}, 0.0, {"none", "Strain gauge"}, {0.008, 0.008}},
        {&MakeKelvo<CInstrument700MxpOxFw40>, {"AA Lithium", ""}, 0.0, {"none", "Strain gauge"}, {0.0075, 0.0128}},
        {&MakeKelvo<CInstrument700MxpOxFw11>, {"AA Lithium", ""}, 0.0, {"Strain gauge", ""}, {0.0128, 0.0}},
        {&MakeKelvo<CInstrument700LxpOxRs232>, {"AA Lithium", ""}, 0.0, {"Strain gauge", ""}, {0.0128, 0.0}},
        {&MakeKelvo<CInstrument710ModemFwPre11>, {"Lithium", ""}, 0.0, {"none", "Strain gauge"}, {0.03, 0.03}},
        {&MakeKelvo<CInstrument710ModemFw11>, {"Lithium", "Kelvo Custom"}, 5.0, {"none", "Strain gauge"}, {0.03, 0.03}},
        {&MakeKelvo<CInstrument710Rs232Fw31>, {"Lithium", "Alkaline"}, 0.3, {"none", "Strain gauge"}, {0.04, 0.04}},
    };
    for (const auto& l : aLists) {
        const std::unique_ptr<CInstrument> p = l.pfnMake();
        SCOPED_TRACE(p->GetDescription());
        EXPECT_EQ(p->m_aBatteries.NameAt(1), l.aBatteries[1]);
        EXPECT_EQ(p->m_aBatteries.ValueAt(1), l.dSecondCapacity);
        EXPECT_EQ(p->m_aBatteries.NameAt(2), "");
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(p->m_aPressureSensors.NameAt(i), l.aSensors[i]);
            EXPECT_EQ(p->m_aPressureSensors.ValueAt(i), l.aSensorCurrents[i]);
        }
    }
}

}  // namespace
