#include "SheetDriver.h"

#include <array>

namespace {

using PPressure = CPressureSelectPageModel;
using PPump = CMooredPumpSelectPageModel;
using PSensors = CSensorListPageModel;
using PComm = CCommsPageModel;

// ---- Communications page: enabled protocols by model, preselected revision ----

struct CCommCase {
    int nModel;
    bool b485;
    int nComm;                 // the protocol clicked, or -1 to keep RS 232
    std::array<bool, 3> abEnabled;
    const char* szFirmware;    // the preselected revision afterwards
};

class CommunicationsPage : public ::testing::TestWithParam<CCommCase> {};

TEST_P(CommunicationsPage, EnablesTheModelsProtocolsAndPreselectsTheNewestRevision)
{
    const CCommCase& c = GetParam();
    CSheetDriver driver(c.b485);
    driver.Page().Click(CIntroPageModel::ModelButton(c.nModel));
    driver.m_sheet.Next();
    CPageModel& page = driver.Page();
    for (int i = 0; i < PComm::kCommCount; ++i)
        EXPECT_EQ(page.Control(PComm::CommButton(i)).m_bEnabled, c.abEnabled[static_cast<std::size_t>(i)]) << i;
    if (c.nComm >= 0) {
        ASSERT_EQ(page.Click(PComm::CommButton(c.nComm)), EActionResult::Done);
    }
    EXPECT_TRUE(page.Control(PComm::CommButton(c.nComm < 0 ? 0 : c.nComm)).m_bChecked);
    const CControlState& list = page.Control(PComm::kFirmware);
    EXPECT_EQ(list.m_astrItems.at(static_cast<std::size_t>(list.m_nSelection)), c.szFirmware);
}

INSTANTIATE_TEST_SUITE_P(
    Models, CommunicationsPage,
    ::testing::Values(CCommCase{1, false, 2, {true, true, true}, "2.0 or higher"},
                      CCommCase{2, false, -1, {false, false, false}, "2.0 or higher"},
                      CCommCase{3, false, -1, {true, false, true}, "3.0 and higher"},
                      CCommCase{4, false, 2, {true, false, true}, "4.0 and higher"},
                      CCommCase{4, true, 1, {true, true, true}, "3.0 and higher"},
                      CCommCase{5, false, 2, {true, false, true}, "1.1 and higher (production version, 2010 & later)"},
                      CCommCase{6, false, -1, {true, false, true}, "3.1 or higher"}));

TEST(IntroductionPage, FirstVisitChecksTheKelvo620)
{
    CSheetDriver driver;
    EXPECT_EQ(driver.m_sheet.m_nSelModel, 1);
    for (int i = 0; i < CIntroPageModel::kModelCount; ++i)
        EXPECT_EQ(driver.Page().Control(CIntroPageModel::ModelButton(i)).m_bChecked, i == 1) << i;
    EXPECT_EQ(driver.Page().WizardButtons(), kWizNext);
}

TEST(PressurePage, TheParosTimeIsAskedOnlyForDigiquartzOnVariantsThatHaveIt)
{
    CSheetDriver k610;
    k610.ChooseInstrument({0});
    k610.Page().SelectEntry(PPressure::kSensor, 2);
    EXPECT_FALSE(k610.Page().Control(PPressure::kParosTime).m_bVisible);

    CSheetDriver k620;
    k620.ChooseInstrument({1, 0, 1});
    CPageModel& page = k620.Page();
    EXPECT_EQ(page.Control(PPressure::kParosTime).m_strText, "1");
    page.SelectEntry(PPressure::kSensor, 2);
    EXPECT_TRUE(page.Control(PPressure::kParosTime).m_bVisible);
    page.TypeText(PPressure::kParosTime, "abc");
    k620.m_sheet.Next();
    EXPECT_EQ(k620.Instrument().m_nParosIntegrationTime, 0);
    EXPECT_EQ(k620.Instrument().GetPressureSensorIndex(), 2);
    k620.m_sheet.Back();   // the stored sensor asks the time again
    EXPECT_EQ(page.Control(PPressure::kSensor).m_nSelection, 2);
    EXPECT_TRUE(page.Control(PPressure::kParosTime).m_bVisible);
}

TEST(PumpPage, ModesFollowThePumpChoice)
{
    CSheetDriver driver;
    CPageModel& page = driver.Open({1, 0, 1}, EPageKind::MooredPumpSelect);
    EXPECT_FALSE(page.Control(PPump::kMode1).m_bVisible);
    page.SelectEntry(PPump::kPump, 1);   // P4M
    EXPECT_TRUE(page.Control(PPump::kMode1).m_bVisible);
    EXPECT_TRUE(page.Control(PPump::kMode1).m_bChecked);
    EXPECT_FALSE(page.Control(PPump::kMode2).m_bChecked);
    page.Click(PPump::kMode2);
    EXPECT_EQ(driver.Instrument().m_nPumpMode, 2);
    driver.m_sheet.Next();
    driver.m_sheet.Back();   // the stored pump and mode come back
    EXPECT_EQ(page.Control(PPump::kPump).m_nSelection, 1);
    EXPECT_TRUE(page.Control(PPump::kMode2).m_bChecked);
    EXPECT_FALSE(page.Control(PPump::kMode1).m_bChecked);
    page.SelectEntry(PPump::kPump, 0);   // none
    EXPECT_FALSE(page.Control(PPump::kMode2).m_bVisible);
    EXPECT_EQ(driver.Instrument().m_nPumpMode, 0);
    page.SelectEntry(PPump::kPump, 2);
    driver.m_sheet.Next();
    EXPECT_EQ(driver.Instrument().m_nPumpIndex, 2);
    EXPECT_EQ(driver.Instrument().m_nPumpMode, 1);
}

TEST(SensorListPage, RowsFollowTheCountAndTheTypes)
{
    CSheetDriver driver;
    CPageModel& page = driver.Open({1, 0, 1}, EPageKind::SensorList);   // eight slots
    ASSERT_EQ(page.Control(PSensors::kCount).m_astrItems.size(), 9u);
    EXPECT_FALSE(page.Control(PSensors::TypeId(0)).m_bVisible);

    // Lowering the count hides the later rows; none stores no entry.
    page.SelectEntry(PSensors::kCount, 8);
    page.SelectEntry(PSensors::kCount, 2);
    for (int k = 0; k < PSensors::kRows; ++k)
        EXPECT_EQ(page.Control(PSensors::CurrentId(k)).m_bVisible, k < 2) << k;
    page.SelectEntry(PSensors::kCount, 0);
    EXPECT_FALSE(page.Control(PSensors::kTypeLabel).m_bVisible);
    driver.m_sheet.Next();
    EXPECT_EQ(driver.Instrument().m_nAuxSensorCount, 0);
    EXPECT_EQ(driver.Instrument().m_aAuxSensors.NameAt(0), "");

    driver.m_sheet.Back();
    page.SelectEntry(PSensors::kCount, 3);
    for (int k = 0; k < PSensors::kRows; ++k) {
        EXPECT_EQ(page.Control(PSensors::TypeId(k)).m_bVisible, k < 3) << k;
        if (k < 3) {
            EXPECT_FALSE(page.Control(PSensors::CurrentId(k)).m_bEnabled) << k;
        }
    }
    const int nOther = static_cast<int>(driver.Instrument().m_astrAuxSensorNames.size()) - 1;
    page.SelectEntry(PSensors::TypeId(1), nOther);
    EXPECT_TRUE(page.Control(PSensors::CurrentId(1)).m_bEnabled);
    page.TypeText(PSensors::CurrentId(1), "0.2456");
    page.SelectEntry(PSensors::TypeId(2), 1);   // Kelvo 810
    EXPECT_FALSE(page.Control(PSensors::CurrentId(2)).m_bEnabled);
    EXPECT_EQ(page.Control(PSensors::CurrentId(2)).m_strText, "0.015");
    EXPECT_EQ(page.Control(PSensors::CurrentId(1)).m_strText, "0.2456") << "typed text kept";

    driver.m_sheet.Next();
    const CInstrument& instrument = driver.Instrument();
    EXPECT_EQ(instrument.m_nAuxSensorCount, 3);
    EXPECT_EQ(instrument.m_aAuxSensors.NameAt(1), "Other");
    EXPECT_EQ(instrument.m_aAuxSensors.ValueAt(1), 0.2456);
    EXPECT_EQ(instrument.m_aAuxSensors.At(2).m_nTypeIndex, 1);
    EXPECT_EQ(instrument.m_aAuxSensors.ValueAt(2), 0.015);

    // Coming back shows the stored rows, the currents to three decimals.
    driver.m_sheet.Back();
    EXPECT_EQ(page.Control(PSensors::kCount).m_nSelection, 3);
    EXPECT_EQ(page.Control(PSensors::TypeId(1)).m_nSelection, nOther);
    EXPECT_EQ(page.Control(PSensors::CurrentId(1)).m_strText, "0.246");
    EXPECT_EQ(page.Control(PSensors::TypeId(2)).m_nSelection, 1);
    EXPECT_FALSE(page.Control(PSensors::TypeId(3)).m_bVisible);
}

}  // namespace
