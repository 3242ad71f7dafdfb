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
