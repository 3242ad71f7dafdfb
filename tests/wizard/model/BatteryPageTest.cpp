#include "SheetDriver.h"

namespace {

using PBattery = CBatterySelectPageModel;

struct CCompatibility {
    int nModel, nBattery, nPump;
    bool bAllowed;
};

class PumpBattery : public ::testing::TestWithParam<CCompatibility> {};

TEST_P(PumpBattery, LithiumPacksRefuseTheP4TAndP4PPumps)
{
    const CCompatibility& c = GetParam();
    EXPECT_EQ(PBattery::IsPumpBatteryCompatible(c.nModel, c.nBattery, c.nPump), c.bAllowed);
}

INSTANTIATE_TEST_SUITE_P(Table, PumpBattery,
                         ::testing::Values(CCompatibility{1, 2, 2, false}, CCompatibility{1, 2, 0, true},
                                           CCompatibility{1, 2, 1, true}, CCompatibility{0, 1, 3, false},
                                           CCompatibility{0, 0, 3, true}, CCompatibility{2, 1, 1, false},
                                           CCompatibility{2, 1, 2, false}, CCompatibility{2, 1, 0, true},
                                           CCompatibility{2, 0, 2, true}, CCompatibility{4, 1, 2, true}));

// The Kelvo 610 asks the temperature only; the Kelvo 700 with oxygen asks the
// temperature, the pressure and Tau20, in that order.
struct CBatteryCheck {
    CVariant variant;
    CTyped aTyped;
    const char* szMessage;
    double dTemperature;   // stored afterwards
    double dPressure;
};

class BatteryChecks : public ::testing::TestWithParam<CBatteryCheck> {};

TEST_P(BatteryChecks, RunInOrderWithInclusiveBoundsAndStoreWhatPassedBefore)
{
    const CBatteryCheck& c = GetParam();
    CSheetDriver driver;
    driver.Open(c.variant, EPageKind::BatterySelect);
    driver.Instrument().SetDeploymentPressure(-1.0);
    EXPECT_EQ(driver.Submit(c.aTyped), c.szMessage);
    EXPECT_EQ(driver.Instrument().GetDeploymentTemperature(), c.dTemperature);
    EXPECT_EQ(driver.Instrument().m_dDeploymentPressure, c.dPressure);
}

constexpr const char* kTemperatureMessage = "Deployment temperature must be between -5 and 40 degrees C";
constexpr const char* kTau20Message = "Oxygen Tau 20 must be between 0.5 and 40 seconds";
constexpr int kT = PBattery::kTemperature;
constexpr int kP = PBattery::kPressure;
constexpr int kTau = PBattery::kTau20;

INSTANTIATE_TEST_SUITE_P(
    Order, BatteryChecks,
    ::testing::Values(
        CBatteryCheck{{0}, {{kT, "-5"}}, "", -5.0, -1.0}, CBatteryCheck{{0}, {{kT, "40"}}, "", 40.0, -1.0},
        CBatteryCheck{{0}, {{kT, " 12x"}}, "", 12.0, -1.0},
        CBatteryCheck{{0}, {{kT, "-5.5"}}, kTemperatureMessage, 20.0, -1.0},
        CBatteryCheck{{0}, {{kT, "40.5"}}, kTemperatureMessage, 20.0, -1.0},
        CBatteryCheck{{0}, {{kT, ""}}, kTemperatureMessage, 20.0, -1.0},
        CBatteryCheck{{0}, {{kT, "nan"}}, kTemperatureMessage, 20.0, -1.0},
        CBatteryCheck{{5, 0, 0}, {{kT, "41"}, {kP, "0"}, {kTau, "0"}}, kTemperatureMessage, 20.0, -1.0},
        CBatteryCheck{{5, 0, 0}, {{kT, "4"}, {kP, "0.5"}, {kTau, "0"}},
                      "Deployment pressure must be between 1 and 7000 decibars", 4.0, -1.0},
        CBatteryCheck{{5, 0, 0}, {{kT, "4"}, {kP, "7000"}, {kTau, "40.5"}}, kTau20Message, 4.0, 7000.0},
        CBatteryCheck{{5, 0, 0}, {{kT, "4"}, {kP, "1"}, {kTau, "0.49"}}, kTau20Message, 4.0, 1.0},
        CBatteryCheck{{5, 0, 0}, {{kT, "4"}, {kP, "1"}, {kTau, "0.5"}}, "", 4.0, 1.0},
        CBatteryCheck{{5, 0, 0}, {{kT, "4"}, {kP, "1"}, {kTau, "40"}}, "", 4.0, 1.0}));

TEST(BatteryPage, BackSkipsABadTemperatureAndStoresTheRest)
{
    CSheetDriver k610;
    CPageModel& page610 = k610.Open({0}, EPageKind::BatterySelect);
    EXPECT_EQ(page610.Title(), "Battery Type");
    page610.TypeText(kT, "99");
    EXPECT_FALSE(k610.m_sheet.Back().m_bStay);
    EXPECT_EQ(k610.Instrument().GetDeploymentTemperature(), 20.0);
    EXPECT_EQ(k610.Instrument().GetBatteryIndex(), 0);
    k610.m_sheet.Next();
    EXPECT_EQ(k610.Submit({{kT, "4.56"}}), "");
    k610.m_sheet.Back();   // the stored temperature, to one decimal
    EXPECT_EQ(page610.Control(kT).m_strText, " 4.6");

    CSheetDriver oxygen;
    CPageModel& page = oxygen.Open({5, 0, 0}, EPageKind::BatterySelect);
    EXPECT_EQ(page.Title(), "Battery Type and Pump Time Parameters");
    EXPECT_TRUE(page.Control(PBattery::kNote).m_bVisible);
    EXPECT_FALSE(page.Control(PBattery::kBattery).m_bEnabled);   // a single battery type
    page.TypeText(kT, "abc");
    page.TypeText(kP, "250");
    page.TypeText(kTau, "5.5");
    EXPECT_FALSE(oxygen.m_sheet.Back().m_bStay);
    EXPECT_EQ(oxygen.Instrument().GetDeploymentTemperature(), 20.0);
    EXPECT_EQ(oxygen.Instrument().m_dDeploymentPressure, 250.0);
    EXPECT_EQ(oxygen.Instrument().m_dTau20, 5.5);
}

TEST(BatteryPage, LithiumWithAP4PPumpIsRefusedLast)
{
    CSheetDriver driver;
    CPageModel& pump = driver.Open({1, 0, 1}, EPageKind::MooredPumpSelect);
    pump.SelectEntry(CMooredPumpSelectPageModel::kPump, 2);
    driver.NextUntil(EPageKind::BatterySelect).SelectEntry(PBattery::kBattery, 2);
    EXPECT_EQ(driver.Submit({{kT, "10"}}), "Kelvo P4T or P4P pump not compatible with lithium battery packs.");
    EXPECT_EQ(driver.Instrument().GetDeploymentTemperature(), 10.0);
}

}  // namespace
