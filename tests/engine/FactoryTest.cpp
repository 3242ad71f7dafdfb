#include "FirmwareCatalogue.h"
#include "InstrumentFactory.h"
#include "InstrumentOption.h"
#include "Instruments700.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <typeindex>
#include <typeinfo>

namespace {

// The "any" positions, and -1 or the "any" value itself matching nothing; every
// row of the table is built in VariantTableTest, the firmware past each cell's
// end is refused below.
TEST(Factory, BuildsTheVariantOfTheTripleOrNothing)
{
    const struct {
        int nModel, nComm, nFirmware;
        const std::type_info* pType;   // null: no variant
    } kCases[] = {
        {0, -1, -1, &typeid(CInstrument610)},         {0, INT_MIN, INT_MAX, &typeid(CInstrument610)},
        {1, 1, 5, &typeid(CInstrument620Rs485FwTo12)}, {2, -1, 1, &typeid(CInstrument630Fw20)},
        {5, 0, 3, &typeid(CInstrument700LxpOxRs232)},  {1, 0, -1, nullptr},
        {1, -1, 0, nullptr},                           {7, 0, 0, nullptr},
        {INT_MIN, INT_MIN, INT_MIN, nullptr},
    };
    for (const auto& c : kCases) {
        auto p = CreateVariant(c.nModel, c.nComm, c.nFirmware);
        SCOPED_TRACE(::testing::Message() << c.nModel << "," << c.nComm << "," << c.nFirmware);
        if (!c.pType) {
            EXPECT_FALSE(p);
            continue;
        }
        ASSERT_TRUE(p);
        EXPECT_EQ(typeid(*p), *c.pType);
        // The triple is kept as given, "any" positions included, for reuse.
        EXPECT_EQ(p->GetModelIndex(), c.nModel);
        EXPECT_EQ(p->GetCommIndex(), c.nComm);
        EXPECT_EQ(p->GetFirmwareIndex(), c.nFirmware);
    }
}

// The catalogue offers exactly the revisions the factory can build: each
// position of a cell builds a class of its own and every class is offered;
// past a cell's end nothing is built, unless the cell's row looks at no
// firmware (then -1 builds the same class too).
TEST(Factory, CatalogueAndVariantTableAgree)
{
    const CFirmwareCatalogue catalogue;
    std::set<std::type_index> aClasses;
    int nOffered = 0;
    for (int nModel = 0; nModel < CFirmwareCatalogue::kModelRows; ++nModel) {
        for (int nComm = 0; nComm < CFirmwareCatalogue::kCommColumns; ++nComm) {
            SCOPED_TRACE(::testing::Message() << nModel << "," << nComm);
            const int nCount = catalogue.GetRevisionCount(nModel, nComm);
            for (int nFirmware = 0; nFirmware < nCount; ++nFirmware, ++nOffered) {
                const auto p = CreateVariant(nModel, nComm, nFirmware);
                ASSERT_TRUE(p) << nFirmware;
                aClasses.insert(typeid(*p));
            }
            if (nCount == 0)
                continue;
            const auto pPast = CreateVariant(nModel, nComm, nCount);
            const auto pUnset = CreateVariant(nModel, nComm, -1);
            ASSERT_EQ(pPast != nullptr, pUnset != nullptr);
            if (pPast) {
                EXPECT_EQ(typeid(*pPast), typeid(*pUnset));
            }
        }
    }
    EXPECT_EQ(nOffered, VariantCount());
    EXPECT_EQ(static_cast<int>(aClasses.size()), VariantCount());
}

// Positions outside a list or the table read as nothing, never beyond.
TEST(FirmwareCatalogue, OutsideTheTableIsEmpty)
{
    const CFirmwareCatalogue catalogue;
    EXPECT_EQ(catalogue.GetRevision(6, 2, catalogue.GetRevisionCount(6, 2)), "");
    EXPECT_EQ(catalogue.GetRevision(1, 0, -1), "");
    for (auto [nModel, nComm] : {std::pair{-1, 0}, {10, 0}, {0, 3}, {0, -1}, {INT_MIN, INT_MAX}}) {
        EXPECT_TRUE(catalogue.GetRevisions(nModel, nComm).empty());
        EXPECT_EQ(catalogue.GetNewestRevision(nModel, nComm), 0);
    }
}

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
