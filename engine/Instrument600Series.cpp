#include "Instrument600Series.h"

#include "Diagnostics.h"
#include "StrFormat.h"

#include <algorithm>
#include <iterator>

namespace {

// The three standard packs: name and nominal capacity (Ah). The derating
// rules below hold their own figures and do not read the nominal value.
const C600OptionRow kStandardBatteries[] = {
    {"Alkaline", 12.2},
    {"Lithium (42 Amp-hr)", 42.0},
    {"Lithium (30 Amp-hr)", 30.0},
};

using CapacityRule = double (*)(double, bool, bool);
const CapacityRule kCapacityRules[] = {
    &CInstrument600Series::AlkalineCapacity,
    &CInstrument600Series::Lithium42Capacity,
    &CInstrument600Series::Lithium30Capacity,
};

// Amp-seconds per hour lost to self-discharge for each Ah of a lithium pack.
constexpr double kSelfDischargePerAh = 0.012320328542094456;

template <typename Rows>
void FillOptions(COptionList<5>& list, const Rows& rows)
{
    int nIndex = 0;
    for (const C600OptionRow& row : rows)
        list.Set(nIndex++, row.szName, row.dValue);
}

}  // namespace

CInstrument600Series::CInstrument600Series(int nModelIndex, int nCommIndex, int nFirmwareIndex,
                                           const C600VariantConstants& constants)
    : CInstrument(nModelIndex, nCommIndex, nFirmwareIndex, 3, constants.nPressureSensorCount,
                  constants.nPumpCount, constants.nCommScheme, constants.bPumpModes, 0, FamilyCode::k610)
{
    FillOptions(m_aBatteries, kStandardBatteries);
    m_strDescription = constants.szDescription;
    m_dQuiescentCurrent = constants.dQuiescentCurrent;
    m_nMinSampleInterval = constants.nMinSampleInterval;
    m_nMaxSampleInterval = constants.nMaxSampleInterval;
    m_bUsesNCycles = constants.bUsesNCycles;
    m_nNCycles = constants.nNCycles;
    m_bUsesSamplingDelay = constants.bUsesSamplingDelay;
    m_bParosIntegration = constants.bParosIntegration;
    m_nParosIntegrationTime = constants.nParosIntegrationTime;
    m_dCommCurrent = constants.dCommCurrent;
    m_dCommTime = constants.dCommTime;
    m_dBaseSamplingTime = constants.dBaseSamplingTime;
    m_nMaxAuxSensors = constants.nMaxAuxSensors;
    m_nPumpIndex = constants.nPumpIndex;
    m_nPumpMode = constants.nPumpMode;
    m_bAsksTemperature = 1;
    m_nPressureSensorIndex = -1;

    FillOptions(m_aPressureSensors, *constants.paPressureSensors);
    FillOptions(m_aPumps, *constants.paPumps);
    for (const C600AuxTypeRow& aux : *constants.paAuxTypes) {
        m_astrAuxSensorNames.emplace_back(aux.szName);
        m_astrAuxSensorCurrents.emplace_back(aux.szCurrent);
    }
}

double CInstrument600Series::GetDeratedBatteryCapacity() const
{
    // The Kelvo 630 always pumps; index 0 of the 610/620 pump lists is "none".
    const bool bPumpLoad = m_nModelIndex == ModelIndex::k630 || m_nPumpIndex > 0;
    const bool bAuxLoad = m_nAuxSensorCount > 0;
    if (m_nBatteryIndex < 0 || m_nBatteryIndex >= static_cast<int>(std::size(kCapacityRules)))
        return 0.0;
    return kCapacityRules[m_nBatteryIndex](m_dDeploymentTemperature, bPumpLoad, bAuxLoad);
}

double CInstrument600Series::AlkalineCapacity(double dTemperature, bool bPumpLoad, bool bAuxLoad)
{
    const double dBase = (bPumpLoad || bAuxLoad) ? 10.5 : 12.2;
    if (dTemperature > 20.0)
        return dBase;
    if (dTemperature < 0.0)
        return dBase * 0.5;
    // Linear from half the base at 0 C to the whole base at 20 C.
    return (dBase * (dTemperature + 20.0)) * 0.025;
}

double CInstrument600Series::Lithium42Capacity(double dTemperature, bool bPumpLoad, bool bAuxLoad)
{
    const bool bLoaded = bPumpLoad || bAuxLoad;
    const double dCold = bLoaded ? 33.2 : 35.7;
    const double dWarm = bLoaded ? 35.7 : 38.2;
    if (dTemperature > 25.0)
        return dWarm;
    if (dTemperature <= 0.0)
        return dCold;
    return dCold + ((dWarm - dCold) * 0.04) * dTemperature;
}

double CInstrument600Series::Lithium30Capacity(double dTemperature, bool, bool)
{
    if (dTemperature > 25.0)
        return 25.5;
    if (dTemperature <= 0.0)
        return 23.8;
    // The slope is the double that (25.5 - 23.8) / 25 gives.
    return dTemperature * 0.06799999999999998 + 23.8;
}

double CInstrument600Series::ExtraCycleSeconds() const
{
    // Converted first: a count of INT_MIN must not overflow.
    return (static_cast<double>(m_nNCycles) - 1.0) * kSecondsPerExtraCycle;
}

int CInstrument600Series::AuxSensorsInUse() const
{
    return std::clamp(m_nAuxSensorCount, 0, COptionList<8>::kCapacity);
}

std::string CInstrument600Series::PressureSensorLine() const
{
    if (m_nPressureSensorIndex > -1)
        return "Pressure Sensor = " + m_aPressureSensors.NameAt(m_nPressureSensorIndex) + "\r\n";
    return std::string();
}

