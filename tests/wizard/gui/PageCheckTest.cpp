#include "BatterySelectPageModel.h"
#include "IntroPageModel.h"
#include "MoorModelPageModel.h"
#include "SampleRatePageModel.h"
#include "Sampling700PageModel.h"
#include "Sampling710PageModel.h"
#include "WizardDriver.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using Intro = CIntroPageModel;

// One failing entry per checked page: the path to the page, the entries (the
// last of them fails), and the start of the message. Which check fails first
// and its whole text are the page models' tests; here each page shows it.
struct CCheckCase {
    const char* m_szName;
    CAnswers m_aPath;
    EPageKind m_ePage;
    CAnswers m_aEntries;
    const char* m_szMessage;
};

const CAnswers kaTo620 = {Click(Intro::kModel620), NextPage(), NextPage()};
// A Kelvo 700 that counts NAvg.
const CAnswers kaTo700 = {Click(Intro::kModel700NoPump), NextPage(),
                          Choose(CMoorModelPageModel::kFirmware, "2.0 and higher, less than 2.6"), NextPage()};
const CAnswers kaTo710 = {Click(Intro::kModel710), NextPage(), NextPage()};

const CCheckCase kaCases[] = {
    {"SampleRateInterval", kaTo620, EPageKind::SampleRate, {Type(CSampleRatePageModel::kInterval, "-1")},
     "Sample interval must be between "},
    {"Sampling700NAvg", kaTo700, EPageKind::Sampling700, {Type(C700SamplingPageModel::kNAvg, "0")},
     "NAvg must be between "},
    {"Sampling710Interval", kaTo710, EPageKind::Sampling710, {Type(C710SamplingPageModel::kInterval, "abc")},
     "Sample interval must be between "},
    {"BatteryTemperature", kaTo620, EPageKind::BatterySelect, {Type(CBatterySelectPageModel::kTemperature, "40.5")},
     "Deployment temperature must be between -5 and 40 degrees C"},
};

class PageCheckTest : public ::testing::TestWithParam<CCheckCase> {};

TEST_P(PageCheckTest, FirstFailingCheckShowsItsMessageAndStays)
{
    const CCheckCase& check = GetParam();
    CGuiWizard wizard;
    wizard.Answer(check.m_aPath);
    wizard.NextUntil(check.m_ePage);
    wizard.Answer(check.m_aEntries);
    ASSERT_TRUE(wizard.Messages().empty());

    wizard.PressNext();
    EXPECT_EQ(wizard.ActiveKind(), check.m_ePage);
    ASSERT_EQ(wizard.Messages().size(), 1u);
    const BvUtility::Platform::MessageRequest& message = wizard.Messages().front();
    EXPECT_TRUE(message.strText.startsWith(QString::fromLatin1(check.m_szMessage))) << message.strText.toStdString();
    EXPECT_EQ(message.strCaption, QStringLiteral("Moorplan 1.3"));
    EXPECT_EQ(message.icon, BvUtility::Platform::MessageIcon::None);
    EXPECT_EQ(message.buttons, BvUtility::Platform::MessageButtons::Ok);

    // Back never stays and never complains, whatever the fields hold.
    const int nIndex = wizard.Sheet().GetActiveIndex();
    wizard.PressBack();
    EXPECT_EQ(wizard.Sheet().GetActiveIndex(), nIndex - 1);
    EXPECT_EQ(wizard.Messages().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryCheckedPage, PageCheckTest, ::testing::ValuesIn(kaCases),
                         [](const ::testing::TestParamInfo<CCheckCase>& info) { return info.param.m_szName; });

TEST(PageCheck, IntervalsAtTheLimitsAreAccepted)
{
    CGuiWizard wizard;
    wizard.Answer(kaTo620);
    wizard.NextUntil(EPageKind::SampleRate);
    const CInstrument& instrument = *wizard.Sheet().Instrument();
    for (int nLimit : {instrument.m_nMinSampleInterval, instrument.m_nMaxSampleInterval}) {
        wizard.Answer({Type(CSampleRatePageModel::kInterval, std::to_string(nLimit)), NextPage()});
        EXPECT_NE(wizard.ActiveKind(), EPageKind::SampleRate) << nLimit;
        wizard.PressBack();
    }
    EXPECT_TRUE(wizard.Messages().empty());
}

}  // namespace
