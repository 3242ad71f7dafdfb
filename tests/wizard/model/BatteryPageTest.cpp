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

struct CTemperature {
    const char* szText;
    bool bAccepted;
};

class Temperature : public ::testing::TestWithParam<CTemperature> {};

TEST_P(Temperature, BoundsAreInclusive)
{
    CSheetDriver driver;
    driver.ChooseInstrument(0);
    CPageModel& page = driver.NextUntil(EPageKind::BatterySelect);
    EXPECT_EQ(page.Title(), "Battery Type");
    page.TypeText(PBattery::kTemperature, GetParam().szText);
    const CPageResult result = driver.m_sheet.Next();
    EXPECT_EQ(result.m_strMessage,
              GetParam().bAccepted ? "" : "Deployment temperature must be between -5 and 40 degrees C");
}

INSTANTIATE_TEST_SUITE_P(Values, Temperature,
                         ::testing::Values(CTemperature{"-5", true}, CTemperature{"40", true},
                                           CTemperature{"-5.5", false}, CTemperature{"40.5", false},
                                           CTemperature{"", false}, CTemperature{"nan", false},
                                           CTemperature{"1e400", false}, CTemperature{" 12x", true}));

TEST(BatteryPage, BackWithABadTemperatureKeepsTheEarlierOne)
{
    CSheetDriver driver;
    driver.ChooseInstrument(0);
    CPageModel& page = driver.NextUntil(EPageKind::BatterySelect);
    page.TypeText(PBattery::kTemperature, "99");
    const CPageResult result = driver.m_sheet.Back();
    EXPECT_FALSE(result.m_bStay);
    EXPECT_EQ(driver.Instrument().GetDeploymentTemperature(), 20.0);
    EXPECT_EQ(driver.Instrument().GetBatteryIndex(), 0);
}

struct COxygenCheck {
    const char* szTemperature;
    const char* szPressure;
    const char* szTau20;
    const char* szMessage;
    double dTemperature;   // stored afterwards
    double dPressure;
};

class OxygenChecks : public ::testing::TestWithParam<COxygenCheck> {};

TEST_P(OxygenChecks, RunInOrderAndStoreWhatPassedBefore)
{
    const COxygenCheck& c = GetParam();
    CSheetDriver driver;
    driver.ChooseInstrument(5, 0, 0);
    CPageModel& page = driver.NextUntil(EPageKind::BatterySelect);
    EXPECT_EQ(page.Title(), "Battery Type and Pump Time Parameters");
    EXPECT_TRUE(page.Control(PBattery::kNote).m_bVisible);
    EXPECT_FALSE(page.Control(PBattery::kBattery).m_bEnabled);   // a single battery type
    driver.Instrument().SetDeploymentPressure(-1.0);
    page.TypeText(PBattery::kTemperature, c.szTemperature);
    page.TypeText(PBattery::kPressure, c.szPressure);
    page.TypeText(PBattery::kTau20, c.szTau20);
    EXPECT_EQ(driver.m_sheet.Next().m_strMessage, c.szMessage);
    EXPECT_EQ(driver.Instrument().GetDeploymentTemperature(), c.dTemperature);
    EXPECT_EQ(driver.Instrument().m_dDeploymentPressure, c.dPressure);
}

INSTANTIATE_TEST_SUITE_P(
    Order, OxygenChecks,
    ::testing::Values(
        COxygenCheck{"41", "0", "0", "Deployment temperature must be between -5 and 40 degrees C", 20.0, -1.0},
        COxygenCheck{"4", "0.5", "0", "Deployment pressure must be between 1 and 7000 decibars", 4.0, -1.0},
        COxygenCheck{"4", "7000", "40.5", "Oxygen Tau 20 must be between 0.5 and 40 seconds", 4.0, 7000.0},
        COxygenCheck{"4", "1", "0.49", "Oxygen Tau 20 must be between 0.5 and 40 seconds", 4.0, 1.0},
        COxygenCheck{"4", "1", "0.5", "", 4.0, 1.0}, COxygenCheck{"4", "1", "40", "", 4.0, 1.0}));

TEST(BatteryPage, BackOnTheOxygenPageSkipsABadTemperatureButStoresThePressure)
{
    CSheetDriver driver;
    driver.ChooseInstrument(5, 0, 0);
    CPageModel& page = driver.NextUntil(EPageKind::BatterySelect);
    page.TypeText(PBattery::kTemperature, "abc");
    page.TypeText(PBattery::kPressure, "250");
    page.TypeText(PBattery::kTau20, "5.5");
    EXPECT_FALSE(driver.m_sheet.Back().m_bStay);
    EXPECT_EQ(driver.Instrument().GetDeploymentTemperature(), 20.0);
    EXPECT_EQ(driver.Instrument().m_dDeploymentPressure, 250.0);
    EXPECT_EQ(driver.Instrument().m_dTau20, 5.5);
}

TEST(BatteryPage, LithiumWithAP4PPumpIsRefusedLast)
{
    CSheetDriver driver;
    driver.ChooseInstrument(1, 0, 1);
    CPageModel& pump = driver.NextUntil(EPageKind::MooredPumpSelect);
    pump.SelectEntry(CMooredPumpSelectPageModel::kPump, 2);
    CPageModel& page = driver.NextUntil(EPageKind::BatterySelect);
    page.SelectEntry(PBattery::kBattery, 2);
    page.TypeText(PBattery::kTemperature, "10");
    EXPECT_EQ(driver.m_sheet.Next().m_strMessage, "Kelvo P4T or P4P pump not compatible with lithium battery packs.");
    EXPECT_EQ(driver.Instrument().GetDeploymentTemperature(), 10.0);
}

}  // namespace
