#include "ConsumerPalette.h"
#include "InstrumentFactory.h"
#include "Instruments700.h"
#include "Variants600.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <typeinfo>

namespace {

// One record entered the same way on every variant, in two set-ups that take
// opposite branches: polled with the second pressure sensor, the second
// battery, a pump in mode 2 and real time on; or autonomous with the first
// sensor, the first battery, the first pump in mode 1 and real time off.
void EnterStandardRecord(CInstrument& k, bool bPolled)
{
    k.m_nNCycles = 2;
    k.SetPressureSensorIndex(bPolled ? std::min(1, k.GetPressureSensorCount() - 1) : 0);
    k.m_nSamplingType = bPolled ? 1 : 0;
    k.m_nSamplingMode = bPolled ? 2 : 0;
    k.m_bTransmitRealTime = k.m_bReceiveLineValid = bPolled ? 1 : 0;
    k.m_nInstrumentsQueried = 3;
    k.m_nCommsPerHour = 4;
    k.m_nPumpIndex = bPolled ? 1 : 0;
    k.m_nPumpMode = bPolled ? 2 : 1;
    k.m_aAuxSensors.Set(0, "Kelvo 810", 0.015, 1);
    k.m_nAuxSensorCount = 1;
    k.m_nBatteryIndex = (bPolled && k.GetBatteryCount() > 1) ? 1 : 0;
    k.m_dDeploymentTemperature = 10.0;
    k.m_dDeploymentPressure = 1000.0;
    k.m_dTau20 = 3.0;
    k.m_dSamplingDelay = 1.5;
}

struct CVariantRow {
    int nModel, nComm, nFirmware;
    const std::type_info* pType;
    int nMinInterval, nMaxInterval;
    double dPolledDays, dAutonomousDays;   // at 600 s
    const char* szPolledParts;             // the consumers charged, a letter each
    const char* szAutonomousParts;
};

// Every row of the catalogue: the class it builds, the interval limits the
// test-mode section prints, and the endurance of both set-ups of the standard
// record, which runs every constant a calculation reads (currents, times,
// capacities, laws), with the consumers its breakdown lists, in the order the
// chart shows them: Sampling, Pump, Auxiliary sensors, Quiescent current,
// Communications, self-Discharge, oxygen Wait, Idle, polled Listening.
// Pump "none" (index 0 of the Kelvo 610/620 lists) and the alkaline pack leave
// out the pump and self-discharge; the Kelvo 620 RS-232 variants talk for 0 s,
// so they never charge queries; the MXP OX firmware 4.0 charges no sampling
// when polled; a polled Kelvo 710 RS-232 counts its sleep current twice, as
// one consumer.
const CVariantRow kVariantRows[] = {
    {0, 0, 0, &typeid(CInstrument610), 15, 32767, 553.3171655426731, 260.7615894039735, "SPAQD", "SAQ"},
    {1, 0, 0, &typeid(CInstrument620Rs232FwTo18), 10, 14400, 1002.079317290823, 640.7648494711146, "SPAQD", "SAQ"},
    {1, 0, 1, &typeid(CInstrument620Rs232Fw20), 10, 14400, 984.4833079263335, 608.5780525502317, "SPAQD", "SAQ"},
    {1, 1, 0, &typeid(CInstrument620Rs485FwTo12), 10, 14400, 956.187732317037, 563.7886597938143, "SPAQCD", "SAQC"},
    {1, 2, 0, &typeid(CInstrument620ModemFwTo12), 10, 14400, 975.7757978262194, 548.3983286908078, "SPAQCD", "SAQC"},
    {1, 2, 1, &typeid(CInstrument620ModemFw20), 10, 14400, 905.2639932081013, 492.80350438047554, "SPAQCD", "SAQC"},
    {2, 0, 0, &typeid(CInstrument630FwTo16), 10, 14400, 802.2700976958954, 600.2286585365853, "SPAQD", "SPAQ"},
    {2, 0, 1, &typeid(CInstrument630Fw20), 10, 14400, 799.6439497381475, 621.0567823343847, "SPAQD", "SPAQ"},
    {3, 0, 0, &typeid(CInstrument700LxRs232FwTo16), 10, 14400, 1785.7142857142856, 2340.4255319148933, "SQ", "SQ"},
    {3, 0, 1, &typeid(CInstrument700LxRs232Fw20), 5, 14400, 872.6003490401395, 1718.7500000000002, "SQ", "SQ"},
    {3, 0, 2, &typeid(CInstrument700LxRs232Fw26), 10, 14400, 563.9012947173726, 2099.236641221374, "SQ", "SQ"},
    {3, 0, 3, &typeid(CInstrument700LxRs232Fw26Ext), 10, 14400, 626.4094211976947, 1229.7372833985469, "SQ", "SQ"},
    {3, 0, 4, &typeid(CInstrument700LxRs232Fw30), 6, 14400, 2192.982456140351, 5314.009661835749, "SQ", "SQ"},
    {3, 1, 0, &typeid(CInstrument700LxRs485FwTo13), 10, 14400, 1992.6352202260443, 2471.660169196373, "SCQ", "SCQ"},
    {3, 1, 1, &typeid(CInstrument700LxRs485Fw20), 10, 14400, 1664.4474034620503, 2208.8353413654618, "SCQ", "SCQ"},
    {3, 1, 2, &typeid(CInstrument700LxRs485Fw30), 6, 14400, 2187.2265966754157, 4872.646733111849, "SCQ", "SCQ"},
    {3, 2, 0, &typeid(CInstrument700MxFwTo14), 10, 14400, 1125.112511251125, 1704.1053446940355, "SCQ", "SCQ"},
    {3, 2, 1, &typeid(CInstrument700MxFw20), 10, 14400, 1106.1946902654863, 1679.3893129770995, "SCQ", "SCQ"},
    {3, 2, 2, &typeid(CInstrument700MxFw30), 6, 14400, 1154.201292705448, 2247.1910112359556, "SCQ", "SCQ"},
    {4, 0, 0, &typeid(CInstrument700LxpRs232FwPre26), 10, 14400, 429.1845493562231, 518.1159420289855, "SPQ", "SPQ"},
    {4, 0, 1, &typeid(CInstrument700LxpRs232Fw26), 10, 14400, 245.8452158520995, 469.1601049868766, "SPQ", "SPQ"},
    {4, 0, 2, &typeid(CInstrument700LxpRs232Fw26Ext), 10, 14400, 265.81605528973944, 331.4789058878071, "SPQ", "SPQ"},
    {4, 0, 3, &typeid(CInstrument700LxpRs232Fw30), 6, 14400, 394.32176656151415, 474.4525547445256, "SPQ", "SPQ"},
    {4, 0, 4, &typeid(CInstrument700LxpRs232Fw40), 6, 14400, 2240.143369175627, 2572.457554450352, "SPQ", "SPQ"},
    {4, 1, 0, &typeid(CInstrument700LxpRs485FwPre23), 10, 14400, 504.5069285618188, 808.0313418217434, "SPCQ", "SPCQ"},
    {4, 1, 1, &typeid(CInstrument700LxpRs485Fw23), 10, 14400, 477.5245129249968, 768.5142058686539, "SPCQ", "SPCQ"},
    {4, 1, 2, &typeid(CInstrument700LxpRs485Fw30), 6, 14400, 351.8318712764459, 637.8968733388102, "SPCQ", "SPCQ"},
    {4, 2, 0, &typeid(CInstrument700MxpFw20), 10, 14400, 446.9606674612633, 480.40313549832035, "SPCQ", "SPCQ"},
    {4, 2, 1, &typeid(CInstrument700MxpFw30), 6, 14400, 339.3972305185989, 399.55294775076834, "SPCQ", "SPCQ"},
    {4, 2, 2, &typeid(CInstrument700MxpFw40), 6, 14400, 1810.8651911468814, 1942.1665947345705, "SPCQ", "SPCQ"},
    {5, 0, 0, &typeid(CInstrument700LxpOxRs232), 10, 21600, 45.75721320117942, 284.40275802319394, "SPWI", "SPWI"},
    {5, 2, 0, &typeid(CInstrument700MxpOxFw40), 10, 21600, 210.14631513661766, 208.19500213781876, "PCQ", "SPCQ"},
    {5, 2, 1, &typeid(CInstrument700MxpOxFw11), 10, 21600, 261.55953314004137, 273.1383294931235, "SPWIC", "SPWIC"},
    {6, 0, 0, &typeid(CInstrument710Rs232FwPre20), 0, 14400, 624.9999999999999, 1309.5238095238096, "Q", "SQ"},
    {6, 0, 1, &typeid(CInstrument710Rs232Fw20), 0, 14400, 624.9999999999999, 1145.8333333333335, "Q", "SQ"},
    {6, 0, 2, &typeid(CInstrument710Rs232Fw31), 0, 14400, 624.9999999999999, 1145.8333333333335, "Q", "SQ"},
    {6, 2, 0, &typeid(CInstrument710ModemFwPre11), 10, 14400, 1647.1750947125677, 2976.1904761904757, "QSCL", "QSC"},
    {6, 2, 1, &typeid(CInstrument710ModemFw11), 10, 14400, 1647.1750947125677, 2976.1904761904757, "QSCL", "QSC"},
};

// The consumers a breakdown lists, as the letters of the table: one letter
// per consumer kind of the palette, in its order; '?' for a consumer the
// palette has no colour for.
std::string Letters(const CEnduranceBreakdown& breakdown)
{
    const std::string kLetters = "SPAQCDWILK";
    EXPECT_EQ(ConsumerPalette().size(), kLetters.size());
    std::string strLetters;
    for (const CEndurancePart& part : breakdown.Parts()) {
        const auto& aPalette = ConsumerPalette();
        const auto it = std::find_if(aPalette.begin(), aPalette.end(),
                                     [&](const CConsumerColour& colour) { return part.m_strName == colour.szConsumer; });
        strLetters += it == aPalette.end() ? '?' : kLetters.at(static_cast<std::size_t>(it - aPalette.begin()));
    }
    return strLetters;
}

// One colour per consumer kind on each background, "#rrggbb", no two alike.
TEST(ConsumerPalette, GivesEveryConsumerKindAColourOfItsOwn)
{
    for (const bool bDark : {false, true}) {
        std::set<std::string> aColours;
        for (const CConsumerColour& colour : ConsumerPalette()) {
            const std::string strColour = bDark ? colour.szDark : colour.szLight;
            EXPECT_TRUE(strColour.size() == 7 && strColour[0] == '#'
                        && strColour.find_first_not_of("0123456789abcdef", 1) == std::string::npos)
                << colour.szConsumer;
            EXPECT_TRUE(aColours.insert(strColour).second) << colour.szConsumer;
            EXPECT_EQ(ConsumerColour(colour.szConsumer, bDark), strColour);
        }
    }
    EXPECT_EQ(ConsumerColour("Anything else"), nullptr);
}

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
        EXPECT_EQ(Letters(pPolled->CalculateBreakdown(600)), r.szPolledParts);
        EXPECT_EQ(Letters(pAutonomous->CalculateBreakdown(600)), r.szAutonomousParts);
        // The breakdown is the calculation's own sum: its parts, each above
        // zero, divided into the capacity give the endurance the calculation
        // returns, at any temperature and interval.
        for (CInstrument* k : {pPolled.get(), pAutonomous.get()}) {
            for (double dTemperature : {-5.0, 0.0, 12.5, 40.0}) {
                k->SetDeploymentTemperature(dTemperature);
                for (int nInterval : {std::max(1, k->GetMinSampleInterval()), 17, 600, 3600, 14400}) {
                    const CEnduranceBreakdown breakdown = k->CalculateBreakdown(nInterval);
                    EXPECT_STREQ(breakdown.UnitName(), bJoules ? "Wh" : "Ah");
                    EXPECT_EQ(breakdown.m_dDays, k->CalculateEndurance(nInterval));
                    for (const CEndurancePart& part : breakdown.Parts())
                        EXPECT_GT(part.m_dPerDay, 0.0) << part.m_strName;
                    const double dDays = breakdown.Capacity() / breakdown.TotalPerDay();
                    EXPECT_NEAR(dDays, breakdown.m_dDays, 1e-9 * breakdown.m_dDays);
                }
            }
        }
    }
}

