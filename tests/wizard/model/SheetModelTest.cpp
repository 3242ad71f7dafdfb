#include "SheetDriver.h"

namespace {

using K = EPageKind;

struct CSequenceCase {
    CVariant variant;
    std::vector<EPageKind> aExpected;
};

class PageSequence : public ::testing::TestWithParam<CSequenceCase> {};

TEST_P(PageSequence, FollowsTheInstrumentFamily)
{
    CSheetDriver driver;
    driver.ChooseInstrument(GetParam().variant);
    EXPECT_EQ(driver.PageKinds(), GetParam().aExpected);
}

const std::vector<EPageKind> k610Path = {K::Intro, K::PressureSelect, K::MooredPumpSelect, K::Sampling600,
                                         K::SensorList, K::BatterySelect, K::Finish};
const std::vector<EPageKind> k620Path = {K::Intro, K::Comms, K::PressureSelect, K::MooredPumpSelect,
                                         K::Sampling600, K::SensorList, K::BatterySelect, K::Finish};

// The family, not the model, decides: one variant of each.
INSTANTIATE_TEST_SUITE_P(
    Families, PageSequence,
    ::testing::Values(CSequenceCase{{0}, k610Path}, CSequenceCase{{1, 0, 1}, k620Path},
                      CSequenceCase{{2, -1, 0}, k620Path},
                      CSequenceCase{{5, 0, 0},
                                    {K::Intro, K::Comms, K::PressureSelect, K::Sampling700, K::BatterySelect,
                                     K::Finish}},
                      CSequenceCase{{6, 2, 1},
                                    {K::Intro, K::Comms, K::PressureSelect, K::Sampling710, K::BatterySelect,
                                     K::Finish}}));

// Going back to the introduction trims the Kelvo 610's pages before another
// model's, whose communications page comes first. Back and Next with the same
// choices keep the instrument, what was entered and the choices shown; another
// revision or model starts over.
TEST(SheetModel, TheInstrumentAndItsPagesLastAsLongAsItsChoices)
{
    CSheetDriver driver;
    EXPECT_EQ(driver.Page().Title(), "Brevanta Moorplan 1.3");
    driver.ChooseInstrument({0});
    EXPECT_EQ(driver.Page().Title(), "Pressure Sensor");
    CInstrument* p610 = &driver.Instrument();
    p610->m_nSampleInterval = 1234;
    driver.m_sheet.Back();
    driver.m_sheet.Next();
    EXPECT_EQ(&driver.Instrument(), p610);
    EXPECT_EQ(driver.Instrument().m_nSampleInterval, 1234);
    driver.m_sheet.Back();
    EXPECT_EQ(driver.PageKinds(), std::vector<EPageKind>{K::Intro});
    driver.ChooseInstrument({1, 2, 0});
    EXPECT_EQ(driver.PageKinds(), k620Path);

    CInstrument* pFirst = &driver.Instrument();
    pFirst->m_nSampleInterval = 1234;
    driver.m_sheet.Back();   // to the communications page
    driver.m_sheet.Back();   // to the introduction page
    driver.m_sheet.Next();
    EXPECT_EQ(driver.Page().Title(), "Communications and Firmware");
    EXPECT_TRUE(driver.Page().Control(CCommsPageModel::CommButton(2)).m_bChecked);
    EXPECT_FALSE(driver.Page().Control(CCommsPageModel::CommButton(0)).m_bChecked);
    driver.m_sheet.Next();
    EXPECT_EQ(&driver.Instrument(), pFirst);
    EXPECT_EQ(driver.Instrument().m_nSampleInterval, 1234);

    driver.m_sheet.Back();
    driver.Page().SelectEntry(CCommsPageModel::kFirmware, 1);
    driver.m_sheet.Next();
    EXPECT_EQ(driver.Instrument().GetFirmwareIndex(), 1);
    EXPECT_EQ(driver.Instrument().m_nSampleInterval, -1);

    // A new model drops the instrument; its communications page starts over
    // on RS-232 with the newest revision.
    driver.m_sheet.Back();
    driver.m_sheet.Back();
    driver.Page().Click(CIntroPageModel::ModelButton(3));
    driver.m_sheet.Next();
    EXPECT_EQ(driver.m_sheet.Instrument(), nullptr);
    EXPECT_EQ(driver.m_sheet.m_nSelComm, 0);
    EXPECT_EQ(driver.m_sheet.m_nSelFirmware, 4);
    driver.m_sheet.Back();
    EXPECT_TRUE(driver.Page().Control(CIntroPageModel::ModelButton(3)).m_bChecked);
    EXPECT_FALSE(driver.Page().Control(CIntroPageModel::ModelButton(1)).m_bChecked);
}

TEST(SheetModel, ATripleWithoutAVariantDropsTheOldInstrument)
{
    CSheetModel sheet({});
    sheet.m_nSelModel = 1;
    sheet.m_nSelComm = 0;
    sheet.m_nSelFirmware = 0;
    ASSERT_TRUE(sheet.CreateInstrument());
    sheet.m_nSelModel = 7;
    EXPECT_FALSE(sheet.CreateInstrument());
    EXPECT_EQ(sheet.Instrument(), nullptr);
}

// Each page's control enum and its layout list must stay the same length:
// the views index the layout by the enum.
TEST(PageLayouts, HoldOneStatePerControlOfTheEnum)
{
    CSheetModel sheet{CWizardSwitches()};
    CPageSet& set = sheet.SetOther();
    const std::pair<const CPageModel*, int> aPages[] = {
        {&sheet.IntroPage(), CIntroPageModel::kControlCount},
        {&sheet.CommsPage(), CCommsPageModel::kControlCount},
        {set.m_pBatterySelect.get(), CBatterySelectPageModel::kControlCount},
        {set.m_pPressureSelect.get(), CPressureSelectPageModel::kControlCount},
        {set.m_p600Sampling.get(), C600SamplingPageModel::kControlCount},
        {set.m_p700Sampling.get(), C700SamplingPageModel::kControlCount},
        {set.m_p710Sampling.get(), C710SamplingPageModel::kControlCount},
        {set.m_pMooredPumpSelect.get(), CMooredPumpSelectPageModel::kControlCount},
        {set.m_pSensorList.get(), CSensorListPageModel::kControlCount},
        {set.m_pFinish.get(), CFinishPageModel::kControlCount},
    };
    for (const auto& [pPage, nCount] : aPages)
        EXPECT_EQ(pPage->ControlCount(), nCount) << static_cast<int>(pPage->Kind());
}

}  // namespace
