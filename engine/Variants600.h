#pragma once

#include "Instrument610.h"
#include "Instrument620.h"
#include "Instrument630.h"

// The Kelvo 620 and 630 variants. Each differs from its family only in the
// constants its constructor sets (CInstrument610 is its own single variant);
// two of them also change their timing when the pressure sensor is chosen.

// A variant that only sets its constants.
#define MOORPLAN_600_VARIANT(ClassName, FamilyClass)                      \
    class ClassName : public FamilyClass {                                \
    public:                                                               \
        ClassName(int nModelIndex, int nCommIndex, int nFirmwareIndex);   \
    }

MOORPLAN_600_VARIANT(CInstrument620Rs232FwTo18, CInstrument620);
MOORPLAN_600_VARIANT(CInstrument620Rs232Fw20, CInstrument620);
MOORPLAN_600_VARIANT(CInstrument620Rs485FwTo12, CInstrument620);

// The Digiquartz sensor of this modem firmware needs an even NCycles.
class CInstrument620ModemFwTo12 : public CInstrument620 {
public:
    CInstrument620ModemFwTo12(int nModelIndex, int nCommIndex, int nFirmwareIndex);
    void SetPressureSensorIndex(int nIndex) override;
};

MOORPLAN_600_VARIANT(CInstrument620ModemFw20, CInstrument620);
MOORPLAN_600_VARIANT(CInstrument630FwTo16, CInstrument630);

// The Digiquartz sensor of the newer firmware runs a shorter base time with
// an even NCycles.
class CInstrument630Fw20 : public CInstrument630 {
public:
    CInstrument630Fw20(int nModelIndex, int nCommIndex, int nFirmwareIndex);
    void SetPressureSensorIndex(int nIndex) override;
};
