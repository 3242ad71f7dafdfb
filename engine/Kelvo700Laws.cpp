#include "Kelvo700Laws.h"

#include "Diagnostics.h"
#include "Kelvo710Laws.h"
#include "OxygenBudgets.h"

namespace {

using V = EKelvoVariant;

// What scales the awake time of one sample.
enum class ECount { None, NAvg, NAvgLessOne, NCycles };

// The current drawn while awake.
enum class ECurrent {
    PressureSensor,    // the chosen pressure sensor's entry
    PolledHigh,        // 0.039 A polled, 0.02 A otherwise
    RealTime,          // 0.015 A transmitting in real time, 0.013 A otherwise
    PositiveInterval,  // 0.015 A for any positive interval, 0.013 A otherwise
};

// Where the pump's charge per sample enters the hourly budget.
enum class EPump {
    None,
    InSample,           // (t*I + pump) * R
    PerSampleAndOnce,   // (R + 1) * pump
    PerSample,          // pump * R
};

// t = slope * count + intercept (the intercept alone when nothing scales it).
struct CAwakeTime {
    double dSlope;
    double dIntercept;
};

// A charge budget: awake times for "none" | "Strain gauge", autonomous and
// otherwise (polled only, where serial sync counts as autonomous).
struct CChargeBudget {
    ECount eCount;
    CAwakeTime aAutonomous[2];
    CAwakeTime aOther[2];
    bool bSerialSyncAsAutonomous;
    ECurrent eCurrent;
    EPump ePump;
    double dPumpCharge;
    bool bQueried;
};

constexpr bool kSerialSyncAutonomous = true;
constexpr bool kQueried = true;

constexpr CAwakeTime Fixed(double dSeconds) { return {0.0, dSeconds}; }

constexpr CChargeBudget kMxFwTo14Law = {ECount::None, {Fixed(2.2), Fixed(2.7)}, {Fixed(1.2), Fixed(1.6)}, false, ECurrent::PressureSensor, EPump::None, 0.0, kQueried};

struct CKelvoLaw {
    EKelvoVariant eVariant;
    double (*pfnOwnLaw)(CInstrument&, int);  // null: the charge budget below
    CChargeBudget budget;
};

double MxpFw40Law(CInstrument& rInstrument, int nSampleInterval);
double LxpRs232Fw40Law(CInstrument& rInstrument, int nSampleInterval);

constexpr CKelvoLaw kLaws[kKelvoVariantCount] = {
    {V::CInstrument700MxFwTo14, nullptr, kMxFwTo14Law},
    {V::CInstrument700MxFw20, nullptr, kMxFwTo14Law},
    {V::CInstrument700MxFw30, nullptr, {ECount::None, {Fixed(1.8), Fixed(2.4)}, {Fixed(2.0), Fixed(2.6)}, false, ECurrent::PressureSensor, EPump::None, 0.0, kQueried}},
    {V::CInstrument700MxpFw20, nullptr, {ECount::None, {Fixed(2.7), Fixed(3.2)}, {Fixed(1.7), Fixed(2.1)}, false, ECurrent::PressureSensor, EPump::PerSampleAndOnce, 0.13, kQueried}},
    {V::CInstrument700MxpFw30, nullptr, {ECount::None, {Fixed(1.8), Fixed(2.4)}, {Fixed(2.0), Fixed(2.6)}, false, ECurrent::PressureSensor, EPump::PerSample, 0.26, kQueried}},
    {V::CInstrument700MxpFw40, MxpFw40Law, {}},
    {V::CInstrument700LxRs232FwTo16, nullptr, {ECount::None, {Fixed(2.2), Fixed(2.7)}, {Fixed(1.2), Fixed(1.6)}, false, ECurrent::PressureSensor, EPump::None, 0.0, false}},
    {V::CInstrument700LxRs232Fw20, nullptr, {ECount::NAvg, {{0.86, 1.44}, {1.26, 1.55}}, {{0.86, 0.35}, {1.26, 0.45}}, kSerialSyncAutonomous, ECurrent::PressureSensor, EPump::None, 0.0, false}},
    {V::CInstrument700LxRs232Fw26Ext, nullptr, {ECount::NAvgLessOne, {{0.87, 2.33}, {1.27, 2.83}}, {{0.87, 1.22}, {1.27, 1.72}}, kSerialSyncAutonomous, ECurrent::PressureSensor, EPump::None, 0.0, false}},
    {V::CInstrument700LxRs232Fw26, nullptr, {ECount::NAvgLessOne, {{0.87, 2.33}, {1.27, 2.83}}, {{0.87, 1.22}, {1.27, 1.72}}, kSerialSyncAutonomous, ECurrent::PolledHigh, EPump::None, 0.0, false}},
    {V::CInstrument700LxRs232Fw30, nullptr, {ECount::None, {Fixed(1.8), Fixed(2.4)}, {Fixed(2.0), Fixed(2.6)}, false, ECurrent::RealTime, EPump::None, 0.0, false}},
    {V::CInstrument700LxRs485FwTo13, nullptr, {ECount::NCycles, {{0.1337, 1.73}, {0.1667, 2.0}}, {{0.1333, 0.67}, {0.1683, 0.91}}, false, ECurrent::PressureSensor, EPump::None, 0.0, kQueried}},
    {V::CInstrument700LxRs485Fw20, nullptr, {ECount::None, {Fixed(2.3), Fixed(2.8)}, {Fixed(1.2), Fixed(1.6)}, false, ECurrent::PressureSensor, EPump::None, 0.0, kQueried}},
    {V::CInstrument700LxRs485Fw30, nullptr, {ECount::None, {Fixed(1.8), Fixed(2.4)}, {Fixed(2.0), Fixed(2.6)}, false, ECurrent::PositiveInterval, EPump::None, 0.0, kQueried}},
    {V::CInstrument700LxpRs232FwPre26, nullptr, {ECount::NAvg, {{0.86, 1.44}, {1.26, 1.55}}, {{0.86, 0.35}, {1.26, 0.45}}, kSerialSyncAutonomous, ECurrent::PressureSensor, EPump::InSample, 0.148, false}},
    {V::CInstrument700LxpRs232Fw26Ext, nullptr, {ECount::NAvgLessOne, {{1.87, 2.83}, {2.27, 3.33}}, {{1.87, 2.24}, {2.27, 2.74}}, kSerialSyncAutonomous, ECurrent::PressureSensor, EPump::InSample, 0.13, false}},
    {V::CInstrument700LxpRs232Fw26, nullptr, {ECount::NAvgLessOne, {{1.87, 2.83}, {2.27, 3.33}}, {{1.87, 2.24}, {2.27, 2.74}}, kSerialSyncAutonomous, ECurrent::PolledHigh, EPump::InSample, 0.13, false}},
    {V::CInstrument700LxpRs232Fw30, nullptr, {ECount::None, {Fixed(1.8), Fixed(2.4)}, {Fixed(2.0), Fixed(2.6)}, false, ECurrent::RealTime, EPump::InSample, 0.26, false}},
    {V::CInstrument700LxpRs232Fw40, LxpRs232Fw40Law, {}},
    {V::CInstrument700LxpRs485FwPre23, nullptr, {ECount::None, {Fixed(2.3), Fixed(2.8)}, {Fixed(1.2), Fixed(1.6)}, false, ECurrent::PressureSensor, EPump::PerSampleAndOnce, 0.148, kQueried}},
    {V::CInstrument700LxpRs485Fw23, nullptr, {ECount::None, {Fixed(3.3), Fixed(3.8)}, {Fixed(2.2), Fixed(2.6)}, false, ECurrent::PressureSensor, EPump::PerSampleAndOnce, 0.13, kQueried}},
    {V::CInstrument700LxpRs485Fw30, nullptr, {ECount::None, {Fixed(1.8), Fixed(2.4)}, {Fixed(2.0), Fixed(2.6)}, false, ECurrent::PressureSensor, EPump::PerSampleAndOnce, 0.26, kQueried}},
    {V::CInstrument700MxpOxFw40, OxygenAmpSecondEndurance, {}},
    {V::CInstrument700MxpOxFw11, MxpOxFw11Endurance, {}},
    {V::CInstrument700LxpOxRs232, LxpOxRs232Endurance, {}},
    {V::CInstrument710ModemFwPre11, Kelvo710ModemEndurance, {}},
    {V::CInstrument710ModemFw11, Kelvo710ModemEndurance, {}},
    {V::CInstrument710Rs232FwPre20, Kelvo710Rs232FwPre20Endurance, {}},
    {V::CInstrument710Rs232Fw20, Kelvo710Rs232Fw20Endurance, {}},
    {V::CInstrument710Rs232Fw31, Kelvo710Rs232Fw20Endurance, {}},
};
static_assert(RowsInVariantOrder(kLaws), "kLaws: a row is out of place");

// "none" is the first choice of every pair; any other sensor the second.
int SensorColumn(const CInstrument& rInstrument)
{
    return rInstrument.m_nPressureSensorIndex == 0 ? 0 : 1;
}

double AwakeTime(const CChargeBudget& law, const CInstrument& rInstrument)
{
    const int nType = rInstrument.m_nSamplingType;
    const bool bAutonomous = nType == SamplingType::kAutonomous || (law.bSerialSyncAsAutonomous && nType != SamplingType::kPolled);
    const CAwakeTime& awake = (bAutonomous ? law.aAutonomous : law.aOther)[SensorColumn(rInstrument)];
    switch (law.eCount) {
    case ECount::NAvg:
        return awake.dSlope * static_cast<double>(rInstrument.m_nNAvg) + awake.dIntercept;
    case ECount::NAvgLessOne:
        return awake.dSlope * (static_cast<double>(rInstrument.m_nNAvg) - 1.0) + awake.dIntercept;
    case ECount::NCycles:
        return awake.dSlope * static_cast<double>(rInstrument.m_nNCycles) + awake.dIntercept;
    case ECount::None:
        break;
    }
    return awake.dIntercept;
}

double AwakeCurrent(const CChargeBudget& law, const CInstrument& rInstrument, int nSampleInterval)
{
    switch (law.eCurrent) {
    case ECurrent::PolledHigh:
        return rInstrument.m_nSamplingType == SamplingType::kPolled ? 0.039 : 0.02;
    case ECurrent::RealTime:
        return rInstrument.m_bTransmitRealTime ? 0.015 : 0.013;
    case ECurrent::PositiveInterval:
        return nSampleInterval > 0 ? 0.015 : 0.013;
    case ECurrent::PressureSensor:
        break;
    }
    return rInstrument.m_aPressureSensors.ValueAt(rInstrument.m_nPressureSensorIndex);
}

// The terms as the law writes them, the quiescent charge last.
double ChargeBudgetEndurance(const CChargeBudget& law, const CInstrument& rInstrument, int nSampleInterval)
{
    const double dCapacity = ChargeCapacity(rInstrument);
    const double dRate = SamplesPerHour(nSampleInterval);
    const double dAwake = AwakeTime(law, rInstrument);
    const double dCurrent = AwakeCurrent(law, rInstrument, nSampleInterval);

    rInstrument.RecordBudget(EBudgetUnit::Charge, dCapacity);
    const double dSampleCharge = dAwake * dCurrent;
    rInstrument.RecordTerm(BreakdownPart::kSampling, dSampleCharge * dRate);
    double dSum = 0.0;
    switch (law.ePump) {
    case EPump::InSample:
        dSum = (dSampleCharge + law.dPumpCharge) * dRate;
        rInstrument.RecordTerm(BreakdownPart::kPump, law.dPumpCharge * dRate);
        break;
    case EPump::PerSampleAndOnce:
        dSum = dSampleCharge * dRate + (dRate + 1.0) * law.dPumpCharge;
        rInstrument.RecordTerm(BreakdownPart::kPump, (dRate + 1.0) * law.dPumpCharge);
        break;
    case EPump::PerSample:
        dSum = dSampleCharge * dRate + law.dPumpCharge * dRate;
        rInstrument.RecordTerm(BreakdownPart::kPump, law.dPumpCharge * dRate);
        break;
    case EPump::None:
        dSum = dSampleCharge * dRate;
        break;
    }
    if (law.bQueried) {
        const double dCommunication = CommunicationPerHour(rInstrument);
        rInstrument.RecordTerm(BreakdownPart::kCommunications, dCommunication);
        dSum = dSum + dCommunication;
    }
    const double dQuiescent = QuiescentPerHour(rInstrument);
    rInstrument.RecordTerm(BreakdownPart::kQuiescent, dQuiescent);
    dSum = dSum + dQuiescent;
    return dCapacity / dSum * kDaysPerHour;
}

double MxpFw40Law(CInstrument& rInstrument, int nSampleInterval)
{
    const double dRate = SamplesPerHour(nSampleInterval);
    const double dAwake = rInstrument.m_nPressureSensorIndex == 0 ? 1.9 : 2.6;
    const double dSampling = dRate * dAwake * 0.008;
    const double dPump = dRate * 0.0253;
    const double dCommunication =
        (0.005 + 0.0003 * (static_cast<double>(rInstrument.m_nInstrumentsQueried) - 1.0)) *
        static_cast<double>(rInstrument.m_nCommsPerHour);
    const double dQuiescent = QuiescentPerHour(rInstrument);
    Diagnostics::Trace("dSamplingAmpSec", dSampling);
    Diagnostics::Trace("dPumpAmpSec", dPump);
    Diagnostics::Trace("dCommunicationAmpSec", dCommunication);
    Diagnostics::Trace("dQuiescentAmpSecHour", dQuiescent);
    const double dCapacity = ChargeCapacity(rInstrument);
    RecordChargeTerms(rInstrument, dCapacity, {{BreakdownPart::kSampling, dSampling}, {BreakdownPart::kPump, dPump},
                                               {BreakdownPart::kCommunications, dCommunication},
                                               {BreakdownPart::kQuiescent, dQuiescent}});
    return dCapacity / (dQuiescent + dCommunication + dPump + dSampling) * kDaysPerHour;
}

// Charge of one sample, amp-seconds: autonomous or serial sync with and
// without real-time transmission, then polled; "none" first, then any other.
const double kLxpRs232Fw40SampleCharge[2][3] = {
    {0.02002, 0.01501, 0.01729},
    {0.02639, 0.02054, 0.02366},
};

double LxpRs232Fw40Law(CInstrument& rInstrument, int nSampleInterval)
{
    const double dRate = SamplesPerHour(nSampleInterval);
    const double* aCharge = kLxpRs232Fw40SampleCharge[SensorColumn(rInstrument)];
    const int nType = rInstrument.m_nSamplingType;
    double dSampling = 0.0;
    if (nType == SamplingType::kAutonomous || nType == SamplingType::kSerialSync)
        dSampling = aCharge[rInstrument.m_bTransmitRealTime ? 0 : 1] * dRate;
    else if (nType == SamplingType::kPolled)
        dSampling = aCharge[2] * dRate;
    const double dQuiescent = QuiescentPerHour(rInstrument);
    const double dPump = dRate * 0.0253;
    Diagnostics::Trace("dSamplingAmpSecHour", dSampling);
    Diagnostics::Trace("dSamplesPerHour", dRate);
    Diagnostics::Trace("dQuiescentAmpSecHour", dQuiescent);
    Diagnostics::Trace("dPumpAmpSecHour", dPump);
    // The single 6.0 Ah pack, whatever entry is chosen.
    const double dCapacity = 21600.0;
    RecordChargeTerms(rInstrument, dCapacity, {{BreakdownPart::kSampling, dSampling}, {BreakdownPart::kPump, dPump},
                                               {BreakdownPart::kQuiescent, dQuiescent}});
    return dCapacity / (dPump + dQuiescent + dSampling) * kDaysPerHour;
}

}  // namespace

