#pragma once

#include "Instrument610.h"
#include "Instrument620.h"
#include "Instrument630.h"

// The rows of the Kelvo 610/620/630 constants table (Variants600.cpp), one
// per variant class.
enum class E600Variant {
    k610,
    k620Rs232FwTo18,
    k620Rs232Fw20,
    k620Rs485FwTo12,
    k620ModemFwTo12,
    k620ModemFw20,
    k630FwTo16,
    k630Fw20,
};
const C600VariantConstants& Variant600Constants(E600Variant eRow);

// The Kelvo 620 and 630 variants. Each differs from its family only in the
// constants its constructor sets (CInstrument610 is its own single variant);
// two of them also change their timing when the pressure sensor is chosen.

// A variant that hands its row of constants to its family.
template <E600Variant eRow, typename TFamily>
class C600Variant : public TFamily {
public:
    C600Variant(int nModelIndex, int nCommIndex, int nFirmwareIndex)
        : TFamily(nModelIndex, nCommIndex, nFirmwareIndex, Variant600Constants(eRow))
    {
    }
};

using CInstrument620Rs232FwTo18 = C600Variant<E600Variant::k620Rs232FwTo18, CInstrument620>;
using CInstrument620Rs232Fw20 = C600Variant<E600Variant::k620Rs232Fw20, CInstrument620>;
using CInstrument620Rs485FwTo12 = C600Variant<E600Variant::k620Rs485FwTo12, CInstrument620>;
using CInstrument620ModemFw20 = C600Variant<E600Variant::k620ModemFw20, CInstrument620>;
using CInstrument630FwTo16 = C600Variant<E600Variant::k630FwTo16, CInstrument630>;

// The Digiquartz sensor of this modem firmware needs an even NCycles.
class CInstrument620ModemFwTo12 : public C600Variant<E600Variant::k620ModemFwTo12, CInstrument620> {
public:
    using C600Variant::C600Variant;
    void SetPressureSensorIndex(int nIndex) override;
};

// The Digiquartz sensor of the newer firmware runs a shorter base time with
// an even NCycles.
class CInstrument630Fw20 : public C600Variant<E600Variant::k630Fw20, CInstrument630> {
public:
    using C600Variant::C600Variant;
    void SetPressureSensorIndex(int nIndex) override;
};
