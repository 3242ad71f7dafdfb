#include "InstrumentFactory.h"
#include "StandardRecord.h"

#include <gtest/gtest.h>

namespace {

namespace P = BreakdownPart;

// The unit and capacity a breakdown divides into; which consumers it names and
// that they add up to the endurance is checked for every variant in
// VariantTableTest.
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