double ChargeCapacity(const CInstrument& rInstrument)
{
    return rInstrument.m_aBatteries.ValueAt(rInstrument.m_nBatteryIndex) * 3600.0;
}

double SamplesPerHour(int nSampleInterval) { return 3600.0 / static_cast<double>(nSampleInterval); }

double QuiescentPerHour(const CInstrument& rInstrument) { return rInstrument.m_dQuiescentCurrent * 3600.0; }

double CommunicationPerHour(const CInstrument& rInstrument)
{
    return static_cast<double>(rInstrument.m_nCommsPerHour) *
           static_cast<double>(rInstrument.m_nInstrumentsQueried) * rInstrument.m_dCommTime *
           rInstrument.m_dCommCurrent;
}

void RecordChargeTerms(const CInstrument& rInstrument, double dCapacity, std::initializer_list<CBudgetTerm> aTerms)
{
    rInstrument.RecordBudget(EBudgetUnit::Charge, dCapacity);
    for (const CBudgetTerm& term : aTerms)
        rInstrument.RecordTerm(term.szName, term.dPerHour);
}

double KelvoEndurance(EKelvoVariant eVariant, CInstrument& rInstrument, int nSampleInterval)
{
    const CKelvoLaw& law = kLaws[static_cast<int>(eVariant)];
    if (law.pfnOwnLaw != nullptr)
        return law.pfnOwnLaw(rInstrument, nSampleInterval);
    return ChargeBudgetEndurance(law.budget, rInstrument, nSampleInterval);
}
