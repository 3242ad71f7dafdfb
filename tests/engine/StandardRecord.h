#pragma once

#include "Instrument.h"

#include <algorithm>

// One record entered the same way on every variant, in two set-ups that take
// opposite branches: polled with the second pressure sensor, the second
// battery, a pump in mode 2 and real time on; or autonomous with the first
// sensor, the first battery, the first pump in mode 1 and real time off.
inline void EnterStandardRecord(CInstrument& k, bool bPolled)
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
