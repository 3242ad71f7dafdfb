// A monkey at the real wizard: random but plausible events from a fixed seed,
// each given to the wizard on screen and to the page models alike, with every
// control, button, title, message and report compared after each step. MOORPLAN_MONKEY_EVENTS
// and MOORPLAN_MONKEY_SEED set the run's length and seed (fuzz/monkey.sh runs it long).
#include "ModelPage.h"
#include "WizardDriver.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>

namespace {

int EnvOr(const char* szName, int nDefault)
{
    bool bOk = false;
    const int nValue = qEnvironmentVariableIntValue(szName, &bOk);
    return bOk ? nValue : nDefault;
}

const char* const kaTexts[] = {"", " ", "0", "-0", "-1", "15", "14", "600", "32767", "32768", "4.5", "-2",
                               " 12abc", "abc", "1e999", "0x10", "nan", "99999999999", "-4294966696", "0.0456"};

class CMonkey {
public:
    explicit CMonkey(unsigned nSeed) : m_random(nSeed) { Restart(); }

    // One event: Next, Back, Enter, Escape or an action on a control. One that
    // closes the wizard starts a fresh one.
    void Step()
    {
        const int nRoll = Below(100);
        if (nRoll < 12)
            Both(NextPage());
        else if (nRoll < 20)
            Both(BackPage());
        else if (nRoll < 26)
            Key(nRoll < 24 ? Qt::Key_Return : Qt::Key_Escape);
        else if (const CAnswer answer = OnAControl(m_pModel->CurrentPage()); answer.m_nId >= 0)
            Both(answer);
    }

    // The wizard on screen against the models after the same events.
    void Check()
    {
        const CPageModel& page = m_pModel->CurrentPage();
        ASSERT_EQ(m_pWizard->ActiveKind(), page.Kind());
        m_aVisited.insert(page.Kind());
        EXPECT_EQ(m_pWizard->Sheet().windowTitle().toStdString(), page.Title());
        const int nButtons = page.WizardButtons();
        const bool bFinish = (nButtons & kWizFinish) != 0;
        EXPECT_EQ(m_pWizard->Button("backButton")->isEnabled(), (nButtons & kWizBack) != 0);
        EXPECT_EQ(m_pWizard->Button("nextButton")->isVisible(), !bFinish);
        EXPECT_EQ(m_pWizard->Button("finishButton")->isVisible(), bFinish);
        if (!bFinish) {
            EXPECT_EQ(m_pWizard->Button("nextButton")->isEnabled(), (nButtons & kWizNext) != 0);
        }
        std::vector<std::string> astrShown;   // the message boxes since the start
        for (const BvUtility::Platform::MessageRequest& message : m_pWizard->Messages())
            astrShown.push_back(message.strText.toStdString());
        EXPECT_EQ(astrShown, m_astrMessages);
        const CModelPage* pPage = m_pWizard->ActivePage();
        if (!pPage) {   // the finish page
            EXPECT_EQ(m_pWizard->ReportText(), AsShown(page.Control(CFinishPageModel::kReport).m_strText));
            return;
        }
        for (int nId = 0; nId < page.ControlCount(); ++nId) {
            const QWidget* pWidget = pPage->ControlWidget(nId);
            ASSERT_NE(pWidget, nullptr) << "control " << nId << " has no widget";
            EXPECT_EQ(WidgetShows(*pWidget), ModelShows(page.Control(nId))) << "control " << nId;
        }
    }

    std::set<EPageKind> m_aVisited;
    // The events since the last start, for the failure message.
    std::string m_strEvents;

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void Restart()
    {
        const CWizardSwitches commandLine = Switches(Below(2) == 0, Below(2) == 0);
        m_pWizard.reset();   // the old wizard first: it hands the desktop seams back
        m_pWizard = std::make_unique<CGuiWizard>(commandLine);
        m_pModel = std::make_unique<CSheetModel>(commandLine);
        m_pModel->Start();
        m_astrMessages.clear();
        m_strEvents = commandLine.m_bTest ? "start /TEST; " : "start; ";
    }

