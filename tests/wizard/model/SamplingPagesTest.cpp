#include "SheetDriver.h"

#include <cmath>
#include <functional>

namespace {

using P700 = C700SamplingPageModel;
using P710 = C710SamplingPageModel;
using PRate = C600SamplingPageModel;

// ---- Kelvo 700: each communications scheme's layout, and what the sampling
// buttons, clicked in turn, do to "Transmit Real-time" ----

// "Transmit Real-time": checked, enabled, shown, and the flag stored.
struct CTransmit {
    bool bChecked, bEnabled, bVisible;
    int bStored;
};

constexpr CTransmit kHidden = {false, true, false, 0};

struct CScheme700 {
    CVariant variant;
    int nScheme;
    bool bQueryShown, bSerialSyncEnabled, bPolledEnabled, bTransmitShown;
    CTransmit aAfter[3];   // after Polled, Serial Line Sync, then Autonomous
};

class Sampling700Schemes : public ::testing::TestWithParam<CScheme700> {};

TEST_P(Sampling700Schemes, LayOutThePageAndSetTransmitOnEachClick)
{
    const CScheme700& c = GetParam();
    CSheetDriver driver(true);
    CPageModel& page = driver.Open(c.variant, EPageKind::Sampling700);
    ASSERT_EQ(driver.Instrument().GetCommScheme(), c.nScheme);
    EXPECT_EQ(page.Control(P700::kQueried).m_bVisible, c.bQueryShown);
    EXPECT_EQ(page.Control(P700::kRate).m_bVisible, c.bQueryShown);
    EXPECT_EQ(page.Control(P700::kSerialSync).m_bEnabled, c.bSerialSyncEnabled);
    EXPECT_EQ(page.Control(P700::kPolled).m_bEnabled, c.bPolledEnabled);
    EXPECT_EQ(page.Control(P700::kTransmit).m_bVisible, c.bTransmitShown);
    EXPECT_TRUE(page.Control(P700::kTransmit).m_bEnabled);
    EXPECT_FALSE(page.Control(P700::kTransmit).m_bChecked);
    EXPECT_FALSE(page.Control(P700::kReceiveLineValid).m_bVisible);
    EXPECT_TRUE(page.Control(P700::kAutonomous).m_bChecked);
    EXPECT_EQ(page.Control(P700::kInterval).m_strText, "600");

    page.TypeText(P700::kInterval, "1234");   // a typed interval survives every click
    const int anButtons[] = {P700::kPolled, P700::kSerialSync, P700::kAutonomous};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        page.Click(anButtons[i]);   // no action where the button is disabled
        const bool bEnabled = page.Control(anButtons[i]).m_bEnabled;
        EXPECT_EQ(driver.Instrument().m_nSamplingType == anButtons[i] - P700::kAutonomous, bEnabled);
        const CControlState& transmit = page.Control(P700::kTransmit);
        EXPECT_EQ(transmit.m_bChecked, c.aAfter[i].bChecked);
        EXPECT_EQ(transmit.m_bEnabled, c.aAfter[i].bEnabled);
        EXPECT_EQ(transmit.m_bVisible, c.aAfter[i].bVisible);
        EXPECT_EQ(driver.Instrument().m_bTransmitRealTime, c.aAfter[i].bStored);
    }
    EXPECT_EQ(page.Control(P700::kInterval).m_strText, "1234");
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, Sampling700Schemes,
    ::testing::Values(CScheme700{{3, 0, 0}, 0, false, true, true, false, {kHidden, kHidden, kHidden}},
                      CScheme700{{3, 0, 4}, 1, false, true, true, true,
                                 {{true, true, false, 1}, {false, true, false, 1}, {false, true, true, 0}}},
                      CScheme700{{3, 1, 2}, 2, true, true, true, false, {kHidden, kHidden, kHidden}},
                      CScheme700{{3, 2, 2}, 3, true, false, true, false, {kHidden, kHidden, kHidden}},
                      CScheme700{{5, 2, 0}, 4, true, false, false, false, {kHidden, kHidden, kHidden}},
                      CScheme700{{5, 2, 1}, 4, true, false, true, false, {kHidden, kHidden, kHidden}},
                      CScheme700{{5, 0, 0}, 5, false, true, true, true,
                                 {{true, false, true, 1}, {false, true, true, 0}, {false, true, true, 0}}},
                      CScheme700{{4, 0, 4}, 6, false, true, true, true,
                                 {{true, false, true, 1}, {false, true, true, 0}, {false, true, true, 0}}}));