// Two variants reset NCycles (and one its base time) when the sensor is
// chosen; the others keep what was entered (37).
TEST(VariantTable, ChoosingThePressureSensorResetsTimingWhereTheVariantNeedsIt)
{
    const struct {
        int nModel, nComm, nFirmware;
        int nSensor;
        int nNCycles;
        int bEven;
        double dBaseTime;
    } kReactions[] = {
        {1, 2, 0, 2, 2, 1, 2.2},   // 620 modem, Digiquartz: even NCycles
        {1, 2, 0, 1, 1, 0, 2.2},
        {2, 0, 1, 1, 2, 1, 2.45},  // 630, Digiquartz: shorter base time, NCycles 2
        {2, 0, 1, 0, 1, 0, 2.5},
        {1, 0, 1, 2, 37, 0, 2.2},   // their siblings keep it
        {2, 0, 0, 0, 37, 0, 2.5},
    };
    for (const auto& r : kReactions) {
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

// The capacity in amp-hours or watt-hours, a consumer no standard record
// has, and one too small to count.
TEST(EnduranceBreakdown, CapacitiesAndContinuousSampling)
{
    // Kelvo 610, alkaline at 20 C: the derated 12.2 Ah.
    auto k610 = CreateVariant(0, -1, -1);
    EnterStandardRecord(*k610, false);
    k610->m_nAuxSensorCount = 0;
    k610->SetDeploymentTemperature(20.0);
    EXPECT_DOUBLE_EQ(k610->CalculateBreakdown(900).Capacity(), 12.2);

    // The joule variants budget the pack's 257040 J: 71.4 Wh.
    auto kOx = CreateVariant(5, 0, 0);
    EnterStandardRecord(*kOx, false);
    EXPECT_DOUBLE_EQ(kOx->CalculateBreakdown(600).Capacity(), 71.4);

    // Continuous sampling on the Kelvo 710 RS-232: a steady 0.015 A, 0.36 Ah a day.
    auto k710 = CreateVariant(6, 0, 1);
    EnterStandardRecord(*k710, false);
    k710->m_nSamplingMode = 1;
    const CEnduranceBreakdown b710 = k710->CalculateBreakdown(0);
    ASSERT_EQ(b710.Parts().size(), 1u);
    EXPECT_EQ(b710.Parts()[0].m_strName, BreakdownPart::kContinuous);
    EXPECT_DOUBLE_EQ(b710.Parts()[0].m_dPerDay, 0.36);
    EXPECT_DOUBLE_EQ(b710.Capacity() / b710.TotalPerDay(), b710.m_dDays);

    // A term that comes to nothing per day (a typed current of 1e-320 A) is
    // no consumer, though it is not quite nothing per hour.
    CEnduranceBreakdown tiny;
    tiny.Begin(EBudgetUnit::Charge, 3600.0);
    tiny.Add(BreakdownPart::kAuxSensors, 1e-322);
    EXPECT_TRUE(tiny.Parts().empty());
}

}  // namespace
