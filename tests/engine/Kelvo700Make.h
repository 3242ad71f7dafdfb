#pragma once

#include "Instruments700.h"

#include <memory>
#include <string>

// Builds each Kelvo 700/710 class by name, as the catalogue would, with a
// recognisable triple.
template <class TVariant>
std::unique_ptr<CInstrument> MakeKelvo()
{
    return std::make_unique<TVariant>(4, 1, 2);
}

using KelvoMaker = std::unique_ptr<CInstrument> (*)();

// An oxygen variant with its first pressure sensor and battery chosen and the
// deployment conditions entered.
inline std::unique_ptr<CInstrument> MakeOxygenRecord(KelvoMaker pfnMake, double dTemperature, double dPressure,
                                                     double dTau20)
{
    std::unique_ptr<CInstrument> p = pfnMake();
    p->SetPressureSensorIndex(0);
    p->SetBatteryIndex(0);
    p->SetDeploymentTemperature(dTemperature);
    p->SetDeploymentPressure(dPressure);
    p->SetTau20(dTau20);
    return p;
}
