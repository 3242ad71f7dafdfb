#include "OxygenBudgets.h"

#include "Diagnostics.h"
#include "Kelvo700Laws.h"
#include "OxygenPump.h"

#include <algorithm>
#include <cmath>

namespace {

// Energy of the single 6.0 Ah pack of the joule variants (6.0 x 42840 J/Ah).
constexpr double kPackJoules = 257040.0;
// The pump draws 0.12 W while on; it always waits at least 15 s for the sensor.
constexpr double kPumpPower = 0.12;
constexpr double kMinPumpWait = 15.0;

// The powers (W) and sampling time (s) of one joule variant's budget.
struct CJouleTerms {
    double dSamplingPower;
    double dSamplingTime;
    double dWaitingPower;
    double dIdlePower;
};

// MXP OX firmware 1.1, by pressure sensor; its only one is "Strain gauge":
// sampling and waiting power, sampling time autonomous and otherwise.
struct CMxpOxFw11Row {
    double dSamplingPower;
    double dWaitingPower;
    double dAutonomousTime;
    double dOtherTime;
};
const CMxpOxFw11Row kMxpOxFw11Sampling = {0.17, 0.016, 2.8, 3.8};

double MxpOxFw11SamplingTime(const CInstrument& rInstrument)
{
    return rInstrument.m_nSamplingType == SamplingType::kAutonomous ? kMxpOxFw11Sampling.dAutonomousTime
                                            : kMxpOxFw11Sampling.dOtherTime;
}

double PumpTime(const CInstrument& rInstrument)
{
    return CalcPumpTime(rInstrument.m_dDeploymentTemperature, rInstrument.m_dDeploymentPressure,
                        rInstrument.m_dTau20);
}

// How one joule variant traces its way and what it adds to the energy.
struct CJouleBudget {
    CJouleTerms terms;
    bool bTraceWaitBeforeRaise;  // trace the pump time before it is raised to 15 s
    const char* szAdjustLine;
    double dCommunication;       // joules per hour
};

double JouleEndurance(CInstrument& rInstrument, int nSampleInterval, const CJouleBudget& budget)
{
    const CJouleTerms& t = budget.terms;
    const double dPump = PumpTime(rInstrument);
    Diagnostics::Trace("dDeploymentTau", rInstrument.m_dTau20);
    const double dWait = std::max(dPump, kMinPumpWait);
    Diagnostics::Trace("pumpTimeSampleWaiting", budget.bTraceWaitBeforeRaise ? dPump : dWait);
    const double dOn = dWait + t.dSamplingTime;
    Diagnostics::Trace("pumpOnTimePerSample", dOn);

    double dInterval = static_cast<double>(nSampleInterval);
    if (dOn + 3.0 > dInterval) {
        Diagnostics::Trace("dSampleInterval", dInterval);
        dInterval = std::ceil(dOn + 5.0);
        Diagnostics::Write(budget.szAdjustLine);
        Diagnostics::Trace("dSampleInterval", dInterval);
        rInstrument.m_strCalcNote = FormatMinIntervalNote(dInterval);
    }
    const double dRate = 3600.0 / dInterval;
    const double dSampling = dRate * t.dSamplingTime * t.dSamplingPower;
    Diagnostics::Trace("samplingJoulesPerHour", dSampling);
    const double dOff = dInterval - dOn;
    Diagnostics::Trace("pumpOffTimePerSample", dOff);
    const double dPumpEnergy = dRate * dOn * kPumpPower;
    Diagnostics::Trace("pumpJoulesPerHour", dPumpEnergy);
    const double dWaiting = dRate * dWait * t.dWaitingPower;
    Diagnostics::Trace("sampleWaitingJoulsPerHour", dWaiting);
    const double dIdle = t.dIdlePower * dOff * dRate;
    Diagnostics::Trace("waitPumpOffJoulesPerHour", dIdle);
    // The communication energy, where there is one, comes first; the idle
    // energy is always positive, so adding a zero changes nothing.
    const double dTotal = budget.dCommunication + dIdle + dWaiting + dPumpEnergy + dSampling;
    Diagnostics::Trace("joulesPerHour", dTotal);
    Diagnostics::Trace("batteryCapacityJoules", kPackJoules);
    rInstrument.RecordBudget(EBudgetUnit::Energy, kPackJoules);
    rInstrument.RecordTerm(BreakdownPart::kSampling, dSampling);
    rInstrument.RecordTerm(BreakdownPart::kPump, dPumpEnergy);
    rInstrument.RecordTerm(BreakdownPart::kOxygenWait, dWaiting);
    rInstrument.RecordTerm(BreakdownPart::kIdle, dIdle);
    rInstrument.RecordTerm(BreakdownPart::kCommunications, budget.dCommunication);
    const double dDays = kPackJoules / dTotal * kDaysPerHour;
    Diagnostics::Trace("batteryEnduranceDays", dDays);
    return dDays;
}

// The time constant of the MXP OX firmware 4.0 budget, held within [2, 30] s.
double AmpSecondTau(const CInstrument& rInstrument)
{
    const double T = rInstrument.m_dDeploymentTemperature;
    const double dTau = rInstrument.m_dTau20 * ((0.001571 * T - 0.1106) * T + 2.549) *
                        std::exp(0.000145 * rInstrument.m_dDeploymentPressure);
    if (dTau < 2.0)
        return 2.0;
    if (dTau > 30.0)
        return 30.0;
    return dTau;
}

}  // namespace