    void Both(const CAnswer& answer)
    {
        m_strEvents += answer.m_eAction == CAnswer::Next   ? std::string("Next; ")
                       : answer.m_eAction == CAnswer::Back ? std::string("Back; ")
                                                           : "control " + std::to_string(answer.m_nId) + " '" + answer.m_strValue + "'; ";
        m_pWizard->Answer(answer);
        ModelAnswer(*m_pModel, {answer}, &m_astrMessages);
    }

    // Enter presses the default button (Next, or Finish on the last page);
    // Escape cancels. A closed wizard is started afresh.
    void Key(Qt::Key key)
    {
        const int nButtons = m_pModel->CurrentPage().WizardButtons();
        m_strEvents += key == Qt::Key_Return ? "Enter; " : "Escape; ";
        // The report field takes a typed line break (it gets the focus when
        // the focused button is hidden); the keys then go to the sheet itself.
        QWidget* pFocus = QApplication::focusWidget();
        if (!pFocus || qobject_cast<QPlainTextEdit*>(pFocus))
            pFocus = &m_pWizard->Sheet();
        QTest::keyClick(pFocus, key);
        QCoreApplication::processEvents();
        if (key == Qt::Key_Return && (nButtons & kWizFinish) == 0) {
            if ((nButtons & kWizNext) != 0)
                ModelAnswer(*m_pModel, {NextPage()}, &m_astrMessages);
            EXPECT_TRUE(m_pWizard->Sheet().isVisible());
            return;
        }
        EXPECT_FALSE(m_pWizard->Sheet().isVisible());
        Restart();
    }

    // A person's action on a random control that is shown and enabled:
    // choose another entry, click an unchecked radio button, toggle a check
    // box, type a text; none (m_nId -1) when the control drawn offers none.
    // (Re-picking the entry shown runs the page's handler on screen but is no
    // action for the models: not an event both can be given.)
    CAnswer OnAControl(const CPageModel& page)
    {
        const int nId = Below(page.ControlCount());
        const CControlState& control = page.Control(nId);
        if (!control.m_bVisible || !control.m_bEnabled)
            return {};
        const int nEntries = static_cast<int>(control.m_astrItems.size());
        switch (control.m_eKind) {
        case EControlKind::List:
            if (const int nEntry = nEntries > 0 ? Below(nEntries) : -1; nEntry >= 0 && nEntry != control.m_nSelection)
                return Choose(nId, control.m_astrItems[static_cast<std::size_t>(nEntry)]);
            return {};
        case EControlKind::Radio: return control.m_bChecked ? CAnswer{} : Click(nId);
        case EControlKind::Check: return Toggle(nId);
        case EControlKind::Edit: return Type(nId, kaTexts[Below(static_cast<int>(std::size(kaTexts)))]);
        default: return {};
        }
    }

    std::mt19937 m_random;
    std::vector<std::string> m_astrMessages;   // the models' messages since the start
    std::unique_ptr<CGuiWizard> m_pWizard;
    std::unique_ptr<CSheetModel> m_pModel;
};

TEST(Monkey, RandomEventsKeepTheWizardAndItsModelsAlike)
{
    const int nEvents = EnvOr("MOORPLAN_MONKEY_EVENTS", 1000);
    CMonkey monkey(static_cast<unsigned>(EnvOr("MOORPLAN_MONKEY_SEED", 11)));
    for (int n = 0; n < nEvents; ++n) {
        monkey.Step();
        SCOPED_TRACE(testing::Message() << "event " << n << ": " << monkey.m_strEvents);
        ASSERT_FALSE(HasFailure());
        monkey.Check();
        ASSERT_FALSE(HasFailure());
    }
    // Every kind of page came up: the comparisons covered each page's controls.
    EXPECT_EQ(monkey.m_aVisited.size(), static_cast<std::size_t>(EPageKind::Finish) + 1);
}

}  // namespace
