#include "InstrumentOption.h"

#include <gtest/gtest.h>

namespace {

// A stale or unset index in the record never reaches outside an option list.
TEST(OptionList, NeverReadsOrWritesOutside)
{
    COptionList<5> list;
    list.Set(4, "last", 0.5);
    list.Set(5, "beyond", 9.0);
    for (int nIndex : {-1, 5, 1000}) {
        EXPECT_EQ(list.NameAt(nIndex), "") << nIndex;
        EXPECT_EQ(list.ValueAt(nIndex), 0.0) << nIndex;
    }
    EXPECT_EQ(list.ValueAt(4), 0.5);
}

}  // namespace
