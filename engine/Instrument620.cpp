#include "Instrument620.h"

#include "StrFormat.h"

namespace {

constexpr int kStrainGaugeIndex = 1;
constexpr int kDigiquartzIndex = 2;
// Seconds the strain-gauge sensor adds to every sample.
constexpr double kStrainGaugeSeconds = 0.3;

}  // namespace

double CInstrument620::GetSamplingTime() const
{
    double dTime = ExtraCycleSeconds() + m_dSamplingDelay + m_dBaseSamplingTime;
    if (m_nPressureSensorIndex == kStrainGaugeIndex)
        dTime = dTime + kStrainGaugeSeconds;
    else if (m_nPressureSensorIndex == kDigiquartzIndex)
        dTime = dTime + static_cast<double>(m_nParosIntegrationTime);
    if (m_nPumpIndex >= 0 && m_nPumpMode == 1)
        dTime = dTime + kPumpMode1Seconds;
    return dTime;
}

void CInstrument620::BuildSummary(int bWithEndurance)
{
    m_strSummary = ReportHead();
    m_strSummary += PressureSensorLine();
    if (m_nPumpIndex == 0) {
        m_strSummary += "Pump Type = none\r\n";
    } else if (m_nPumpIndex > 0) {
        m_strSummary += "Pump Type = " + m_aPumps.NameAt(m_nPumpIndex) + "\r\n";
        if (m_nPumpMode > 0)
            m_strSummary += StrFormat("Pump Mode = %d\r\n", m_nPumpMode);
    }
    if (m_nSampleInterval > 0) {
        if (m_nPumpIndex > 0) {
            m_strSummary += m_nPumpMode == 1 ? std::string("Pump on 0.5 sec\r\n")
                                             : StrFormat("Pump on %5.2lf sec\r\n", GetSamplingTime());
        }
        m_strSummary += SamplingLines();
        if (m_nCommScheme != CommScheme::kNotQueried) {
            m_strSummary += StrFormat("Instruments to be queried = %d\r\nCommunications per hour = %d\r\n",
                                      m_nInstrumentsQueried, m_nCommsPerHour);
        }
    }
    m_strSummary += AuxSensorLines();
    m_strSummary += BatteryLines("Battery Type = ", "Battery Capacity %4.1lf Amp-Hours\r\n");
    m_strSummary += EnduranceText(bWithEndurance);
}

double CInstrument620::CalculateEndurance(int nSampleInterval)
{
    return QueriedEndurance(nSampleInterval, GetSamplingTime(), true);
}