TEST(Sampling700, TransmitRevealsAndClearsReceiveLineValidUnderTheOxygenScheme)
{
    CSheetDriver driver;
    CPageModel& page = driver.Open({5, 0, 0}, EPageKind::Sampling700);
    ASSERT_EQ(page.SetChecked(P700::kTransmit, true), EActionResult::Done);
    EXPECT_TRUE(page.Control(P700::kReceiveLineValid).m_bVisible);
    ASSERT_EQ(page.SetChecked(P700::kReceiveLineValid, true), EActionResult::Done);
    driver.m_sheet.Next();
    driver.m_sheet.Back();   // both boxes come back as stored
    EXPECT_TRUE(page.Control(P700::kTransmit).m_bChecked);
    EXPECT_TRUE(page.Control(P700::kReceiveLineValid).m_bVisible);
    EXPECT_TRUE(page.Control(P700::kReceiveLineValid).m_bChecked);
    page.SetChecked(P700::kTransmit, false);
    EXPECT_FALSE(page.Control(P700::kReceiveLineValid).m_bVisible);
    EXPECT_FALSE(page.Control(P700::kReceiveLineValid).m_bChecked);
    EXPECT_EQ(driver.Instrument().m_bReceiveLineValid, 0);
    // Polled shows the receive-line box again; it comes back with the
    // transmit box checked and locked.
    page.Click(P700::kPolled);
    EXPECT_TRUE(page.Control(P700::kReceiveLineValid).m_bVisible);
    driver.m_sheet.Next();
    driver.m_sheet.Back();
    EXPECT_TRUE(page.Control(P700::kPolled).m_bChecked);
    EXPECT_FALSE(page.Control(P700::kAutonomous).m_bChecked);
    EXPECT_TRUE(page.Control(P700::kTransmit).m_bChecked);
    EXPECT_FALSE(page.Control(P700::kTransmit).m_bEnabled);
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
    driver.m_sheet.Next();
    driver.m_sheet.Back();   // the stored mode keeps the rate pair hidden
    EXPECT_TRUE(page.Control(P710::kPolledLow).m_bChecked);
    EXPECT_TRUE(page.Control(P710::kQueried).m_bVisible);
    EXPECT_FALSE(page.Control(P710::kRateLabel).m_bVisible);
    EXPECT_FALSE(page.Control(P710::kRate).m_bVisible);
    page.Click(P710::kIntervalSampling);
    EXPECT_TRUE(page.Control(P710::kRate).m_bVisible);
}

// ---- Kelvo 610/620/630 sample rate page ----

