#include "InstrumentFactory.h"
#include "StandardRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

namespace P = BreakdownPart;

// One letter per consumer, so that a row of the table reads at a glance.
const std::map<char, std::string> kConsumerByLetter = {
    {'S', P::kSampling},       {'P', P::kPump},        {'A', P::kAuxSensors},
    {'Q', P::kQuiescent},      {'C', P::kCommunications}, {'D', P::kSelfDischarge},
    {'W', P::kOxygenWait},     {'I', P::kIdle},        {'L', P::kPolledListening},
    {'K', P::kContinuous},
};

std::vector<std::string> Consumers(const std::string& strLetters)
{
    std::vector<std::string> astrNames;
    for (char c : strLetters)
        astrNames.push_back(kConsumerByLetter.at(c));
    std::sort(astrNames.begin(), astrNames.end());
    return astrNames;
}

std::vector<std::string> NamesOf(const CEnduranceBreakdown& breakdown)
{
    std::vector<std::string> astrNames;
    for (const CEndurancePart& part : breakdown.Parts())
        astrNames.push_back(part.m_strName);
    std::sort(astrNames.begin(), astrNames.end());
    return astrNames;
}

struct CBreakdownRow {
    int nModel, nComm, nFirmware;
    const char* szPolled;       // consumers in the polled record
    const char* szAutonomous;   // consumers in the autonomous record
};

// What each variant's calculation charges, in the standard record's two
// set-ups (a pump in mode 2, an auxiliary sensor, the second battery, queried
// communications and polled sampling; or the first pump, sensor and battery
// sampling autonomously). Pump "none" (index 0 of the Kelvo
// 610/620 lists) and the alkaline pack leave out the pump and self-discharge;
// the Kelvo 620 RS-232 variants talk for 0 s, so they never charge queries;
// the MXP OX firmware 4.0 charges no sampling when polled; a polled Kelvo 710
// RS-232 counts its sleep current twice, as one consumer.
const CBreakdownRow kRows[] = {
    {0, 0, 0, "SPAQD", "SAQ"},    {1, 0, 0, "SPAQD", "SAQ"},   {1, 0, 1, "SPAQD", "SAQ"},
    {1, 1, 0, "SPAQCD", "SAQC"},  {1, 2, 0, "SPAQCD", "SAQC"}, {1, 2, 1, "SPAQCD", "SAQC"},
    {2, 0, 0, "SPAQD", "SPAQ"},   {2, 0, 1, "SPAQD", "SPAQ"},
    {3, 0, 0, "SQ", "SQ"},        {3, 0, 1, "SQ", "SQ"},       {3, 0, 2, "SQ", "SQ"},
    {3, 0, 3, "SQ", "SQ"},        {3, 0, 4, "SQ", "SQ"},
    {3, 1, 0, "SQC", "SQC"},      {3, 1, 1, "SQC", "SQC"},     {3, 1, 2, "SQC", "SQC"},
    {3, 2, 0, "SQC", "SQC"},      {3, 2, 1, "SQC", "SQC"},     {3, 2, 2, "SQC", "SQC"},
    {4, 0, 0, "SPQ", "SPQ"},      {4, 0, 1, "SPQ", "SPQ"},     {4, 0, 2, "SPQ", "SPQ"},
    {4, 0, 3, "SPQ", "SPQ"},      {4, 0, 4, "SPQ", "SPQ"},
    {4, 1, 0, "SPQC", "SPQC"},    {4, 1, 1, "SPQC", "SPQC"},   {4, 1, 2, "SPQC", "SPQC"},
    {4, 2, 0, "SPQC", "SPQC"},    {4, 2, 1, "SPQC", "SPQC"},   {4, 2, 2, "SPQC", "SPQC"},
    {5, 0, 0, "SPWI", "SPWI"},    {5, 2, 0, "PQC", "SPQC"},    {5, 2, 1, "SPWIC", "SPWIC"},
    {6, 0, 0, "Q", "SQ"},         {6, 0, 1, "Q", "SQ"},        {6, 0, 2, "Q", "SQ"},
    {6, 2, 0, "QSCL", "QSC"},     {6, 2, 1, "QSCL", "QSC"},
};

