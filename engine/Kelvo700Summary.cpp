#include "Kelvo700Summary.h"

#include "OxygenPump.h"
#include "StrFormat.h"

namespace {

std::string SamplingTypeText(int nSamplingType)
{
    switch (nSamplingType) {
    case SamplingType::kAutonomous:
        return "Autonomous\r\n";
    case SamplingType::kPolled:
        return "Polled\r\n";
    default:
        return "Serial Sync\r\n";
    }
}

std::string QueryLines(const CInstrument& r)
{
    return StrFormat("Number to Query = %d\r\nCommunication per Hour = %d\r\n", r.m_nInstrumentsQueried,
                     r.m_nCommsPerHour);
}

std::string RealTimeLine(const CInstrument& r)
{
    return r.m_bTransmitRealTime ? "Transmit Real Time Enabled\r\n" : "Transmit Real Time Not Enabled\r\n";
}

std::string BatteryTypeLines(const CInstrument& r)
{
    return "Battery Type is: " + r.m_aBatteries.NameAt(r.m_nBatteryIndex) + "\r\n\r\n";
}

double BatteryAmpHours(const CInstrument& r) { return r.m_aBatteries.ValueAt(r.m_nBatteryIndex); }

std::string AmpHourBatteryLines(const CInstrument& r)
{
    if (r.m_nBatteryIndex <= -1)
        return "";
    return BatteryTypeLines(r) + StrFormat("Battery Capacity = %4.1lf Amp-Hours\r\n", BatteryAmpHours(r));
}

std::string Kelvo700Lines(const CInstrument& r)
{
    std::string str;
    if (r.m_nSampleInterval > 0) {
        str += StrFormat("Sample Interval = %d\r\n", r.m_nSampleInterval);
        if (r.m_bUsesNCycles == 1)
            str += StrFormat("NCycles = %d\r\n", r.m_nNCycles);
        if (r.m_bUsesNAvg == 1)
            str += StrFormat("NAverage = %d\r\n", r.m_nNAvg);
        str += "Sampling Type = " + SamplingTypeText(r.m_nSamplingType);
        if ((r.m_nCommScheme == CommScheme::kRs232RealTime && r.m_nSamplingType == SamplingType::kAutonomous)
            || r.m_nCommScheme == CommScheme::kRs232Pumped40)
            str += RealTimeLine(r);
    }
    if (r.m_nCommScheme > CommScheme::kRs232RealTime && r.m_nCommScheme != CommScheme::kRs232Pumped40
        && r.m_nInstrumentsQueried > -1)
        str += QueryLines(r);
    return str + AmpHourBatteryLines(r);
}

std::string Kelvo710Rs232Lines(const CInstrument& r)
{
    std::string str;
    // Continuous sampling stores an interval of 0, so 0 already counts.
    if (r.m_nSampleInterval > -1) {
        const std::string strInterval = StrFormat("Sample Interval = %d\r\n", r.m_nSampleInterval);
        if (r.m_nSamplingMode == SamplingMode::kInterval)
            str += strInterval + "Sampling = Autonomous Interval\r\n";
        else if (r.m_nSamplingMode == SamplingMode::kContinuous)
            str += "Autonomous Continuous\r\n";
        else
            str += strInterval + "Sampling = Polled\r\n";
    }
    return str + AmpHourBatteryLines(r);
}

std::string Kelvo710ModemLines(const CInstrument& r)
{
    std::string str;
    if (r.m_nSampleInterval > 0) {
        str += StrFormat("Sample Interval = %d\r\n", r.m_nSampleInterval);
        str += "Sampling Type = ";
        if (r.m_nSamplingMode == SamplingMode::kInterval)
            str += "Autonomous Interval\r\n";
        else if (r.m_nSamplingMode == SamplingMode::kPolledLow)
            str += "Polled Low Power\r\n";
        else
            str += "Polled High Power\r\n";
    }
    if (r.m_nSamplingMode == SamplingMode::kInterval && r.m_nInstrumentsQueried > 0)
        str += QueryLines(r);
    return str + AmpHourBatteryLines(r);
}

std::string OxygenLines(const CInstrument& r, EKelvoForm eForm, int bWithEndurance)
{
    const bool bJoules = eForm != EKelvoForm::OxygenAmpHours;
    const bool bRealTimeForm = eForm == EKelvoForm::OxygenJoulesRealTime;
    std::string str;
    if (r.m_nSampleInterval > 0) {
        str += StrFormat("Sample Interval = %d\r\n", r.m_nSampleInterval);
        if (bJoules && bWithEndurance) {
            str += StrFormat("Pump on before sampling %1.1lf seconds\r\n",
                             CalcPumpTime(r.m_dDeploymentTemperature, r.m_dDeploymentPressure, r.m_dTau20));
        }
        str += "Sampling Type = " + SamplingTypeText(r.m_nSamplingType);
        if (bRealTimeForm) {
            str += RealTimeLine(r);
            if (r.m_bTransmitRealTime) {
                str += r.m_bReceiveLineValid ? "Receive line valid between samples\r\n"
                                             : "Receive line not valid between samples\r\n";
            }
        }
    }
    if (!bRealTimeForm && r.m_nCommScheme > CommScheme::kRs232RealTime && r.m_nInstrumentsQueried > -1)
        str += QueryLines(r);
    if (r.m_nBatteryIndex > -1) {
        str += StrFormat("Deployment Temperature: %4.1lf\r\n", r.m_dDeploymentTemperature);
        str += StrFormat("Deployment Pressure: %6.1lf\r\n", r.m_dDeploymentPressure);
        str += StrFormat("Oxygen Time Constant (Tau20): %4.1lf\r\n", r.m_dTau20);
        str += BatteryTypeLines(r);
        if (bJoules)
            str += StrFormat("Battery Capacity = %4.0lf Joules\r\n", BatteryAmpHours(r) * 42840.0);
        else
            str += StrFormat("Battery Capacity = %4.1lf Amp-Hours\r\n", BatteryAmpHours(r));
    }
    return str;
}

}  // namespace

std::string KelvoSummaryBody(const CInstrument& rInstrument, EKelvoForm eForm, int bWithEndurance)
{
    std::string str;
    if (rInstrument.m_nPressureSensorIndex > -1)
        str = "Pressure Sensor = " + rInstrument.m_aPressureSensors.NameAt(rInstrument.m_nPressureSensorIndex) + "\r\n";
    switch (eForm) {
    case EKelvoForm::Kelvo700:
        return str + Kelvo700Lines(rInstrument);
    case EKelvoForm::Kelvo710Rs232:
        return str + Kelvo710Rs232Lines(rInstrument);
    case EKelvoForm::Kelvo710Modem:
        return str + Kelvo710ModemLines(rInstrument);
    case EKelvoForm::OxygenAmpHours:
    case EKelvoForm::OxygenJoulesQueried:
    case EKelvoForm::OxygenJoulesRealTime:
        break;
    }
    return str + OxygenLines(rInstrument, eForm, bWithEndurance);
}
