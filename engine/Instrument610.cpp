#include "Instrument610.h"

#include "Diagnostics.h"
#include "StrFormat.h"

namespace {

// Awake seconds of the sensors and of the pump per sample.
struct CAwakeTimes {
    double dSensor;
    double dPump;
};
constexpr CAwakeTimes kStandardAwake = {5.0, 4.7};
constexpr CAwakeTimes kDigiquartzAwake = {6.7, 6.3};
constexpr int kDigiquartzIndex = 2;

}  // namespace

void CInstrument610::BuildSummary(int bWithEndurance)
{
    m_strSummary = ReportHead();
    m_strSummary += PressureSensorLine();
    if (m_nPumpIndex >= 0)
        m_strSummary += "Pump Type = " + m_aPumps.NameAt(m_nPumpIndex) + "\r\n";
    if (m_nSampleInterval > 0)
        m_strSummary += StrFormat("Sample Interval = %d\r\n", m_nSampleInterval);
    m_strSummary += AuxSensorLines();
    m_strSummary += BatteryLines("Battery Type = ", "Battery Capacity = %4.1lf Amp-Hours\r\n");
    m_strSummary += EnduranceText(bWithEndurance);
}

double CInstrument610::CalculateEndurance(int nSampleInterval)
{
    const double dCapacity = GetDeratedBatteryCapacity();
    Diagnostics::Trace("deratedBatteryCapacity", dCapacity);
    const double dBattAmpSec = dCapacity * kSecondsPerHour;
    const CAwakeTimes awake = m_nPressureSensorIndex >= kDigiquartzIndex ? kDigiquartzAwake : kStandardAwake;
    const double dSamplingAmpSec = m_aPressureSensors.ValueAt(m_nPressureSensorIndex) * awake.dSensor;
    const double dPumpAmpSec = m_nPumpIndex >= 0 ? m_aPumps.ValueAt(m_nPumpIndex) * awake.dPump : 0.0;
    double dAuxAmpSec = 0.0;
    for (int i = 0; i < AuxSensorsInUse(); ++i)
        dAuxAmpSec += m_aAuxSensors.ValueAt(i) * awake.dSensor;
    const double dSamplesPerHour = kSecondsPerHour / static_cast<double>(nSampleInterval);
    const double dQuiescentAmpSec = m_dQuiescentCurrent * kSecondsPerHour;

    double dPerHour = ((dAuxAmpSec + dPumpAmpSec) + dSamplingAmpSec) * dSamplesPerHour + dQuiescentAmpSec;
    Diagnostics::Trace("dTotalCurrent", dPerHour);
    RecordBudget(EBudgetUnit::Charge, dBattAmpSec);
    RecordSampleTerms(dSamplingAmpSec, dPumpAmpSec, dAuxAmpSec, dSamplesPerHour, dQuiescentAmpSec);
    dPerHour = AddSelfDischarge(dCapacity, dPerHour);
    Diagnostics::Trace("dTotalCurrent", dPerHour);
    const double dDays = dBattAmpSec / dPerHour * kDaysPerHour;
    Diagnostics::Trace("dEndurance", dDays);
    return dDays;
}
