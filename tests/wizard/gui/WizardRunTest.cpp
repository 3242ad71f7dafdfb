// Whole runs through the wizard's widgets, as a person goes through it.
#include "HelpViewerProbe.h"
#include "MoorplanApp.h"
#include "WizardDriver.h"

#include "../../finish/TmpDirOverride.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Intro = CIntroPageModel;
using Battery = CBatterySelectPageModel;
using Pump = CMooredPumpSelectPageModel;
using K700 = C700SamplingPageModel;

// A Kelvo 620 in test mode with a pump and sensors, back from the finish page
// for a colder deployment and on to a rebuilt report.
const CAnswers kColderReturn = {
    NextPage(), NextPage(), NextPage(), Choose(Pump::kPump, "P4M"), Click(Pump::kMode2), NextPage(),
    Type(C600SamplingPageModel::kInterval, "300"), NextPage(), Choose(CSensorListPageModel::kCount, "2"), NextPage(),
    Choose(Battery::kBattery, "Lithium (30 Amp-hr)"), Type(Battery::kTemperature, "-2"), NextPage(),
    BackPage(), Type(Battery::kTemperature, "-4.5"), NextPage()};

// F1 and the Help button, pressed as a person would, each bring the help
// viewer up on the manual's welcome topic (the manual the build compiled,
// beside the test program as beside the wizard).
void ExpectHelpOnThisPage(CGuiWizard& wizard)
{
    for (const bool bKey : {true, false}) {
        if (QWidget* pViewer = HelpViewer(&wizard.Sheet()))
            pViewer->hide();
        if (bKey)
            QTest::keyClick(wizard.Sheet().GetActivePage(), Qt::Key_F1);
        else
            QTest::mouseClick(wizard.Button("helpButton"), Qt::LeftButton);
        EXPECT_EQ(ShownHeading(&wizard.Sheet()), QStringLiteral("Welcome to Moorplan"))
            << (bKey ? "F1" : "Help button") << " on page " << static_cast<int>(wizard.ActiveKind());
    }
}

// On every page of the run F1 and Help open the manual; at the end the report
// shown and exported is the one the page models give for the same answers: the
// widgets drove the models all the way.
TEST(WizardRun, EveryPageOffersHelpAndTheFinishPageShowsAndExportsTheModelsReport)
{
    QTemporaryDir folder;
    CTmpDirOverride tmpDir(folder.path());
    CGuiWizard wizard(Switches(true));
    CMoorplanApp::ConnectHelp(wizard.Sheet());
    int nHelpedAt = -1;   // the page last asked for help
    for (const CAnswer& answer : kColderReturn) {
        if (wizard.Sheet().GetActiveIndex() != nHelpedAt) {
            nHelpedAt = wizard.Sheet().GetActiveIndex();
            ExpectHelpOnThisPage(wizard);
        }
        wizard.Answer(answer);
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    ExpectHelpOnThisPage(wizard);
    EXPECT_TRUE(wizard.Messages().empty());

    const std::string strExpected = ModelReport(Switches(true), kColderReturn);
    EXPECT_EQ(wizard.ReportText(), AsShown(strExpected));
    wizard.ClickPageButton("buttonViewInNotepad");
    EXPECT_EQ(ReadTestFile(folder.filePath(QStringLiteral("Kelvobatteryend.txt"))).toStdString(), strExpected + "\n");
}

// Tab from the focus given on arrival runs down the page (a table of rows by
// its rows), through the report, then along the sheet's buttons left to right,
// and comes back.
void ExpectTabOrder(CGuiWizard& wizard)
{
    QWidget* const pStart = QApplication::focusWidget();
    ASSERT_NE(pStart, nullptr);
    QList<QWidget*> apPage, apButtons;
    for (QWidget* pFocus = pStart; apPage.size() + apButtons.size() < 80;) {
        (wizard.Sheet().GetActivePage()->isAncestorOf(pFocus) ? apPage : apButtons).append(pFocus);
        ASSERT_TRUE(apButtons.isEmpty() || apButtons.last() == pFocus) << "a page control after the buttons";
        QTest::keyClick(pFocus, Qt::Key_Tab);
        if ((pFocus = QApplication::focusWidget()) == pStart)
            break;
    }
    const auto position = [&](QWidget* p) { return p->mapTo(&wizard.Sheet(), QPoint(0, 0)); };
    for (int n = 1; n < apPage.size(); ++n) {
        const bool bReport = qobject_cast<QPlainTextEdit*>(apPage[n]);
        EXPECT_TRUE(bReport ? n == apPage.size() - 1 : position(apPage[n]).y() >= position(apPage[n - 1]).y())
            << apPage[n]->objectName().toStdString() << " out of order";
    }
    ASSERT_FALSE(apButtons.isEmpty());
    for (int n = 1; n < apButtons.size(); ++n)
        EXPECT_GT(position(apButtons[n]).x(), position(apButtons[n - 1]).x());
    pStart->setFocus(Qt::TabFocusReason);
}

// A person without a mouse: the arrow keys move among radio buttons and
// through lists, Space chooses, typing fills a field, Enter goes on, Tab
// reaches the finish page's buttons. The Kelvo 620 run ends exported.
TEST(WizardRun, TheKeyboardAloneReachesTheFinishPageAndExportsIt)
{
    QTemporaryDir folder;
    CTmpDirOverride tmpDir(folder.path());
    CGuiWizard wizard;
    QApplication::setActiveWindow(&wizard.Sheet());
    const auto press = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
    };
    const auto focusIs = [&](int nId) { return QApplication::focusWidget() == wizard.ActivePage()->ControlWidget(nId); };
    QCoreApplication::processEvents();
    ASSERT_TRUE(focusIs(Intro::kModel610));
    press(Qt::Key_Down);
    press(Qt::Key_Space);
    ExpectTabOrder(wizard);
    for (const EPageKind eKind : {EPageKind::Comms, EPageKind::PressureSelect, EPageKind::MooredPumpSelect}) {
        press(Qt::Key_Return);
        ASSERT_EQ(wizard.ActiveKind(), eKind);
        ExpectTabOrder(wizard);
    }
    ASSERT_TRUE(focusIs(Pump::kPump));
    while (wizard.Control<QComboBox>(Pump::kPump)->currentText() != QStringLiteral("P4M")) {
        const int nBefore = wizard.Control<QComboBox>(Pump::kPump)->currentIndex();
        press(Qt::Key_Down);
        ASSERT_NE(wizard.Control<QComboBox>(Pump::kPump)->currentIndex(), nBefore) << "no P4M in the list";
    }
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    ASSERT_TRUE(focusIs(Pump::kMode2));
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Sampling600);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("300"));
    for (const EPageKind eKind : {EPageKind::SensorList, EPageKind::BatterySelect, EPageKind::Finish}) {
        if (eKind == EPageKind::Finish) {
            press(Qt::Key_Tab);   // from the battery list to the temperature
            ASSERT_TRUE(focusIs(Battery::kTemperature));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10"));
        }
        press(Qt::Key_Return);
        ASSERT_EQ(wizard.ActiveKind(), eKind);
        ExpectTabOrder(wizard);
    }
    EXPECT_TRUE(wizard.Messages().empty());
    press(Qt::Key_Space);   // the first button on arrival: View in Notepad
    const std::string strExpected = ModelReport(
        {}, {NextPage(), NextPage(), NextPage(), Choose(Pump::kPump, "P4M"), Click(Pump::kMode2), NextPage(),
             Type(C600SamplingPageModel::kInterval, "300"), NextPage(), NextPage(), Type(Battery::kTemperature, "10"),
             NextPage()});
    EXPECT_EQ(ReadTestFile(folder.filePath(QStringLiteral("Kelvobatteryend.txt"))).toStdString(), strExpected + "\n");
}

