#pragma once

#include "Instrument.h"

// The thirty Kelvo 700 / Kelvo 710 variants. Each constructor loads its
// variant's row of constants (Kelvo700Table); its report form and endurance
// law are the ones that row names. All derive from CInstrument directly,
// except the two oxygen variants with an energy budget, which share the
// abstract CInstrument700Ox.

// Declares one variant class with its constructor and its two bound
// operations; the definitions live in Kelvo700Variants.cpp.
#define MOORPLAN_KELVO_VARIANT_MEMBERS(ClassName)                         \
public:                                                                   \
    ClassName(int nModelIndex, int nCommIndex, int nFirmwareIndex);       \
    void BuildSummary(int bWithEndurance) override;                       \
    double CalculateEndurance(int nSampleInterval) override

#define MOORPLAN_KELVO_VARIANT(ClassName)                                 \
    class ClassName : public CInstrument {                                \
        MOORPLAN_KELVO_VARIANT_MEMBERS(ClassName);                        \
    }

// Kelvo 700 MX (inductive modem, no pump).
MOORPLAN_KELVO_VARIANT(CInstrument700MxFwTo14);
MOORPLAN_KELVO_VARIANT(CInstrument700MxFw20);
MOORPLAN_KELVO_VARIANT(CInstrument700MxFw30);
// Kelvo 700 MXP (inductive modem, integral pump).
MOORPLAN_KELVO_VARIANT(CInstrument700MxpFw20);
MOORPLAN_KELVO_VARIANT(CInstrument700MxpFw30);
MOORPLAN_KELVO_VARIANT(CInstrument700MxpFw40);
// Kelvo 700 LX RS-232.
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs232FwTo16);
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs232Fw20);
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs232Fw26Ext);
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs232Fw26);
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs232Fw30);
// Kelvo 700 LX RS-485.
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs485FwTo13);
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs485Fw20);
MOORPLAN_KELVO_VARIANT(CInstrument700LxRs485Fw30);
// Kelvo 700 LXP RS-232.
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs232FwPre26);
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs232Fw26Ext);
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs232Fw26);
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs232Fw30);
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs232Fw40);
// Kelvo 700 LXP RS-485.
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs485FwPre23);
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs485Fw23);
MOORPLAN_KELVO_VARIANT(CInstrument700LxpRs485Fw30);
// Kelvo 700 MXP OX with an amp-second budget.
MOORPLAN_KELVO_VARIANT(CInstrument700MxpOxFw40);
// Kelvo 710.
MOORPLAN_KELVO_VARIANT(CInstrument710ModemFwPre11);
MOORPLAN_KELVO_VARIANT(CInstrument710ModemFw11);
MOORPLAN_KELVO_VARIANT(CInstrument710Rs232FwPre20);
MOORPLAN_KELVO_VARIANT(CInstrument710Rs232Fw20);
MOORPLAN_KELVO_VARIANT(CInstrument710Rs232Fw31);

// The oxygen variants with an energy budget: they also work out the smallest
// interval that leaves the pump time to flush the oxygen sensor. Binds
// nothing of its own.
class CInstrument700Ox : public CInstrument {
public:
    using CInstrument::CInstrument;
};

class CInstrument700MxpOxFw11 : public CInstrument700Ox {
    MOORPLAN_KELVO_VARIANT_MEMBERS(CInstrument700MxpOxFw11);
    int GetMinSampleInterval() override;
};

class CInstrument700LxpOxRs232 : public CInstrument700Ox {
    MOORPLAN_KELVO_VARIANT_MEMBERS(CInstrument700LxpOxRs232);
    int GetMinSampleInterval() override;
};
