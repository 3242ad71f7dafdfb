#include "SheetDriver.h"

namespace {

using P700 = C700SamplingPageModel;
using P710 = C710SamplingPageModel;
using PRate = CSampleRatePageModel;

// ---- Kelvo 700: the layout that activation gives each communications scheme ----

struct CSchemeLayout {
    CVariant variant;
    int nScheme;
    bool bQueryShown, bSerialSyncEnabled, bPolledEnabled, bTransmitShown;
};

class Sampling700Layout : public ::testing::TestWithParam<CSchemeLayout> {};

TEST_P(Sampling700Layout, FollowsTheScheme)
{
    const CSchemeLayout& c = GetParam();
    CMoorplanCommandLineInfo info;
    info.m_b485 = true;
    CSheetDriver driver(info);
    CPageModel& page = driver.Open(c.variant, EPageKind::Sampling700);
    ASSERT_EQ(driver.Instrument().GetCommScheme(), c.nScheme);
    EXPECT_EQ(page.Control(P700::kQueried).m_bVisible, c.bQueryShown);
    EXPECT_EQ(page.Control(P700::kRate).m_bVisible, c.bQueryShown);
    EXPECT_EQ(page.Control(P700::kSerialSync).m_bEnabled, c.bSerialSyncEnabled);
    EXPECT_EQ(page.Control(P700::kPolled).m_bEnabled, c.bPolledEnabled);
    EXPECT_EQ(page.Control(P700::kTransmit).m_bVisible, c.bTransmitShown);
    EXPECT_TRUE(page.Control(P700::kTransmit).m_bEnabled);
    EXPECT_FALSE(page.Control(P700::kReceiveLineValid).m_bVisible);
    EXPECT_TRUE(page.Control(P700::kAutonomous).m_bChecked);
    EXPECT_EQ(page.Control(P700::kInterval).m_strText, "600");
}

INSTANTIATE_TEST_SUITE_P(Schemes, Sampling700Layout,
                         ::testing::Values(CSchemeLayout{{3, 0, 0}, 0, false, true, true, false},
                                           CSchemeLayout{{3, 0, 4}, 1, false, true, true, true},
                                           CSchemeLayout{{3, 1, 2}, 2, true, true, true, false},
                                           CSchemeLayout{{3, 2, 2}, 3, true, false, true, false},
                                           CSchemeLayout{{5, 2, 0}, 4, true, false, false, false},
                                           CSchemeLayout{{5, 2, 1}, 4, true, false, true, false},
                                           CSchemeLayout{{5, 0, 0}, 5, false, true, true, true},
                                           CSchemeLayout{{4, 0, 4}, 6, false, true, true, true}));

// ---- Kelvo 700: what the sampling buttons do to "Transmit Real-time" ----

struct CTypeClick {
    CVariant variant;
    int nButton;
    bool bChecked, bEnabled, bVisible;
    int bTransmitRealTime;
};

class Sampling700Click : public ::testing::TestWithParam<CTypeClick> {};

TEST_P(Sampling700Click, SetsTransmitAsTheSchemeSaysAndKeepsTheInterval)
{
    const CTypeClick& c = GetParam();
    CSheetDriver driver;
    CPageModel& page = driver.Open(c.variant, EPageKind::Sampling700);
    page.TypeText(P700::kInterval, "1234");   // a typed interval survives every click
    if (c.nButton == P700::kAutonomous)
        page.Click(P700::kPolled);   // away and back again
    ASSERT_EQ(page.Click(c.nButton), EActionResult::Done);
    EXPECT_EQ(page.Control(P700::kInterval).m_strText, "1234");
    const CControlState& transmit = page.Control(P700::kTransmit);
    EXPECT_EQ(transmit.m_bChecked, c.bChecked);
    EXPECT_EQ(transmit.m_bEnabled, c.bEnabled);
    EXPECT_EQ(transmit.m_bVisible, c.bVisible);
    EXPECT_EQ(driver.Instrument().m_bTransmitRealTime, c.bTransmitRealTime);
    EXPECT_EQ(driver.Instrument().m_nSamplingType, c.nButton - P700::kAutonomous);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, Sampling700Click,
    ::testing::Values(
        // scheme 1
        CTypeClick{{3, 0, 4}, P700::kAutonomous, false, true, true, 0},
        CTypeClick{{3, 0, 4}, P700::kPolled, true, true, false, 1},
        CTypeClick{{3, 0, 4}, P700::kSerialSync, false, true, false, 1},
        // scheme 5
        CTypeClick{{5, 0, 0}, P700::kAutonomous, false, true, true, 0},
        CTypeClick{{5, 0, 0}, P700::kPolled, true, false, true, 1},
        CTypeClick{{5, 0, 0}, P700::kSerialSync, false, true, true, 0},
        // scheme 6
        CTypeClick{{4, 0, 4}, P700::kAutonomous, false, true, true, 0},
        CTypeClick{{4, 0, 4}, P700::kPolled, true, false, true, 1},
        CTypeClick{{4, 0, 4}, P700::kSerialSync, false, true, true, 0},
        // scheme 3: only the type changes
        CTypeClick{{3, 2, 2}, P700::kPolled, false, true, false, 0}));

TEST(Sampling700, TransmitRevealsAndClearsReceiveLineValidUnderTheOxygenScheme)
{
    CSheetDriver driver;
    CPageModel& page = driver.Open({5, 0, 0}, EPageKind::Sampling700);
    ASSERT_EQ(page.SetChecked(P700::kTransmit, true), EActionResult::Done);
    EXPECT_TRUE(page.Control(P700::kReceiveLineValid).m_bVisible);
    ASSERT_EQ(page.SetChecked(P700::kReceiveLineValid, true), EActionResult::Done);
    page.SetChecked(P700::kTransmit, false);
    EXPECT_FALSE(page.Control(P700::kReceiveLineValid).m_bVisible);
    EXPECT_FALSE(page.Control(P700::kReceiveLineValid).m_bChecked);
    EXPECT_EQ(driver.Instrument().m_bReceiveLineValid, 0);
    // Polled checks and locks the box, and shows the receive-line box again.
    page.Click(P700::kPolled);
    EXPECT_TRUE(page.Control(P700::kTransmit).m_bChecked);
    EXPECT_FALSE(page.Control(P700::kTransmit).m_bEnabled);
    EXPECT_TRUE(page.Control(P700::kReceiveLineValid).m_bVisible);
}

TEST(Sampling700, NAvgIsCheckedAfterTheIntervalAndStoredAsNCyclesToo)
{
    CSheetDriver driver;
    driver.Open({3, 0, 1}, EPageKind::Sampling700);   // asks NAvg
    EXPECT_EQ(driver.Submit({{P700::kInterval, "4"}, {P700::kNAvg, "0"}}),
              "Sample interval must be between 5 and 14400 seconds.");
    EXPECT_EQ(driver.Submit({{P700::kInterval, "5"}}), "NAvg must be between 1 and 100");
    EXPECT_EQ(driver.Instrument().m_nSampleInterval, 5);
    EXPECT_EQ(driver.Submit({{P700::kNAvg, "7"}}), "");
    EXPECT_EQ(driver.Instrument().m_nNAvg, 7);
    EXPECT_EQ(driver.Instrument().m_nNCycles, 7);
}

// ---- Kelvo 710 ----

TEST(Sampling710, ModemLayoutAndPolledButtonsHideTheRate)
{
    CSheetDriver driver;
    CPageModel& page = driver.Open({6, 2, 1}, EPageKind::Sampling710);
    EXPECT_EQ(driver.Instrument().m_nSampleInterval, 300) << "the first visit writes the default at once";
    EXPECT_TRUE(page.Control(P710::kRate).m_bVisible);
    EXPECT_FALSE(page.Control(P710::kContinuous).m_bEnabled);
    page.TypeText(P710::kRate, "12");
    ASSERT_EQ(page.Click(P710::kPolledLow), EActionResult::Done);
    EXPECT_FALSE(page.Control(P710::kRate).m_bVisible);
    EXPECT_TRUE(page.Control(P710::kQueried).m_bVisible);
    EXPECT_EQ(driver.Instrument().m_nCommsPerHour, 0);
    EXPECT_EQ(driver.Instrument().m_nSamplingMode, 2);
    page.Click(P710::kIntervalSampling);
    EXPECT_TRUE(page.Control(P710::kRate).m_bVisible);
}

// ---- Kelvo 610/620/630 sample rate page ----

// The Kelvo 620 modem, firmware 1.2c, with the Digiquartz sensor: NCycles must be even.
CPageModel& OpenEvenNCyclesRatePage(CSheetDriver& driver)
{
    driver.ChooseInstrument({1, 2, 0});
    driver.Page().SelectEntry(CPressureSelectPageModel::kSensor, 2);
    return driver.NextUntil(EPageKind::SampleRate);
}

struct CRateCheck {
    const char* szInterval;
    const char* szNCycles;
    const char* szMessage;
    int nStoredInterval;
    int nStoredNCycles;
};

class SampleRateChecks : public ::testing::TestWithParam<CRateCheck> {};

TEST_P(SampleRateChecks, StopAtTheFirstFailureWithEarlierValuesStored)
{
    const CRateCheck& c = GetParam();
    CSheetDriver driver;
    OpenEvenNCyclesRatePage(driver);
    EXPECT_EQ(driver.Submit({{PRate::kInterval, c.szInterval}, {PRate::kNCycles, c.szNCycles}}), c.szMessage);
    EXPECT_EQ(driver.Instrument().m_nSampleInterval, c.nStoredInterval);
    EXPECT_EQ(driver.Instrument().m_nNCycles, c.nStoredNCycles);
}

INSTANTIATE_TEST_SUITE_P(
    Order, SampleRateChecks,
    ::testing::Values(CRateCheck{"9", "3", "Sample interval must be between 10 and 14400 seconds.", -1, 2},
                      CRateCheck{"-1", "4", "Sample interval must be between 10 and 14400 seconds.", -1, 2},
                      CRateCheck{"14400", "101", "NCycles must be between 1 and 100 seconds", 14400, 2},
                      CRateCheck{"10", "-2", "NCycles must be between 1 and 100 seconds", 10, 2},
                      CRateCheck{"10", "3", "NCycles must be an even number", 10, 3},
                      CRateCheck{"10abc", "100", "", 10, 100}));

TEST(SampleRate, BackStoresAnOddNCyclesWithoutAMessageAndSkipsABadNumber)
{
    CSheetDriver driver;
    CPageModel& page = OpenEvenNCyclesRatePage(driver);
    page.TypeText(PRate::kInterval, "abc");
    page.TypeText(PRate::kNCycles, "3");
    page.TypeText(PRate::kDelay, "2e-2");
    page.TypeText(PRate::kQueried, "2147483648");   // beyond an int: no number
    page.TypeText(PRate::kRate, "6");
    const CPageResult result = driver.m_sheet.Back();
    EXPECT_FALSE(result.m_bStay);
    EXPECT_EQ(result.m_strMessage, "");
    EXPECT_EQ(driver.Instrument().m_nSampleInterval, -1);
    EXPECT_EQ(driver.Instrument().m_nNCycles, 3);
    EXPECT_EQ(driver.Instrument().m_dSamplingDelay, 0.02);
    EXPECT_EQ(driver.Instrument().m_nInstrumentsQueried, 0);
    EXPECT_EQ(driver.Instrument().m_nCommsPerHour, 6);
}

// ---- The two pressure sensors that reset NCycles ----

struct CNCyclesReset {
    CVariant variant;
    int nSensor;
    int nNCycles;
    int bEven;
    double dBaseSamplingTime;
};

class PressureResetsNCycles : public ::testing::TestWithParam<CNCyclesReset> {};

TEST_P(PressureResetsNCycles, OnLeavingThePressurePage)
{
    const CNCyclesReset& c = GetParam();
    CSheetDriver driver;
    driver.Open(c.variant, EPageKind::SampleRate);
    ASSERT_EQ(driver.Submit({{PRate::kNCycles, "8"}}), "");
    EXPECT_EQ(driver.Instrument().m_nNCycles, 8);
    while (driver.Page().Kind() != EPageKind::PressureSelect)
        driver.m_sheet.Back();
    driver.Page().SelectEntry(CPressureSelectPageModel::kSensor, c.nSensor);
    driver.m_sheet.Next();
    EXPECT_EQ(driver.Instrument().m_nNCycles, c.nNCycles);
    EXPECT_EQ(driver.Instrument().m_bNCyclesEven, c.bEven);
    if (c.dBaseSamplingTime > 0.0) {
        EXPECT_EQ(driver.Instrument().m_dBaseSamplingTime, c.dBaseSamplingTime);
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, PressureResetsNCycles,
                         ::testing::Values(CNCyclesReset{{1, 2, 0}, 2, 2, 1, 0.0}, CNCyclesReset{{1, 2, 0}, 1, 1, 0, 0.0},
                                           CNCyclesReset{{2, 0, 1}, 1, 2, 1, 2.45},
                                           CNCyclesReset{{2, 0, 1}, 0, 1, 0, 2.5}));

}  // namespace
