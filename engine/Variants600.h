#pragma once

#include "Instrument610.h"
#include "Instrument620.h"
#include "Instrument630.h"

// The Kelvo 620 and 630 variants. Each differs from its family only in the
// constants its constructor sets (CInstrument610 is its own single variant);
// two of them also change their timing when the pressure sensor is chosen.

class CInstrument620Rs232FwTo18 : public CInstrument620 {
public:
    CInstrument620Rs232FwTo18(int nModelIndex, int nCommIndex, int nFirmwareIndex);
};

class CInstrument620Rs232Fw20 : public CInstrument620 {
public:
    CInstrument620Rs232Fw20(int nModelIndex, int nCommIndex, int nFirmwareIndex);
};

class CInstrument620Rs485FwTo12 : public CInstrument620 {
public:
    CInstrument620Rs485FwTo12(int nModelIndex, int nCommIndex, int nFirmwareIndex);
};

// The Digiquartz sensor of this modem firmware needs an even NCycles.
class CInstrument620ModemFwTo12 : public CInstrument620 {
public:
    CInstrument620ModemFwTo12(int nModelIndex, int nCommIndex, int nFirmwareIndex);
    void SetPressureSensorIndex(int nIndex) override;
};

class CInstrument620ModemFw20 : public CInstrument620 {
public:
    CInstrument620ModemFw20(int nModelIndex, int nCommIndex, int nFirmwareIndex);
};

class CInstrument630FwTo16 : public CInstrument630 {
public:
    CInstrument630FwTo16(int nModelIndex, int nCommIndex, int nFirmwareIndex);
};

// The Digiquartz sensor of the newer firmware runs a shorter base time with
// an even NCycles.
class CInstrument630Fw20 : public CInstrument630 {
public:
    CInstrument630Fw20(int nModelIndex, int nCommIndex, int nFirmwareIndex);
    void SetPressureSensorIndex(int nIndex) override;
};
