#pragma once

#include "Instrument.h"

#include <cstddef>

// The constants of the thirty Kelvo 700 / Kelvo 710 variants, one enumerator
// per variant class (named as the class, in catalogue order).
enum class EKelvoVariant {
    CInstrument700MxFwTo14,
    CInstrument700MxFw20,
    CInstrument700MxFw30,
    CInstrument700MxpFw20,
    CInstrument700MxpFw30,
    CInstrument700MxpFw40,
    CInstrument700LxRs232FwTo16,
    CInstrument700LxRs232Fw20,
    CInstrument700LxRs232Fw26Ext,
    CInstrument700LxRs232Fw26,
    CInstrument700LxRs232Fw30,
    CInstrument700LxRs485FwTo13,
    CInstrument700LxRs485Fw20,
    CInstrument700LxRs485Fw30,
    CInstrument700LxpRs232FwPre26,
    CInstrument700LxpRs232Fw26Ext,
    CInstrument700LxpRs232Fw26,
    CInstrument700LxpRs232Fw30,
    CInstrument700LxpRs232Fw40,
    CInstrument700LxpRs485FwPre23,
    CInstrument700LxpRs485Fw23,
    CInstrument700LxpRs485Fw30,
    CInstrument700MxpOxFw40,
    CInstrument700MxpOxFw11,
    CInstrument700LxpOxRs232,
    CInstrument710ModemFwPre11,
    CInstrument710ModemFw11,
    CInstrument710Rs232FwPre20,
    CInstrument710Rs232Fw20,
    CInstrument710Rs232Fw31,
};
constexpr int kKelvoVariantCount = 30;

// The report form a variant's summary takes.
enum class EKelvoForm {
    Kelvo700,
    Kelvo710Rs232,
    Kelvo710Modem,
    OxygenAmpHours,
    OxygenJoulesQueried,
    OxygenJoulesRealTime,
};

// The oxygen forms end the endurance line with a line end and carry the
// calculation's note.
inline bool IsOxygenForm(EKelvoForm eForm)
{
    return eForm == EKelvoForm::OxygenAmpHours || eForm == EKelvoForm::OxygenJoulesQueried ||
           eForm == EKelvoForm::OxygenJoulesRealTime;
}

// Identity and the values the variant hands to the CInstrument constructor.
struct CKelvoIdentity {
    EKelvoVariant eVariant;
    const char* szDescription;
    int nBatteryCount;
    int nPressureSensorCount;
    int nPumpCount;
    int nCommScheme;
    int bPumpModes;
    int bRealTimeOption;
    int nFamilyCode;
};

// One list entry of the constants table; a null name ends the list.
struct CKelvoEntry {
    const char* szName;
    double dValue;
};

struct CKelvoConstants {
    EKelvoVariant eVariant;
    double dQuiescentCurrent;
    int nMinSampleInterval;
    int nMaxSampleInterval;
    int bUsesNCycles;
    int bUsesNAvg;
    double dCommCurrent;
    double dCommTime;
    CKelvoEntry aBatteries[2];
    CKelvoEntry aPressureSensors[2];
    EKelvoForm eForm;
};

// Whether every row of a table indexed by variant names the variant of its
// position: the tables of identities, constants and laws are read by
// position, and static_assert it.
template <typename TRow, std::size_t N>
constexpr bool RowsInVariantOrder(const TRow (&aRows)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(aRows[i].eVariant) != i)
            return false;
    return N == static_cast<std::size_t>(kKelvoVariantCount);
}

const CKelvoIdentity& KelvoIdentity(EKelvoVariant eVariant);
const CKelvoConstants& KelvoConstants(EKelvoVariant eVariant);

// Writes the variant's constants, lists and the values every Kelvo 700/710
// constructor sets into a freshly constructed record.
void LoadKelvoConstants(CInstrument& rInstrument, EKelvoVariant eVariant);
