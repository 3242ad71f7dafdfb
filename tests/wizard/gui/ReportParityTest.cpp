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
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Intro = CIntroPageModel;
using Battery = CBatterySelectPageModel;

struct CRun {
    const char* m_szName;
    bool m_bTest;
    CAnswers m_aAnswers;
};

const CRun kaRuns[] = {
    {"Kelvo700PumpRs232", false,
     {Click(Intro::kModel700Pump), NextPage(), Choose(CMoorModelPageModel::kFirmware, "3.0 and higher, less than 4.0"),
      NextPage(), Choose(CPressureSelectPageModel::kSensor, "Strain gauge"), NextPage(),
      Type(C700SamplingPageModel::kInterval, "600"), NextPage(), Choose(Battery::kBattery, "AA Lithium"), NextPage()}},
    {"Kelvo610WithSensors", true,
     {Click(Intro::kModel610), NextPage(), NextPage(), NextPage(), Type(CSampleRatePageModel::kInterval, "900"),
      NextPage(), Choose(CSensorListPageModel::kCount, "2"), NextPage(), Type(Battery::kTemperature, "4.5"),
      NextPage()}},
    {"Kelvo620PumpAndLithium", false,
     {NextPage(), NextPage(), NextPage(), Choose(CMooredPumpSelectPageModel::kPump, "P4M"), Click(CMooredPumpSelectPageModel::kMode2),
      NextPage(), Type(CSampleRatePageModel::kInterval, "300"), NextPage(), NextPage(),
      Choose(Battery::kBattery, "Lithium (30 Amp-hr)"), Type(Battery::kTemperature, "-2"), NextPage()}},
    {"Kelvo710ModemPolled", false,
     {Click(Intro::kModel710), NextPage(), Click(CMoorModelPageModel::kModem), NextPage(), NextPage(),
      Click(C710SamplingPageModel::kPolledLow), Type(C710SamplingPageModel::kQueried, "3"), NextPage(), NextPage()}},
    {"Kelvo700OxygenDeployment", true,
     {Click(Intro::kModel700Oxygen), NextPage(), NextPage(), NextPage(), Type(C700SamplingPageModel::kInterval, "1200"),
      NextPage(), Type(Battery::kTemperature, "8"), Type(Battery::kPressure, "1500"), Type(Battery::kTau20, "2.5"),
      NextPage()}},
};

// Every caption the layout shows is the model's text for that control.
void ExpectLayoutTexts(const CModelPage& page)
{
    const CPageModel& model = page.Model();
    for (int nId = 0; nId < model.ControlCount(); ++nId) {
        const CControlState& control = model.Control(nId);
        const QWidget* pWidget = page.ControlWidget(nId);
        QString strShown;
        if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget))
            strShown = pLabel->text();
        else if (const auto* pButton = qobject_cast<const QAbstractButton*>(pWidget))
            strShown = pButton->text();
        else
            continue;
        EXPECT_EQ(strShown.toStdString(), control.m_strText) << "control " << nId;
    }
}

class ReportParityTest : public ::testing::TestWithParam<CRun> {};

TEST_P(ReportParityTest, WizardShowsTheReportTheModelsGiveForTheSameAnswers)
{
    const CRun& run = GetParam();
    CGuiWizard wizard(Switches(run.m_bTest));
    for (const CAnswer& answer : run.m_aAnswers) {
        if (CModelPage* pPage = wizard.ActivePage())
            ExpectLayoutTexts(*pPage);
        wizard.Answer(answer);
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_TRUE(wizard.Messages().empty());

    const std::string strExpected = ModelReport(Switches(run.m_bTest), run.m_aAnswers);
    ASSERT_FALSE(strExpected.empty());
    EXPECT_EQ(wizard.ReportText().toStdString(), AsShown(strExpected).toStdString());
    EXPECT_EQ(wizard.ReportText().contains(QStringLiteral("Days\tSample Interval")), run.m_bTest);
}

INSTANTIATE_TEST_SUITE_P(SeveralVariants, ReportParityTest, ::testing::ValuesIn(kaRuns),
                         [](const ::testing::TestParamInfo<CRun>& info) { return info.param.m_szName; });

TEST(ReportField, WheelAndKeyboardScrollTheWholeReport)
{
    CGuiWizard wizard(Switches(true));
    wizard.Answer(kaRuns[1].m_aAnswers);
    auto* pReport = wizard.Sheet().GetActivePage()->findChild<QPlainTextEdit*>(QStringLiteral("report"));
    ASSERT_NE(pReport, nullptr);
    QScrollBar* pScroll = pReport->verticalScrollBar();
    ASSERT_GT(pScroll->maximum(), 0);
    EXPECT_EQ(pScroll->value(), 0);

    const QPoint ptCentre = pReport->viewport()->rect().center();
    QWheelEvent wheel(ptCentre, pReport->viewport()->mapToGlobal(ptCentre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pReport->viewport(), &wheel);
    const int nAfterWheel = pScroll->value();
    EXPECT_GT(nAfterWheel, 0);

    pReport->setFocus();
    QTest::keyClick(pReport, Qt::Key_PageDown);
    EXPECT_GT(pScroll->value(), nAfterWheel);
    QTest::keyClick(pReport, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(pReport->viewport()->rect().contains(pReport->cursorRect()));
}

}  // namespace
