#include "Instrument630.h"

#include "StrFormat.h"

double CInstrument630::GetSamplingTime() const
{
    if (m_nPumpMode == 1)
        return ExtraCycleSeconds() + m_dBaseSamplingTime + kPumpMode1Seconds;
    return ExtraCycleSeconds() + m_dSamplingDelay + m_dBaseSamplingTime;
}

void CInstrument630::BuildSummary(int bWithEndurance)
{
    m_strSummary = ReportHead();
    m_strSummary += PressureSensorLine();
    if (m_nPumpIndex >= 0 && m_nPressureSensorIndex > -1) {
        m_strSummary += "Pump Type = " + m_aPumps.NameAt(m_nPumpIndex) + "\r\n";
        if (m_nPumpMode > 0)
            m_strSummary += StrFormat("Pump Mode = %d\r\n", m_nPumpMode);
        if (m_nPumpMode == 1)
            m_strSummary += "Pump on 0.5 sec\r\n";
    }
    if (m_nSampleInterval > 0) {
        if (m_nPumpMode == 2)
            m_strSummary += StrFormat("Pump on %5.2lf sec\r\n", GetSamplingTime());
        m_strSummary += SamplingLines();
        // Never true for the 630's own scheme: the unentered -1 marks stay out.
        if (m_nCommScheme != CommScheme::kNotQueried) {
            m_strSummary += StrFormat("N Instruments to be queried = %d\r\n", m_nInstrumentsQueried);
            m_strSummary += StrFormat("Communications per hour = %d\r\n", m_nCommsPerHour);
        }
    }
    m_strSummary += AuxSensorLines();
    m_strSummary += BatteryLines("Battery Type is: ", "Battery Capacity = %4.1lf Amp-Hours\r\n");
    m_strSummary += EnduranceText(bWithEndurance);
}

double CInstrument630::CalculateEndurance(int nSampleInterval)
{
    return QueriedEndurance(nSampleInterval, GetSamplingTime(), false);
}