// The breakdown is the calculation's own sum: its parts divided into the
// capacity give the endurance the calculation returns.
void ExpectAddsUp(CInstrument& k, int nInterval)
{
    const CEnduranceBreakdown breakdown = k.CalculateBreakdown(nInterval);
    EXPECT_EQ(breakdown.m_dDays, k.CalculateEndurance(nInterval));
    for (const CEndurancePart& part : breakdown.Parts())
        EXPECT_GT(part.m_dPerDay, 0.0) << part.m_strName;
    const double dDays = breakdown.Capacity() / breakdown.TotalPerDay();
    EXPECT_NEAR(dDays, breakdown.m_dDays, 1e-9 * breakdown.m_dDays);
}

TEST(EnduranceBreakdown, EveryVariantSplitsItsOwnSumAmongTheConsumersItHas)
{
    ASSERT_EQ(std::size(kRows), 38u);
    for (const CBreakdownRow& r : kRows) {
        for (bool bPolled : {true, false}) {
            auto k = CreateVariant(r.nModel, r.nComm, r.nFirmware);
            ASSERT_TRUE(k);
            SCOPED_TRACE(k->GetDescription() + (bPolled ? " polled" : " autonomous"));
            EnterStandardRecord(*k, bPolled);
            EXPECT_EQ(NamesOf(k->CalculateBreakdown(600)), Consumers(bPolled ? r.szPolled : r.szAutonomous));
            for (double dTemperature : {-5.0, 0.0, 12.5, 40.0}) {
                k->SetDeploymentTemperature(dTemperature);
                for (int nInterval : {std::max(1, k->GetMinSampleInterval()), 17, 600, 3600, 14400})
                    ExpectAddsUp(*k, nInterval);
            }
        }
    }
}

TEST(EnduranceBreakdown, UnitsAndCapacities)
{
    // Kelvo 610, alkaline at 20 C: the derated 12.2 Ah, charged in amp-hours.
    auto k610 = CreateVariant(0, -1, -1);
    EnterStandardRecord(*k610, false);
    k610->m_nAuxSensorCount = 0;
    k610->SetDeploymentTemperature(20.0);
    const CEnduranceBreakdown b610 = k610->CalculateBreakdown(900);
    EXPECT_STREQ(b610.UnitName(), "Ah");
    EXPECT_DOUBLE_EQ(b610.Capacity(), 12.2);

    // The joule variants budget the pack's 257040 J: 71.4 Wh.
    auto kOx = CreateVariant(5, 0, 0);
    EnterStandardRecord(*kOx, false);
    const CEnduranceBreakdown bOx = kOx->CalculateBreakdown(600);
    EXPECT_EQ(bOx.Unit(), EBudgetUnit::Energy);
    EXPECT_STREQ(bOx.UnitName(), "Wh");
    EXPECT_DOUBLE_EQ(bOx.Capacity(), 71.4);

    // Continuous sampling on the Kelvo 710 RS-232: a steady 0.015 A, 0.36 Ah a day.
    auto k710 = CreateVariant(6, 0, 1);
    EnterStandardRecord(*k710, false);
    k710->m_nSamplingMode = 1;
    const CEnduranceBreakdown b710 = k710->CalculateBreakdown(0);
    ASSERT_EQ(b710.Parts().size(), 1u);
    EXPECT_EQ(b710.Parts()[0].m_strName, P::kContinuous);
    EXPECT_DOUBLE_EQ(b710.Parts()[0].m_dPerDay, 0.36);
    EXPECT_DOUBLE_EQ(b710.Capacity() / b710.TotalPerDay(), b710.m_dDays);
}

}  // namespace
