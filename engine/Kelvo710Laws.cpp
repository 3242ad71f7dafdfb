#include "Kelvo710Laws.h"

#include "Kelvo700Laws.h"

namespace {

// Charge of one sample in interval mode, amp-seconds: "none" | "Strain gauge".
struct CRs232SampleCharge {
    double aCharge[2];
};

constexpr CRs232SampleCharge kRs232FwPre20 = {{0.015, 0.02}};
constexpr CRs232SampleCharge kRs232Fw20 = {{0.018, 0.023}};

// Continuous sampling draws a steady 0.015 A, interval and quiescent aside.
constexpr double kContinuousCurrent = 0.015;

bool HasSensorColumn(const CInstrument& rInstrument)
{
    return rInstrument.m_nPressureSensorIndex == 0 || rInstrument.m_nPressureSensorIndex == 1;
}

double Rs232Endurance(const CRs232SampleCharge& charge, const CInstrument& rInstrument, int nSampleInterval)
{
    const int nMode = rInstrument.m_nSamplingMode;
    if (HasSensorColumn(rInstrument) && nMode == SamplingMode::kContinuous) {
        const double dAmpHours = rInstrument.m_aBatteries.ValueAt(rInstrument.m_nBatteryIndex);
        // In the hourly budget's units: amp-seconds against amp-seconds per hour.
        RecordChargeTerms(rInstrument, dAmpHours * 3600.0, {{BreakdownPart::kContinuous, kContinuousCurrent * 3600.0}});
        return dAmpHours / kContinuousCurrent * kDaysPerHour;
    }
    const double dCapacity = ChargeCapacity(rInstrument);
    const double dQuiescent = QuiescentPerHour(rInstrument);
    if (HasSensorColumn(rInstrument) && nMode == SamplingMode::kInterval) {
        const double dSampling = SamplesPerHour(nSampleInterval) * charge.aCharge[rInstrument.m_nPressureSensorIndex];
        RecordChargeTerms(rInstrument, dCapacity,
                          {{BreakdownPart::kSampling, dSampling}, {BreakdownPart::kQuiescent, dQuiescent}});
        return dCapacity / (dSampling + dQuiescent) * kDaysPerHour;
    }
    // Polled: the budget counts the sleep current twice.
    RecordChargeTerms(rInstrument, dCapacity,
                      {{BreakdownPart::kQuiescent, dQuiescent}, {BreakdownPart::kQuiescent, dQuiescent}});
    return dCapacity / (dQuiescent + dQuiescent) * kDaysPerHour;
}

// Per sensor column "none" | "Strain gauge".
const double kModemSampleCharge[2] = {0.0042, 0.0108};
const double kModemPolledTalkTime[2] = {1.9, 2.5};
const double kModemPolledExtraLow[2] = {0.002275, 0.003055};
const double kModemPolledExtraHigh[2] = {0.009275, 0.012455};

// Each queried instrument talks for half a second per communication.
constexpr double kModemTalkTime = 0.5;

}  // namespace

double Kelvo710Rs232FwPre20Endurance(CInstrument& rInstrument, int nSampleInterval)
{
    return Rs232Endurance(kRs232FwPre20, rInstrument, nSampleInterval);
}

double Kelvo710Rs232Fw20Endurance(CInstrument& rInstrument, int nSampleInterval)
{
    return Rs232Endurance(kRs232Fw20, rInstrument, nSampleInterval);
}

double Kelvo710ModemEndurance(CInstrument& rInstrument, int nSampleInterval)
{
    const int nMode = rInstrument.m_nSamplingMode;
    const double dRate = SamplesPerHour(nSampleInterval);
    const double dQueried = static_cast<double>(rInstrument.m_nInstrumentsQueried);
    double dSampling = 0.0;
    double dCommunication = 0.0;
    double dExtra = 0.0;
    if (HasSensorColumn(rInstrument) && (nMode == SamplingMode::kInterval || nMode == SamplingMode::kPolledLow || nMode == SamplingMode::kPolledHigh)) {
        const int p = rInstrument.m_nPressureSensorIndex;
        dSampling = dRate * kModemSampleCharge[p];
        if (nMode == SamplingMode::kInterval) {
            dCommunication = static_cast<double>(rInstrument.m_nCommsPerHour) * dQueried *
                             rInstrument.m_dCommCurrent * kModemTalkTime;
        } else {
            dCommunication = dQueried * rInstrument.m_dCommCurrent * dRate * kModemPolledTalkTime[p];
            dExtra = dRate * (nMode == SamplingMode::kPolledLow ? kModemPolledExtraLow : kModemPolledExtraHigh)[p];
        }
    }
    const double dQuiescent = QuiescentPerHour(rInstrument);
    const double dSum = dQuiescent + dSampling + dCommunication + dExtra;
    const double dCapacity = ChargeCapacity(rInstrument);
    RecordChargeTerms(rInstrument, dCapacity,
                      {{BreakdownPart::kQuiescent, dQuiescent}, {BreakdownPart::kSampling, dSampling},
                       {BreakdownPart::kCommunications, dCommunication}, {BreakdownPart::kPolledListening, dExtra}});
    return dCapacity / dSum * kDaysPerHour;
}
