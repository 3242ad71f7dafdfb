#include "BatterySelectPageModel.h"
#include "Help.h"
#include "HelpViewerProbe.h"
#include "IntroPageModel.h"
#include "MoorplanApp.h"
#include "WizardDriver.h"

#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Intro = CIntroPageModel;

// F1 and the Help button, pressed as a person would, each bring the help
// viewer up on the manual's welcome topic (the manual the build compiled,
// beside the test program as beside the wizard).
void ExpectHelpOnThisPage(CGuiWizard& wizard)
{
    const auto Press = [&](const char* szHow, const std::function<void()>& press) {
        if (QWidget* pViewer = HelpViewer(&wizard.Sheet()))
            pViewer->hide();
        press();
        EXPECT_EQ(ShownHeading(&wizard.Sheet()), QStringLiteral("Welcome to Moorplan"))
            << szHow << " on page " << static_cast<int>(wizard.ActiveKind());
    };
    Press("F1", [&] { QTest::keyClick(wizard.ActivePage(), Qt::Key_F1); });
    Press("Help button", [&] {
        QTest::mouseClick(wizard.Button("helpButton"), Qt::LeftButton);
    });
}

// Three runs that between them visit every kind of page.
TEST(WizardHelp, F1AndHelpShowTheWelcomeTopicOnEveryPage)
{
    const int kModels[] = {Intro::kModel610, Intro::kModel700Pump, Intro::kModel710};
    std::vector<EPageKind> aVisited;
    for (const int nModel : kModels) {
        CGuiWizard wizard;
        BvUtility::CHelp::InitializeHtmlHelpPath("Moorplan.chm");
        BvUtility::CHelp::SetMainWindow(&wizard.Sheet());
        CMoorplanApp::ConnectHelp(wizard.Sheet());
        wizard.Answer(Click(nModel));
        for (int nPage = 0; nPage < 10; ++nPage) {
            aVisited.push_back(wizard.ActiveKind());
            ExpectHelpOnThisPage(wizard);
            if (wizard.ActiveKind() == EPageKind::Finish)
                break;
            if (wizard.ActiveKind() == EPageKind::BatterySelect &&
                wizard.ActivePage()->ControlWidget(CBatterySelectPageModel::kTemperature)->isVisible())
                wizard.Answer(Type(CBatterySelectPageModel::kTemperature, "12"));
            wizard.PressNext();
        }
        EXPECT_EQ(wizard.ActiveKind(), EPageKind::Finish);
        EXPECT_TRUE(wizard.Messages().empty());
        BvUtility::CHelp::SetMainWindow(nullptr);
    }
    for (int nKind = static_cast<int>(EPageKind::Intro); nKind <= static_cast<int>(EPageKind::Finish); ++nKind)
        EXPECT_NE(std::count(aVisited.begin(), aVisited.end(), static_cast<EPageKind>(nKind)), 0) << nKind;
}

}  // namespace
