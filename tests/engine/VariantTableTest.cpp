#include "InstrumentFactory.h"
#include "Instruments700.h"
#include "StandardRecord.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <typeinfo>

namespace {

struct CVariantRow {
    int nModel, nComm, nFirmware;
    const std::type_info* pType;
    int nMinInterval, nMaxInterval;
    double dPolledDays, dAutonomousDays;   // at 600 s
};

// Every row of the catalogue: the class it builds, the interval limits the
// test-mode section prints, and the endurance of both set-ups, which runs
// every constant a calculation reads (currents, times, capacities, laws).
const CVariantRow kVariantRows[] = {
    {0, 0, 0, &typeid(CInstrument610), 15, 32767, 553.31716554267314, 260.76158940397352},
    {1, 0, 0, &typeid(CInstrument620Rs232FwTo18), 10, 14400, 1002.079317290823, 640.76484947111464},
    {1, 0, 1, &typeid(CInstrument620Rs232Fw20), 10, 14400, 984.48330792633351, 608.57805255023175},
    {1, 1, 0, &typeid(CInstrument620Rs485FwTo12), 10, 14400, 956.18773231703699, 563.7886597938143},
    {1, 2, 0, &typeid(CInstrument620ModemFwTo12), 10, 14400, 975.77579782621945, 548.39832869080783},
    {1, 2, 1, &typeid(CInstrument620ModemFw20), 10, 14400, 905.26399320810128, 492.80350438047554},
    {2, 0, 0, &typeid(CInstrument630FwTo16), 10, 14400, 802.2700976958954, 600.22865853658527},
    {2, 0, 1, &typeid(CInstrument630Fw20), 10, 14400, 799.64394973814751, 621.05678233438471},
    {3, 0, 0, &typeid(CInstrument700LxRs232FwTo16), 10, 14400, 1785.7142857142856, 2340.4255319148933},
    {3, 0, 1, &typeid(CInstrument700LxRs232Fw20), 5, 14400, 872.60034904013946, 1718.7500000000002},
    {3, 0, 2, &typeid(CInstrument700LxRs232Fw26), 10, 14400, 563.90129471737259, 2099.2366412213742},
    {3, 0, 3, &typeid(CInstrument700LxRs232Fw26Ext), 10, 14400, 626.40942119769466, 1229.7372833985469},
    {3, 0, 4, &typeid(CInstrument700LxRs232Fw30), 6, 14400, 2192.9824561403511, 5314.0096618357493},
    {3, 1, 0, &typeid(CInstrument700LxRs485FwTo13), 10, 14400, 1992.6352202260443, 2471.6601691963729},
    {3, 1, 1, &typeid(CInstrument700LxRs485Fw20), 10, 14400, 1664.4474034620503, 2208.8353413654618},
    {3, 1, 2, &typeid(CInstrument700LxRs485Fw30), 6, 14400, 2187.2265966754157, 4872.6467331118492},
    {3, 2, 0, &typeid(CInstrument700MxFwTo14), 10, 14400, 1125.1125112511249, 1704.1053446940355},
    {3, 2, 1, &typeid(CInstrument700MxFw20), 10, 14400, 1106.1946902654863, 1679.3893129770995},
    {3, 2, 2, &typeid(CInstrument700MxFw30), 6, 14400, 1154.2012927054479, 2247.1910112359556},
    {4, 0, 0, &typeid(CInstrument700LxpRs232FwPre26), 10, 14400, 429.1845493562231, 518.1159420289855},
    {4, 0, 1, &typeid(CInstrument700LxpRs232Fw26), 10, 14400, 245.8452158520995, 469.1601049868766},
    {4, 0, 2, &typeid(CInstrument700LxpRs232Fw26Ext), 10, 14400, 265.81605528973944, 331.47890588780712},
    {4, 0, 3, &typeid(CInstrument700LxpRs232Fw30), 6, 14400, 394.32176656151415, 474.45255474452563},
    {4, 0, 4, &typeid(CInstrument700LxpRs232Fw40), 6, 14400, 2240.143369175627, 2572.4575544503518},
    {4, 1, 0, &typeid(CInstrument700LxpRs485FwPre23), 10, 14400, 504.50692856181882, 808.03134182174335},
    {4, 1, 1, &typeid(CInstrument700LxpRs485Fw23), 10, 14400, 477.52451292499683, 768.5142058686539},
    {4, 1, 2, &typeid(CInstrument700LxpRs485Fw30), 6, 14400, 351.8318712764459, 637.89687333881022},
    {4, 2, 0, &typeid(CInstrument700MxpFw20), 10, 14400, 446.96066746126331, 480.40313549832035},
    {4, 2, 1, &typeid(CInstrument700MxpFw30), 6, 14400, 339.39723051859892, 399.55294775076834},
    {4, 2, 2, &typeid(CInstrument700MxpFw40), 6, 14400, 1810.8651911468814, 1942.1665947345705},
    {5, 0, 0, &typeid(CInstrument700LxpOxRs232), 10, 21600, 45.757213201179418, 284.40275802319394},
    {5, 2, 0, &typeid(CInstrument700MxpOxFw40), 10, 21600, 210.14631513661766, 208.19500213781876},
    {5, 2, 1, &typeid(CInstrument700MxpOxFw11), 10, 21600, 261.55953314004137, 273.13832949312348},
    {6, 0, 0, &typeid(CInstrument710Rs232FwPre20), 0, 14400, 624.99999999999989, 1309.5238095238096},
    {6, 0, 1, &typeid(CInstrument710Rs232Fw20), 0, 14400, 624.99999999999989, 1145.8333333333335},
    {6, 0, 2, &typeid(CInstrument710Rs232Fw31), 0, 14400, 624.99999999999989, 1145.8333333333335},
    {6, 2, 0, &typeid(CInstrument710ModemFwPre11), 10, 14400, 1647.1750947125677, 2976.1904761904757},
    {6, 2, 1, &typeid(CInstrument710ModemFw11), 10, 14400, 1647.1750947125677, 2976.1904761904757},
};

TEST(VariantTable, EveryTripleBuildsItsVariantWithItsLimitsAndEndurances)
{
    for (const CVariantRow& r : kVariantRows) {
        SCOPED_TRACE(r.pType->name());
        auto pPolled = CreateVariant(r.nModel, r.nComm, r.nFirmware);
        auto pAutonomous = CreateVariant(r.nModel, r.nComm, r.nFirmware);
        ASSERT_TRUE(pPolled && pAutonomous);
        EXPECT_EQ(typeid(*pPolled), *r.pType);
        EXPECT_EQ(pPolled->GetSampleIntervalRangeMsg(), "Sample interval must be between " +
                                                            std::to_string(r.nMinInterval) + " and " +
                                                            std::to_string(r.nMaxInterval) + " seconds.");
        // The two joule variants work out their minimum; at 20 C, 0 dbar and
        // Tau20 0 the pump waits 15 s.
        const bool bJoules = dynamic_cast<CInstrument700Ox*>(pPolled.get()) != nullptr;
        EXPECT_EQ(pPolled->GetMinSampleInterval(), bJoules ? 23 : r.nMinInterval);
        // Which deployment conditions the battery page asks for, and the one
        // pack the Kelvo 710 modem preselects.
        EXPECT_EQ(pPolled->AsksTemperature(), r.nModel <= 2 ? 1 : 0);
        EXPECT_EQ(pPolled->AsksPumpTimeParameters(), r.nModel == 5 ? 1 : 0);
        EXPECT_EQ(pPolled->GetBatteryIndex(), r.nModel == 6 && r.nComm == 2 ? 0 : -1);
        EnterStandardRecord(*pPolled, true);
        EnterStandardRecord(*pAutonomous, false);
        EXPECT_EQ(pPolled->CalculateEndurance(600), r.dPolledDays);
        EXPECT_EQ(pAutonomous->CalculateEndurance(600), r.dAutonomousDays);
    }
}

struct CSensorReaction {
    int nModel, nComm, nFirmware;
    int nSensor;
    int nNCycles;
    int bEven;
    double dBaseTime;
};

// Two variants reset NCycles (and one its base time) when the sensor is
// chosen; the others keep what was entered (37).
const CSensorReaction kReactions[] = {
    {1, 2, 0, 2, 2, 1, 2.2},   // 620 modem, Digiquartz: even NCycles
    {1, 2, 0, 1, 1, 0, 2.2},
    {2, 0, 1, 1, 2, 1, 2.45},  // 630, Digiquartz: shorter base time, NCycles 2
    {2, 0, 1, 0, 1, 0, 2.5},
    {1, 0, 1, 2, 37, 0, 2.2},
    {2, 0, 0, 0, 37, 0, 2.5},
    {3, 0, 1, 1, 37, 0, 1.8},
};

TEST(VariantTable, ChoosingThePressureSensorResetsTimingWhereTheVariantNeedsIt)
{
    for (const CSensorReaction& r : kReactions) {
        auto p = CreateVariant(r.nModel, r.nComm, r.nFirmware);
        SCOPED_TRACE(p->GetDescription() + std::to_string(r.nSensor));
        p->SetPressureSensorIndex(3 - r.nSensor);   // a different choice first
        p->m_nNCycles = 37;
        p->SetPressureSensorIndex(r.nSensor);
        EXPECT_EQ(p->GetPressureSensorIndex(), r.nSensor);
        EXPECT_EQ(p->m_nNCycles, r.nNCycles);
        EXPECT_EQ(p->MustNCyclesBeEven(), r.bEven);
        EXPECT_EQ(p->m_dBaseSamplingTime, r.dBaseTime);
    }
}

}  // namespace
