#pragma once

#include "Instrument.h"

#include <memory>

// Builds the variant that serves a (model, communications, firmware) triple,
// with the triple stored unchanged in the object. Returns null when the triple
// has no variant or the object cannot be allocated.
std::unique_ptr<CInstrument> CreateVariant(int nModelIndex, int nCommIndex, int nFirmwareIndex);

// How many variants the factory builds: one class per row of its table.
int VariantCount();
