// A monkey at the real wizard: random but plausible events from a fixed seed,
// each given to the wizard on screen and to the page models alike, with the
// two compared after every step. MOORPLAN_MONKEY_EVENTS and
// MOORPLAN_MONKEY_SEED set the run's length and seed (fuzz/monkey.sh runs it long).
#include "ModelPage.h"
#include "WizardDriver.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <random>

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

    // One event; one that closes the wizard starts a fresh one.
    void Step()
    {
        CPageModel& page = m_pModel->CurrentPage();
        const int nRoll = Below(100);
        if (nRoll < 12) {
            Both(NextPage());
        } else if (nRoll < 20) {
            Both(BackPage());
        } else if (nRoll < 24) {
            Key(Qt::Key_Return, page.WizardButtons());
        } else if (nRoll < 26) {
            Key(Qt::Key_Escape, 0);
        } else {
            const CAnswer answer = OnAControl(page);
            if (answer.m_nId >= 0)
                Both(answer);
        }
    }

    // The wizard on screen against the models after the same events.
    void Check() const
    {
        const CPageModel& page = m_pModel->CurrentPage();
        ASSERT_EQ(m_pWizard->ActiveKind(), page.Kind());
        int nShownPages = 0;
        for (const CPropertyPage* pPage : m_pWizard->Sheet().findChildren<CPropertyPage*>())
            nShownPages += pPage->isVisible() ? 1 : 0;
        EXPECT_EQ(nShownPages, 1);
        const int nButtons = page.WizardButtons();
        EXPECT_EQ(m_pWizard->Button("backButton")->isEnabled(), (nButtons & kWizBack) != 0);
        EXPECT_EQ(m_pWizard->Button("nextButton")->isVisible(), (nButtons & kWizFinish) == 0);
        EXPECT_EQ(m_pWizard->Button("finishButton")->isVisible(), (nButtons & kWizFinish) != 0);
        if ((nButtons & kWizFinish) == 0) {
            EXPECT_EQ(m_pWizard->Button("nextButton")->isEnabled(), (nButtons & kWizNext) != 0);
        }
        for (int nId = 0; nId < page.ControlCount(); ++nId) {
            if (page.Control(nId).m_eKind == EControlKind::Report) {
                EXPECT_EQ(m_pWizard->ReportText().toStdString(), AsShown(page.Control(nId).m_strText).toStdString());
            }
        }
    }

    int m_nRestarts = 0;
    // The events since the last start, for the failure message.
    std::string m_strEvents;

private:
    void Log(const std::string& strEvent) { m_strEvents += strEvent + "; "; }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    void Restart()
    {
        const CMoorplanCommandLineInfo commandLine = Switches(Below(2) == 0, Below(2) == 0);
        m_pWizard.reset();
        m_pWizard = std::make_unique<CGuiWizard>(commandLine);
        m_pModel = std::make_unique<CSheetModel>(commandLine);
        m_pModel->Start();
        ++m_nRestarts;
        m_strEvents = commandLine.m_bTest ? "start /TEST; " : "start; ";
    }

    void Both(const CAnswer& answer)
    {
        Log(answer.m_eAction == CAnswer::Next   ? std::string("Next")
            : answer.m_eAction == CAnswer::Back ? std::string("Back")
                                                : "control " + std::to_string(answer.m_nId) + " '" + answer.m_strValue + "'");
        m_pWizard->Answer(answer);
        ModelAnswer(*m_pModel, {answer});
    }

    // Enter presses the default button (Next, or Finish on the last page);
    // Escape cancels. A closed wizard is started afresh.
    void Key(Qt::Key key, int nButtons)
    {
        Log(key == Qt::Key_Return ? "Enter" : "Escape");
        // The report field takes a typed line break (it gets the focus when
        // the focused button is hidden); the keys then go to the sheet itself.
        QWidget* pFocus = QApplication::focusWidget();
        if (!pFocus || qobject_cast<QPlainTextEdit*>(pFocus))
            pFocus = &m_pWizard->Sheet();
        QTest::keyClick(pFocus, key);
        QCoreApplication::processEvents();
        if (key == Qt::Key_Return && (nButtons & kWizFinish) == 0) {
            if ((nButtons & kWizNext) != 0)
                m_pModel->Next();
            EXPECT_TRUE(m_pWizard->Sheet().isVisible());
            return;
        }
        EXPECT_FALSE(m_pWizard->Sheet().isVisible());
        Restart();
    }

    // A person's action on a random control that is shown and enabled:
    // choose an entry, click a radio button, toggle a check box, type a text.
    CAnswer OnAControl(const CPageModel& page)
    {
        const int nId = Below(page.ControlCount());
        const CControlState& control = page.Control(nId);
        if (!control.m_bVisible || !control.m_bEnabled)
            return {CAnswer::Next, -1, {}};
        switch (control.m_eKind) {
        // Picking the entry shown or clicking the checked button runs the
        // page's handler on screen but is no action for the models: not an
        // event both can be given.
        case EControlKind::List: {
            const int nEntry = control.m_astrItems.empty() ? -1 : Below(static_cast<int>(control.m_astrItems.size()));
            if (nEntry < 0 || nEntry == control.m_nSelection)
                break;
            return Choose(nId, control.m_astrItems[static_cast<std::size_t>(nEntry)]);
        }
        case EControlKind::Radio:
            if (control.m_bChecked)
                break;
            return Click(nId);
        case EControlKind::Check: return Toggle(nId);
        case EControlKind::Edit: return Type(nId, RandomText());
        default: break;
        }
        return {CAnswer::Next, -1, {}};
    }

    std::string RandomText()
    {
        if (Below(4) > 0)
            return kaTexts[Below(static_cast<int>(std::size(kaTexts)))];
        std::string strText;
        for (int n = Below(9); n > 0; --n)
            strText += static_cast<char>(Below(2) ? '0' + Below(10) : ' ' + Below(95));
        return strText;
    }

    std::mt19937 m_random;
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
    RecordProperty("restarts", monkey.m_nRestarts);
}

}  // namespace
