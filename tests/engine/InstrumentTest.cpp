#include "Instrument.h"

#include <gtest/gtest.h>

namespace {

struct CBareInstrument : CInstrument {
    CBareInstrument() : CInstrument(4, 1, 2, 3, 5, 4, 6, 1, 1, 700) {}
    void BuildSummary(int) override {}
    double CalculateEndurance(int) override { return 0.0; }
};

TEST(Instrument, OptionListsNeverReadOutside)
{
    CBareInstrument record;
    record.m_aPumps.Set(4, "last", 0.5);
    record.m_aPumps.Set(5, "beyond", 9.0);
    for (int nIndex : {-1, 5, 1000})
        EXPECT_EQ(record.m_aPumps.NameAt(nIndex), "") << nIndex;
    EXPECT_EQ(record.m_aPumps.ValueAt(4), 0.5);
    EXPECT_EQ(record.m_aAuxSensors.ValueAt(8), 0.0);
}

}  // namespace
