#include "FirmwareCatalogue.h"
#include "InstrumentFactory.h"
#include "Instruments700.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <climits>
#include <typeinfo>

namespace {

struct CFactoryCase {
    int nModel, nComm, nFirmware;
    const std::type_info* pType;   // null: no variant
};

const CFactoryCase kFactoryCases[] = {
    {0, -1, -1, &typeid(CInstrument610)},
    {0, 2, 7, &typeid(CInstrument610)},
    {0, INT_MIN, INT_MAX, &typeid(CInstrument610)},
    {1, 0, 2, nullptr},
    {1, 0, -1, nullptr},
    {1, 1, 5, &typeid(CInstrument620Rs485FwTo12)},
    {1, 1, -1, &typeid(CInstrument620Rs485FwTo12)},
    {1, 3, 0, nullptr},
    {1, -1, 0, nullptr},
    {2, -1, 0, &typeid(CInstrument630FwTo16)},
    {2, -1, 1, &typeid(CInstrument630Fw20)},
    {2, 2, 1, &typeid(CInstrument630Fw20)},
    {2, 0, 2, nullptr},
    {2, 0, -1, nullptr},
    {3, 0, 5, nullptr},
    {5, 0, 3, &typeid(CInstrument700LxpOxRs232)},
    {5, 0, -1, &typeid(CInstrument700LxpOxRs232)},
    {5, 1, 0, nullptr},
    {5, 2, 2, nullptr},
    {6, 1, 0, nullptr},
    {7, 0, 0, nullptr},
    {-1, -1, -1, nullptr},
    {INT_MIN, INT_MIN, INT_MIN, nullptr},
};

TEST(Factory, BuildsTheVariantOfTheTripleOrNothing)
{
    for (const CFactoryCase& c : kFactoryCases) {
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

TEST(Factory, EveryCallBuildsAFreshObjectWithDefaults)
{
    auto pFirst = CreateVariant(1, 0, 1);
    pFirst->m_nSampleInterval = 900;
    auto pSecond = CreateVariant(1, 0, 1);
    EXPECT_NE(pFirst.get(), pSecond.get());
    EXPECT_EQ(pSecond->m_nSampleInterval, -1);
}

struct CRowCase {
    int nModel, nComm, nFirmware;
    const std::type_info* pType;
};

// Every row of the variant table, "any" positions probed with 0.
const CRowCase kRows[] = {
    {0, 0, 0, &typeid(CInstrument610)},
    {1, 0, 0, &typeid(CInstrument620Rs232FwTo18)},
    {1, 0, 1, &typeid(CInstrument620Rs232Fw20)},
    {1, 1, 0, &typeid(CInstrument620Rs485FwTo12)},
    {1, 2, 0, &typeid(CInstrument620ModemFwTo12)},
    {1, 2, 1, &typeid(CInstrument620ModemFw20)},
    {2, 0, 0, &typeid(CInstrument630FwTo16)},
    {2, 0, 1, &typeid(CInstrument630Fw20)},
    {3, 0, 0, &typeid(CInstrument700LxRs232FwTo16)},
    {3, 0, 1, &typeid(CInstrument700LxRs232Fw20)},
    {3, 0, 2, &typeid(CInstrument700LxRs232Fw26)},
    {3, 0, 3, &typeid(CInstrument700LxRs232Fw26Ext)},
    {3, 0, 4, &typeid(CInstrument700LxRs232Fw30)},
    {3, 1, 0, &typeid(CInstrument700LxRs485FwTo13)},
    {3, 1, 1, &typeid(CInstrument700LxRs485Fw20)},
    {3, 1, 2, &typeid(CInstrument700LxRs485Fw30)},
    {3, 2, 0, &typeid(CInstrument700MxFwTo14)},
    {3, 2, 1, &typeid(CInstrument700MxFw20)},
    {3, 2, 2, &typeid(CInstrument700MxFw30)},
    {4, 0, 0, &typeid(CInstrument700LxpRs232FwPre26)},
    {4, 0, 1, &typeid(CInstrument700LxpRs232Fw26)},
    {4, 0, 2, &typeid(CInstrument700LxpRs232Fw26Ext)},
    {4, 0, 3, &typeid(CInstrument700LxpRs232Fw30)},
    {4, 0, 4, &typeid(CInstrument700LxpRs232Fw40)},
    {4, 1, 0, &typeid(CInstrument700LxpRs485FwPre23)},
    {4, 1, 1, &typeid(CInstrument700LxpRs485Fw23)},
    {4, 1, 2, &typeid(CInstrument700LxpRs485Fw30)},
    {4, 2, 0, &typeid(CInstrument700MxpFw20)},
    {4, 2, 1, &typeid(CInstrument700MxpFw30)},
    {4, 2, 2, &typeid(CInstrument700MxpFw40)},
    {5, 0, 0, &typeid(CInstrument700LxpOxRs232)},
    {5, 2, 0, &typeid(CInstrument700MxpOxFw40)},
    {5, 2, 1, &typeid(CInstrument700MxpOxFw11)},
    {6, 0, 0, &typeid(CInstrument710Rs232FwPre20)},
    {6, 0, 1, &typeid(CInstrument710Rs232Fw20)},
    {6, 0, 2, &typeid(CInstrument710Rs232Fw31)},
    {6, 2, 0, &typeid(CInstrument710ModemFwPre11)},
    {6, 2, 1, &typeid(CInstrument710ModemFw11)},
};

TEST(Factory, EveryRowBuildsItsVariant)
{
    for (const CRowCase& c : kRows) {
        auto p = CreateVariant(c.nModel, c.nComm, c.nFirmware);
        ASSERT_TRUE(p) << c.pType->name();
        EXPECT_EQ(typeid(*p), *c.pType);
    }
}

// The catalogue offers exactly the revisions the factory can build: each
// position of a cell has a variant, the position past the end has none
// (except where the row looks at no firmware).
TEST(Factory, CatalogueAndVariantTableAgree)
{
    const CFirmwareCatalogue catalogue;
    int nBuilt = 0;
    for (int nModel = 0; nModel < 7; ++nModel) {
        for (int nComm = 0; nComm < 3; ++nComm) {
            const int nCount = catalogue.GetRevisionCount(nModel, nComm);
            for (int nFirmware = 0; nFirmware < nCount; ++nFirmware) {
                EXPECT_TRUE(CreateVariant(nModel, nComm, nFirmware)) << nModel << nComm << nFirmware;
                ++nBuilt;
            }
            const bool bAnyFirmware = nModel == 0 || (nModel == 1 && nComm == 1) || (nModel == 5 && nComm == 0);
            if (nCount > 0 && !bAnyFirmware) {
                EXPECT_FALSE(CreateVariant(nModel, nComm, nCount)) << nModel << nComm;
            }
        }
    }
    EXPECT_EQ(nBuilt, 38);
}

TEST(FirmwareCatalogue, CellsHoldTheRevisionTexts)
{
    const CFirmwareCatalogue catalogue;
    EXPECT_EQ(catalogue.GetRevisions(0, 0), std::vector<std::string>{"all revisions"});
    EXPECT_EQ(catalogue.GetRevision(4, 2, 1), "3.0 and higher, leas than 4.0");
    EXPECT_EQ(catalogue.GetRevision(5, 2, 1), "1.1 and higher (production version, 2010 & later)");
    EXPECT_EQ(catalogue.GetRevision(3, 0, 3), "2.6 and higher, less than 3.0, with external power option");
    EXPECT_EQ(catalogue.GetRevision(6, 2, 2), "");
    EXPECT_EQ(catalogue.GetRevision(1, 0, -1), "");

    const int kCounts[7][3] = {{1, 0, 0}, {2, 1, 2}, {2, 0, 0}, {5, 3, 3}, {5, 3, 3}, {1, 0, 2}, {3, 0, 2}};
    for (int nModel = 0; nModel < CFirmwareCatalogue::kModelRows; ++nModel)
        for (int nComm = 0; nComm < CFirmwareCatalogue::kCommColumns; ++nComm)
            EXPECT_EQ(catalogue.GetRevisionCount(nModel, nComm), nModel < 7 ? kCounts[nModel][nComm] : 0)
                << nModel << "," << nComm;
    for (auto [nModel, nComm] : {std::pair{-1, 0}, {10, 0}, {0, 3}, {0, -1}, {INT_MIN, INT_MAX}})
        EXPECT_TRUE(catalogue.GetRevisions(nModel, nComm).empty());
}

}  // namespace