// Enter presses Next from whatever the sheet focused on arrival: the first
// field, its value selected so that typing replaces it, and never the report,
// even on a page whose only list is disabled.
TEST(WizardRun, EnterGoesOnFromTheFocusGivenOnArrival)
{
    CGuiWizard wizard;
    wizard.Answer({Click(Intro::kModel700Pump), NextPage(), NextPage(), NextPage()});
    QCoreApplication::processEvents();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Sampling700);
    QWidget* pFocus = wizard.Sheet().focusWidget();
    ASSERT_EQ(pFocus, wizard.Control<QLineEdit>(K700::kInterval));
    QTest::keyClicks(pFocus, QStringLiteral("900"));
    QTest::keyClick(pFocus, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::BatterySelect);
    ASSERT_FALSE(wizard.Control<QComboBox>(Battery::kBattery)->isEnabled());

    QTest::keyClick(wizard.Sheet().focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(wizard.ActiveKind(), EPageKind::Finish);
    EXPECT_TRUE(wizard.ReportText().contains(QStringLiteral("Sample Interval = 900\n")));
}

// The report field scrolls to the report's end, by the wheel and the keyboard.
TEST(WizardRun, WheelAndKeyboardScrollTheWholeReport)
{
    CGuiWizard wizard(Switches(true));
    wizard.Answer(kColderReturn);
    auto* pReport = wizard.Sheet().GetActivePage()->findChild<QPlainTextEdit*>(QStringLiteral("report"));
    ASSERT_NE(pReport, nullptr);
    QScrollBar* pScroll = pReport->verticalScrollBar();
    ASSERT_GT(pScroll->maximum(), 0);
    EXPECT_EQ(pScroll->value(), 0);

    const QPoint ptCentre = pReport->viewport()->rect().center();
    QWheelEvent wheel(ptCentre, pReport->viewport()->mapToGlobal(ptCentre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(pReport->viewport(), &wheel);
    EXPECT_GT(pScroll->value(), 0);
    pReport->setFocus();
    QTest::keyClick(pReport, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(pReport->viewport()->rect().contains(pReport->cursorRect()));
}

}  // namespace