double OxygenAmpSecondEndurance(CInstrument& rInstrument, int nSampleInterval)
{
    rInstrument.m_strCalcNote.clear();
    const int p = rInstrument.m_nPressureSensorIndex;
    const double dCapacity = ChargeCapacity(rInstrument);
    double dSamplingTime = 0.0;
    if (rInstrument.m_nSamplingType == SamplingType::kAutonomous)
        dSamplingTime = p == 0 ? 2.2 : 2.5;
    const double dTau = AmpSecondTau(rInstrument);
    Diagnostics::Trace("dTau", dTau);
    const double dFlush = std::max(5.0 * dTau, 5.0);
    const double dSettle = p == 1 ? 2.5 * dTau + 1.3 : 2.5 * dTau + 1.0;
    const double dPumpTotal = dFlush + dSettle;
    Diagnostics::Trace("dPumpTimeTotal", dPumpTotal);

    double dInterval = static_cast<double>(nSampleInterval);
    if (dInterval < dPumpTotal + 3.0) {
        dInterval = std::ceil(dPumpTotal + 5.0);
        rInstrument.m_strCalcNote = FormatMinIntervalNote(dInterval);
    }
    const double dRate = 3600.0 / dInterval;
    const double dCommunication =
        (rInstrument.m_dCommTime * rInstrument.m_dCommCurrent +
         0.0007 * (static_cast<double>(rInstrument.m_nInstrumentsQueried) - 1.0)) *
        static_cast<double>(rInstrument.m_nCommsPerHour);
    const double dPump = dRate * (0.0065 * dFlush + 0.0327 * dSettle);
    const double dSampling = dRate * rInstrument.m_aPressureSensors.ValueAt(p) * dSamplingTime;
    const double dQuiescent = QuiescentPerHour(rInstrument);
    RecordChargeTerms(rInstrument, dCapacity, {{BreakdownPart::kSampling, dSampling}, {BreakdownPart::kPump, dPump},
                                               {BreakdownPart::kCommunications, dCommunication},
                                               {BreakdownPart::kQuiescent, dQuiescent}});
    return dCapacity / (dCommunication + dPump + dSampling + dQuiescent) * kDaysPerHour;
}

double MxpOxFw11Endurance(CInstrument& rInstrument, int nSampleInterval)
{
    rInstrument.m_strCalcNote.clear();
    const double dSamplingTime = MxpOxFw11SamplingTime(rInstrument);
    Diagnostics::Trace("dSamplingTime", dSamplingTime);
    // Every communication costs its base; each further instrument on the line
    // adds to it (none queried adds nothing rather than a negative share).
    const double dFurther = std::max(static_cast<double>(rInstrument.m_nInstrumentsQueried) - 1.0, 0.0);
    const double dCommunication =
        (0.13 + 0.009 * dFurther) * static_cast<double>(rInstrument.m_nCommsPerHour) * 0.5;
    const CJouleBudget budget = {
        {kMxpOxFw11Sampling.dSamplingPower, dSamplingTime, kMxpOxFw11Sampling.dWaitingPower, 0.0007},
        true, "Sample interval will be adjusted for pump on time\n", dCommunication};
    return JouleEndurance(rInstrument, nSampleInterval, budget);
}

double LxpOxRs232Endurance(CInstrument& rInstrument, int nSampleInterval)
{
    rInstrument.m_strCalcNote.clear();
    Diagnostics::Write("=========================================\r\n");
    const bool bRealTime = rInstrument.m_bTransmitRealTime != 0;
    // A receive line kept valid between samples keeps the interface powered.
    const bool bLineAwake = bRealTime && rInstrument.m_bReceiveLineValid != 0;
    const CJouleTerms terms = {bRealTime ? 0.17 : 0.155, bRealTime ? 3.2 : 2.8,
                               bLineAwake ? 0.056 : 0.016, bLineAwake ? 0.056 : 0.0004};
    const CJouleBudget budget = {terms, false, "Sample interval adjusted for pump on time.\n", 0.0};
    return JouleEndurance(rInstrument, nSampleInterval, budget);
}

int MxpOxFw11MinSampleInterval(const CInstrument& rInstrument)
{
    const double dPump = std::max(PumpTime(rInstrument), kMinPumpWait);
    return SaturatedInt(std::ceil(dPump + MxpOxFw11SamplingTime(rInstrument) + 5.0));
}

int LxpOxRs232MinSampleInterval(const CInstrument& rInstrument)
{
    return SaturatedInt(std::ceil(PumpTime(rInstrument)) + 9.0);
}
