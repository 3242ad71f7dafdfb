// What a page shows when the person comes back to it: the widgets show the
// stored entries, as the page's model restored them.
#include "WizardDriver.h"

#include <gtest/gtest.h>

namespace {

using Intro = CIntroPageModel;
using Comm = CMoorModelPageModel;
using Pump = CMooredPumpSelectPageModel;
using Sensors = CSensorListPageModel;
using Battery = CBatterySelectPageModel;
using Pressure = CPressureSelectPageModel;
using K700 = C700SamplingPageModel;
using K710 = C710SamplingPageModel;

// One thing the page shows: a field's text or a list's entry, a button's
// check, or whether a control is shown or enabled.
struct CExpect {
    enum EWhat { Text, Checked, Unchecked, Visible, Hidden, Disabled };
    int m_nId;
    EWhat m_eWhat;
    std::string m_strText;
};
CExpect Text(int nId, const std::string& strText) { return {nId, CExpect::Text, strText}; }
CExpect Checked(int nId) { return {nId, CExpect::Checked, {}}; }
CExpect Unchecked(int nId) { return {nId, CExpect::Unchecked, {}}; }
CExpect Visible(int nId) { return {nId, CExpect::Visible, {}}; }
CExpect Hidden(int nId) { return {nId, CExpect::Hidden, {}}; }
CExpect Disabled(int nId) { return {nId, CExpect::Disabled, {}}; }

struct CMemoryCase {
    const char* m_szName;
    CAnswers m_aAnswers;   // ends back on the page that is checked
    EPageKind m_eKind;
    std::vector<CExpect> m_aExpected;
};
void PrintTo(const CMemoryCase& c, std::ostream* pOut) { *pOut << c.m_szName; }

const CAnswers k610ToSensors = {Click(Intro::kModel610), NextPage(), NextPage(), NextPage(),
                                Type(CSampleRatePageModel::kInterval, "900"), NextPage()};

CAnswers Then(CAnswers aFirst, const CAnswers& aMore)
{
    aFirst.insert(aFirst.end(), aMore.begin(), aMore.end());
    return aFirst;
}

const CMemoryCase kaCases[] = {
    {"IntroKeepsANonDefaultModel", {Click(Intro::kModel700Oxygen), NextPage(), BackPage()}, EPageKind::Intro,
     {Checked(Intro::kModel700Oxygen), Unchecked(Intro::kModel620)}},
    {"CommPageShowsTheStoredProtocol",
     {Click(Intro::kModel700Pump), NextPage(), Click(Comm::kModem), NextPage(), BackPage(), BackPage(), NextPage()},
     EPageKind::MoorModel, {Checked(Comm::kModem), Unchecked(Comm::kRs232)}},
    {"PumpPageKeepsTheStoredMode",
     {NextPage(), NextPage(), NextPage(), Choose(Pump::kPump, "P4M"), Click(Pump::kMode2), NextPage(), BackPage()},
     EPageKind::MooredPumpSelect, {Text(Pump::kPump, "P4M"), Checked(Pump::kMode2), Unchecked(Pump::kMode1)}},
    {"SensorListRestoresTypesAndCurrents",
     Then(k610ToSensors, {Choose(Sensors::kCount, "2"), Choose(Sensors::TypeId(0), "Kelvo 830"),
                          Choose(Sensors::TypeId(1), "Other"), Type(Sensors::CurrentId(1), "0.0456"), NextPage(),
                          BackPage()}),
     EPageKind::SensorList,
     {Text(Sensors::kCount, "2"), Text(Sensors::TypeId(0), "Kelvo 830"), Text(Sensors::CurrentId(0), "0.010"),
      Text(Sensors::TypeId(1), "Other"), Text(Sensors::CurrentId(1), "0.046"), Hidden(Sensors::TypeId(2))}},
    {"DeploymentPageShowsTheStoredTemperature",
     Then(k610ToSensors, {NextPage(), Type(Battery::kTemperature, "4.56"), NextPage(), BackPage()}),
     EPageKind::BatterySelect, {Text(Battery::kTemperature, " 4.6")}},
    {"PressurePageShowsTheIntegrationTimeForEntry2",
     {NextPage(), NextPage(), Choose(Pressure::kSensor, "Digiquartz"), NextPage(), BackPage()},
     EPageKind::PressureSelect, {Text(Pressure::kSensor, "Digiquartz"), Visible(Pressure::kParosTime)}},
    {"Kelvo700OxygenShowsTransmitWithTheReceiveLineBox",
     {Click(Intro::kModel700Oxygen), NextPage(), NextPage(), NextPage(), Toggle(K700::kTransmit),
      Toggle(K700::kReceiveLineValid), NextPage(), BackPage()},
     EPageKind::Sampling700,
     {Checked(K700::kAutonomous), Checked(K700::kTransmit), Visible(K700::kReceiveLineValid),
      Checked(K700::kReceiveLineValid)}},
    {"Kelvo700OxygenPolledKeepsTransmitCheckedAndDisabled",
     {Click(Intro::kModel700Oxygen), NextPage(), NextPage(), NextPage(), Click(K700::kPolled), NextPage(), BackPage()},
     EPageKind::Sampling700,
     {Checked(K700::kPolled), Unchecked(K700::kAutonomous), Checked(K700::kTransmit), Disabled(K700::kTransmit)}},
    {"Kelvo710PolledUnderTheModemHidesTheRatePair",
     {Click(Intro::kModel710), NextPage(), Click(Comm::kModem), NextPage(), NextPage(), Click(K710::kPolledLow),
      NextPage(), BackPage()},
     EPageKind::Sampling710,
     {Checked(K710::kPolledLow), Visible(K710::kQueried), Hidden(K710::kRateLabel), Hidden(K710::kRate)}},
};

class PageMemoryTest : public ::testing::TestWithParam<CMemoryCase> {};

TEST_P(PageMemoryTest, ThePageShowsWhatWasStoredOnReturn)
{
    const CMemoryCase& c = GetParam();
    CGuiWizard wizard;
    wizard.Answer(c.m_aAnswers);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(wizard.ActiveKind(), c.m_eKind);
    EXPECT_TRUE(wizard.Messages().empty());
    for (const CExpect& expected : c.m_aExpected) {
        const CShown shown = WidgetShows(*wizard.ActivePage()->ControlWidget(expected.m_nId));
        SCOPED_TRACE(testing::Message() << "control " << expected.m_nId << " shows " << shown);
        switch (expected.m_eWhat) {
        case CExpect::Text: EXPECT_EQ(shown.m_strText, expected.m_strText); break;
        case CExpect::Checked: EXPECT_TRUE(shown.m_bChecked); break;
        case CExpect::Unchecked: EXPECT_FALSE(shown.m_bChecked); break;
        case CExpect::Visible: EXPECT_TRUE(shown.m_bVisible); break;
        case CExpect::Hidden: EXPECT_FALSE(shown.m_bVisible); break;
        case CExpect::Disabled: EXPECT_FALSE(shown.m_bEnabled); break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageMemoryTest, ::testing::ValuesIn(kaCases),
                         [](const ::testing::TestParamInfo<CMemoryCase>& info) { return info.param.m_szName; });

}  // namespace