std::string CInstrument600Series::SamplingLines() const
{
    return StrFormat("Sample Interval = %d\r\nNCycles = %d\r\nDelay before sampling = %4.1lf\r\n",
                     m_nSampleInterval, m_nNCycles, m_dSamplingDelay);
}

std::string CInstrument600Series::AuxSensorLines() const
{
    if (m_nAuxSensorCount == 0)
        return "Auxiliary Sensors: none\r\n";
    if (m_nAuxSensorCount < 0)
        return std::string();
    std::string strLines = "Auxiliary Sensors:\r\n";
    for (int i = 0; i < AuxSensorsInUse(); ++i)
        strLines += m_aAuxSensors.NameAt(i) + StrFormat(", Amps = %5.3lf\r\n", m_aAuxSensors.ValueAt(i));
    return strLines;
}

std::string CInstrument600Series::BatteryLines(const char* szTypeLabel, const char* szCapacityFormat) const
{
    if (m_nBatteryIndex <= -1)
        return std::string();
    return szTypeLabel + m_aBatteries.NameAt(m_nBatteryIndex) + "\r\n" +
           StrFormat("Deployment Temperature = %4.1lf\r\n\r\n", m_dDeploymentTemperature) +
           StrFormat(szCapacityFormat, GetDeratedBatteryCapacity());
}

std::string CInstrument600Series::EnduranceText(int bWithEndurance)
{
    if (!bWithEndurance)
        return std::string();
    return EnduranceLine(CalculateEndurance(m_nSampleInterval), false);
}

double CInstrument600Series::AddSelfDischarge(double dCapacity, double dPerHour) const
{
    if (m_nBatteryIndex <= 0)
        return dPerHour;
    const double dSelfDischarge = dCapacity * kSelfDischargePerAh;
    Diagnostics::Trace("dSelfDischargeCurrent_amp_sec_per_hour", dSelfDischarge);
    RecordTerm(BreakdownPart::kSelfDischarge, dSelfDischarge);
    return dSelfDischarge + dPerHour;
}

void CInstrument600Series::RecordSampleTerms(double dSamplingAmpSec, double dPumpAmpSec, double dAuxAmpSec,
                                             double dSamplesPerHour, double dQuiescentAmpSec) const
{
    RecordTerm(BreakdownPart::kSampling, dSamplingAmpSec * dSamplesPerHour);
    RecordTerm(BreakdownPart::kPump, dPumpAmpSec * dSamplesPerHour);
    RecordTerm(BreakdownPart::kAuxSensors, dAuxAmpSec * dSamplesPerHour);
    RecordTerm(BreakdownPart::kQuiescent, dQuiescentAmpSec);
}

double CInstrument600Series::QueriedEndurance(int nSampleInterval, double dSamplingTime, bool bTraceSteps)
{
    auto trace = [bTraceSteps](const char* szName, double dValue) {
        if (bTraceSteps)
            Diagnostics::Trace(szName, dValue);
    };
    const double dCapacity = GetDeratedBatteryCapacity();
    Diagnostics::Trace("deratedBatteryCapacity", dCapacity);
    const double dBattAmpSec = dCapacity * kSecondsPerHour;
    trace("dBattAmpSecHour", dBattAmpSec);
    trace("dSamplingTime", dSamplingTime);
    const double dSamplingAmpSec = dSamplingTime * m_aPressureSensors.ValueAt(m_nPressureSensorIndex);
    trace("dSamplingAmpSec", dSamplingAmpSec);
    const double dSamplesPerHour = kSecondsPerHour / static_cast<double>(nSampleInterval);
    trace("dSamplesPerHour", dSamplesPerHour);
    double dPumpAmpSec = 0.0;
    if (m_nPumpIndex >= 0) {
        const double dPumpCurrent = m_aPumps.ValueAt(m_nPumpIndex);
        dPumpAmpSec = m_nPumpMode == 1 ? dPumpCurrent * kPumpMode1Seconds : dSamplingTime * dPumpCurrent;
    }
    trace("dPumpAmpSec", dPumpAmpSec);
    double dAuxAmpSec = 0.0;
    for (int i = 0; i < AuxSensorsInUse(); ++i)
        dAuxAmpSec += dSamplingTime * m_aAuxSensors.ValueAt(i);
    trace("dAuxSensorAmpSec", dAuxAmpSec);
    const double dQuiescentAmpSec = m_dQuiescentCurrent * kSecondsPerHour;
    trace("dQuiescentAmpSecHour", dQuiescentAmpSec);
    const double dCommAmpSec = static_cast<double>(m_nInstrumentsQueried) * m_dCommTime * m_dCommCurrent;
    trace("dCommunicationAmpSec", dCommAmpSec);

    const double dCommPerHour = static_cast<double>(m_nCommsPerHour) * dCommAmpSec;
    double dPerHour = ((dAuxAmpSec + dPumpAmpSec) + dSamplingAmpSec) * dSamplesPerHour + dQuiescentAmpSec +
                      dCommPerHour;
    RecordBudget(EBudgetUnit::Charge, dBattAmpSec);
    RecordSampleTerms(dSamplingAmpSec, dPumpAmpSec, dAuxAmpSec, dSamplesPerHour, dQuiescentAmpSec);
    RecordTerm(BreakdownPart::kCommunications, dCommPerHour);
    dPerHour = AddSelfDischarge(dCapacity, dPerHour);
    Diagnostics::Trace("dTotalCurrent", dPerHour);
    const double dDays = dBattAmpSec / dPerHour * kDaysPerHour;
    Diagnostics::Trace("dEndurance", dDays);
    return dDays;
}
