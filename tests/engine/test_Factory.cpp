#include "FirmwareCatalogue.h"
#include "InstrumentFactory.h"
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
    {1, 0, 0, &typeid(CInstrument620Rs232FwTo18)},
    {1, 0, 1, &typeid(CInstrument620Rs232Fw20)},
    {1, 0, 2, nullptr},
    {1, 0, -1, nullptr},
    {1, 1, 0, &typeid(CInstrument620Rs485FwTo12)},
    {1, 1, 5, &typeid(CInstrument620Rs485FwTo12)},
    {1, 1, -1, &typeid(CInstrument620Rs485FwTo12)},
    {1, 2, 0, &typeid(CInstrument620ModemFwTo12)},
    {1, 2, 1, &typeid(CInstrument620ModemFw20)},
    {1, 3, 0, nullptr},
    {1, -1, 0, nullptr},
    {2, -1, 0, &typeid(CInstrument630FwTo16)},
    {2, -1, 1, &typeid(CInstrument630Fw20)},
    {2, 2, 1, &typeid(CInstrument630Fw20)},
    {2, 0, 2, nullptr},
    {2, 0, -1, nullptr},
    {3, 0, 5, nullptr},
    {5, 1, 0, nullptr},
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

struct CDescriptionCase {
    int nModel, nComm, nFirmware;
    const char* szDescription;
};

const CDescriptionCase kDescriptions[] = {
    {0, -1, -1, "Kelvo 610\r\n"},
    {1, 0, 0, "Model = Kelvo 620 RS-232\r\nFirmware = 1.8c or less\r\n"},
    {1, 0, 1, "Model = Kelvo 620 RS-232\r\nFirmware = 2.0 or higher\r\n"},
    {1, 1, 0, "Model = Kelvo 620 RS-485\r\nFirmware = 1.2 or less\r\n"},
    {1, 2, 0, "Model = Kelvo 620 MX\r\nFirmware = 1.2c or less\r\n"},
    {1, 2, 1, "Model = Kelvo 620 MX\r\nFirmware = 2.0 or higher\r\n"},
    {2, 0, 0, "Model = Kelvo 630 Moored Mode\r\nFirmware = 1.6b or less\r\n"},
    {2, 0, 1, "Model = Kelvo 630 Moored Mode\r\nFirmware = 2.0 or higher\r\n"},
};

TEST(Factory, VariantsCarryTheirDescriptions)
{
    for (const CDescriptionCase& c : kDescriptions)
        EXPECT_EQ(CreateVariant(c.nModel, c.nComm, c.nFirmware)->GetDescription(), c.szDescription);
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
