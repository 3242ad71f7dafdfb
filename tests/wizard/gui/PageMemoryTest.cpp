// What a page shows when the person comes back to it: the page models and the
// real widgets, after the same answers, show the stored entries.
#include "BatterySelectPageModel.h"
#include "IntroPageModel.h"
#include "MoorModelPageModel.h"
#include "MooredPumpSelectPageModel.h"
#include "PressureSelectPageModel.h"
#include "SampleRatePageModel.h"
#include "Sampling700PageModel.h"
#include "Sampling710PageModel.h"
#include "SensorListPageModel.h"
#include "WizardDriver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

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
// check, or whether a control is shown at all.
struct CShown {
    enum EWhat { Text, Checked, Unchecked, Visible, Hidden, Disabled };
    int m_nId;
    EWhat m_eWhat;
    std::string m_strText;
};
CShown Text(int nId, const std::string& strText) { return {nId, CShown::Text, strText}; }
CShown Checked(int nId) { return {nId, CShown::Checked, {}}; }
CShown Unchecked(int nId) { return {nId, CShown::Unchecked, {}}; }
CShown Visible(int nId) { return {nId, CShown::Visible, {}}; }
CShown Hidden(int nId) { return {nId, CShown::Hidden, {}}; }
CShown Disabled(int nId) { return {nId, CShown::Disabled, {}}; }

struct CMemoryCase {
    const char* m_szName;
    CAnswers m_aAnswers;   // ends back on the page that is checked
    EPageKind m_eKind;
    std::vector<CShown> m_aShown;
};

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
    {"Kelvo700PageShowsTheStoredSamplingRadio",
     {Click(Intro::kModel700NoPump), NextPage(), NextPage(), NextPage(), Click(K700::kPolled), NextPage(), BackPage()},
     EPageKind::Sampling700, {Checked(K700::kPolled), Unchecked(K700::kAutonomous)}},
    {"Kelvo700OxygenShowsTransmitWithTheReceiveLineBox",
     {Click(Intro::kModel700Oxygen), NextPage(), NextPage(), NextPage(), Toggle(K700::kTransmit),
      Toggle(K700::kReceiveLineValid), NextPage(), BackPage()},
     EPageKind::Sampling700,
     {Checked(K700::kAutonomous), Checked(K700::kTransmit), Visible(K700::kReceiveLineValid),
      Checked(K700::kReceiveLineValid)}},
    {"Kelvo700OxygenPolledKeepsTransmitCheckedAndDisabled",
     {Click(Intro::kModel700Oxygen), NextPage(), NextPage(), NextPage(), Click(K700::kPolled), NextPage(), BackPage()},
     EPageKind::Sampling700, {Checked(K700::kPolled), Checked(K700::kTransmit), Disabled(K700::kTransmit)}},
    {"Kelvo710PolledUnderTheModemHidesTheRatePair",
     {Click(Intro::kModel710), NextPage(), Click(Comm::kModem), NextPage(), NextPage(), Click(K710::kPolledLow),
      NextPage(), BackPage()},
     EPageKind::Sampling710,
     {Checked(K710::kPolledLow), Visible(K710::kQueried), Hidden(K710::kRateLabel), Hidden(K710::kRate)}},
};

// What control nId shows, read from the model or from the widget, in the
// terms of CShown.
struct CControlView {
    std::string strText;
    bool bChecked;
    bool bVisible;
    bool bEnabled;
};

CControlView ModelView(const CPageModel& page, int nId)
{
    const CControlState& control = page.Control(nId);
    std::string strText = control.m_strText;
    if (control.m_eKind == EControlKind::List)
        strText = control.m_nSelection < 0 ? std::string() : control.m_astrItems.at(static_cast<std::size_t>(control.m_nSelection));
    return {strText, control.m_bChecked, control.m_bVisible, control.m_bEnabled};
}

CControlView WidgetView(const QWidget& widget)
{
    std::string strText;
    bool bChecked = false;
    if (const auto* pEdit = qobject_cast<const QLineEdit*>(&widget))
        strText = pEdit->text().toStdString();
    else if (const auto* pList = qobject_cast<const QComboBox*>(&widget))
        strText = pList->currentText().toStdString();
    else if (const auto* pButton = qobject_cast<const QAbstractButton*>(&widget))
        bChecked = pButton->isChecked();
    return {strText, bChecked, widget.isVisible(), widget.isEnabled()};
}

void ExpectShown(const CControlView& view, const CShown& shown, const char* szWhere)
{
    SCOPED_TRACE(testing::Message() << szWhere << ", control " << shown.m_nId);
    switch (shown.m_eWhat) {
    case CShown::Text: EXPECT_EQ(view.strText, shown.m_strText); break;
    case CShown::Checked: EXPECT_TRUE(view.bChecked); break;
    case CShown::Unchecked: EXPECT_FALSE(view.bChecked); break;
    case CShown::Visible: EXPECT_TRUE(view.bVisible); break;
    case CShown::Hidden: EXPECT_FALSE(view.bVisible); break;
    case CShown::Disabled: EXPECT_FALSE(view.bEnabled); break;
    }
}

class PageMemoryTest : public ::testing::TestWithParam<CMemoryCase> {};

TEST_P(PageMemoryTest, ThePageShowsWhatWasStoredOnReturn)
{
    const CMemoryCase& c = GetParam();
    CSheetModel sheet{CMoorplanCommandLineInfo()};
    sheet.Start();
    ModelAnswer(sheet, c.m_aAnswers);
    ASSERT_EQ(sheet.CurrentPage().Kind(), c.m_eKind);

    CGuiWizard wizard;
    wizard.Answer(c.m_aAnswers);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(wizard.ActiveKind(), c.m_eKind);
    EXPECT_TRUE(wizard.Messages().empty());
    for (const CShown& shown : c.m_aShown) {
        ExpectShown(ModelView(sheet.CurrentPage(), shown.m_nId), shown, "model");
        ExpectShown(WidgetView(*wizard.ActivePage()->ControlWidget(shown.m_nId)), shown, "widget");
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageMemoryTest, ::testing::ValuesIn(kaCases),
                         [](const ::testing::TestParamInfo<CMemoryCase>& info) { return info.param.m_szName; });

}  // namespace