// The Kelvo 620 modem, firmware 1.2c, with the Digiquartz sensor: NCycles must be even.
CPageModel& OpenEvenNCyclesRatePage(CSheetDriver& driver)
{
    driver.ChooseInstrument({1, 2, 0});
    driver.Page().SelectEntry(CPressureSelectPageModel::kSensor, 2);
    return driver.NextUntil(EPageKind::Sampling600);
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

// ---- The fields without a range: a minus sign is refused ----

struct CNegative {
    const char* szCase;
    CVariant variant;
    EPageKind eKind;
    std::function<void(CPageModel&)> enter;
    const char* szMessage;   // on Next; "" where the page moves on
    std::function<double(const CInstrument&)> stored;   // never given the negative entry
};

void PrintTo(const CNegative& c, std::ostream* pOut) { *pOut << c.szCase; }

class NegativeEntries : public ::testing::TestWithParam<CNegative> {};

// Next refuses the first negative entry, after the page's own checks and in
// the fields' order on the page; Back moves without a message. Neither stores
// it ("-0" included: the same bits would pass a plain comparison).
TEST_P(NegativeEntries, AreRefusedOnNextAfterThePagesChecksAndNeverStored)
{
    const CNegative& c = GetParam();
    CSheetDriver driver;
    c.enter(driver.Open(c.variant, c.eKind));
    const double dBefore = c.stored(driver.Instrument());
    auto unchanged = [&] {
        const double dNow = c.stored(driver.Instrument());
        return dNow == dBefore && std::signbit(dNow) == std::signbit(dBefore);
    };
    const CPageResult next = driver.m_sheet.Next();
    EXPECT_EQ(next.m_strMessage, c.szMessage);
    EXPECT_TRUE(unchanged());
    if (!next.m_bStay)
        return;
    const CPageResult back = driver.m_sheet.Back();
    EXPECT_FALSE(back.m_bStay);
    EXPECT_EQ(back.m_strMessage, "");
    EXPECT_TRUE(unchanged());
}

using PPressure = CPressureSelectPageModel;
using PSensors = CSensorListPageModel;
const char* const kszDelay = "Delay before sampling must not be negative";
const char* const kszQueried = "Number of instruments to be queried must not be negative";
const char* const kszRate = "Communication rate must not be negative";
const CVariant k620Modem = {1, 2, 1};

double Delay(const CInstrument& k) { return k.m_dSamplingDelay; }
double Queried(const CInstrument& k) { return k.m_nInstrumentsQueried; }
double Rate(const CInstrument& k) { return k.m_nCommsPerHour; }

INSTANTIATE_TEST_SUITE_P(
    Fields, NegativeEntries,
    ::testing::Values(
        CNegative{"interval first", k620Modem, EPageKind::Sampling600,
                  [](CPageModel& p) {
                      p.TypeText(PRate::kInterval, "9");
                      p.TypeText(PRate::kDelay, "-1");
                  },
                  "Sample interval must be between 10 and 14400 seconds.", Delay},
        CNegative{"delay above the counts", k620Modem, EPageKind::Sampling600,
                  [](CPageModel& p) {
                      p.TypeText(PRate::kDelay, " -0");
                      p.TypeText(PRate::kQueried, "-1");
                  },
                  kszDelay, Delay},
        CNegative{"count above the rate", k620Modem, EPageKind::Sampling600,
                  [](CPageModel& p) {
                      p.TypeText(PRate::kQueried, "-0");
                      p.TypeText(PRate::kRate, "-3");
                  },
                  kszQueried, Queried},
        CNegative{"rate", k620Modem, EPageKind::Sampling600, [](CPageModel& p) { p.TypeText(PRate::kRate, "-0.5"); },
                  kszRate, Rate},
        CNegative{"a minus sign without a number is no number", k620Modem, EPageKind::Sampling600,
                  [](CPageModel& p) { p.TypeText(PRate::kDelay, "-abc"); }, "", Delay},
        CNegative{"Kelvo 700 count", {3, 2, 2}, EPageKind::Sampling700,
                  [](CPageModel& p) { p.TypeText(P700::kQueried, "-2147483649"); }, kszQueried, Queried},
        CNegative{"Kelvo 710 rate", {6, 2, 1}, EPageKind::Sampling710,
                  [](CPageModel& p) { p.TypeText(P710::kRate, "-1"); }, kszRate, Rate},
        // Polled sampling hides the rate: a field out of sight refuses nothing.
        CNegative{"Kelvo 710 rate hidden", {6, 2, 1}, EPageKind::Sampling710,
                  [](CPageModel& p) {
                      p.TypeText(P710::kRate, "-1");
                      p.Click(P710::kPolledHigh);
                  },
                  "", Rate},
        CNegative{"Paros time", k620Modem, EPageKind::PressureSelect,
                  [](CPageModel& p) {
                      p.SelectEntry(PPressure::kSensor, 2);
                      p.TypeText(PPressure::kParosTime, "-1");
                  },
                  "Paros integration time must not be negative",
                  [](const CInstrument& k) { return double(k.m_nParosIntegrationTime); }},
        CNegative{"sensor current", k620Modem, EPageKind::SensorList,
                  [](CPageModel& p) {
                      p.SelectEntry(PSensors::kCount, 1);
                      const int nOther = static_cast<int>(p.Control(PSensors::TypeId(0)).m_astrItems.size()) - 1;
                      p.SelectEntry(PSensors::TypeId(0), nOther);
                      p.TypeText(PSensors::CurrentId(0), "-0.0");
                  },
                  "Auxiliary sensor current must not be negative",
                  [](const CInstrument& k) { return k.m_aAuxSensors.ValueAt(0); }}));

}  // namespace
