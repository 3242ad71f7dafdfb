#pragma once

#include "Instrument.h"
#include "Kelvo700Laws.h"
#include "Kelvo700Summary.h"
#include "Kelvo700Table.h"

// The thirty Kelvo 700 / Kelvo 710 variants, each a CKelvoVariant of its row.
// All derive from CInstrument directly, except the two oxygen variants with an
// energy budget, which share the abstract CInstrument700Ox.

// One variant: its row of the tables (Kelvo700Table) is all it knows. The
// constructor hands the row's identity to the base and loads its constants,
// the summary takes the row's form, and the endurance follows the row's law.
template <EKelvoVariant eVariant, typename TBase = CInstrument>
class CKelvoVariant : public TBase {
public:
    CKelvoVariant(int nModelIndex, int nCommIndex, int nFirmwareIndex)
        : TBase(nModelIndex, nCommIndex, nFirmwareIndex, Identity().nBatteryCount, Identity().nPressureSensorCount,
                Identity().nPumpCount, Identity().nCommScheme, Identity().bPumpModes, Identity().bRealTimeOption,
                Identity().nFamilyCode)
    {
        LoadKelvoConstants(*this, eVariant);
    }

    // The calculation's note belongs to the endurance it explains, so it
    // comes with the endurance line.
    void BuildSummary(int bWithEndurance) override
    {
        const EKelvoForm eForm = KelvoConstants(eVariant).eForm;
        this->m_strSummary = this->ReportHead() + KelvoSummaryBody(*this, eForm, bWithEndurance);
        if (bWithEndurance) {
            const double dDays = CalculateEndurance(this->m_nSampleInterval);
            this->m_strSummary += CInstrument::EnduranceLine(dDays, IsOxygenForm(eForm));
            this->m_strSummary += this->m_strCalcNote;
        }
    }

    double CalculateEndurance(int nSampleInterval) override { return KelvoEndurance(eVariant, *this, nSampleInterval); }

private:
    static const CKelvoIdentity& Identity() { return KelvoIdentity(eVariant); }
};

// Kelvo 700 MX (inductive modem, no pump).
using CInstrument700MxFwTo14 = CKelvoVariant<EKelvoVariant::CInstrument700MxFwTo14>;
using CInstrument700MxFw20 = CKelvoVariant<EKelvoVariant::CInstrument700MxFw20>;
using CInstrument700MxFw30 = CKelvoVariant<EKelvoVariant::CInstrument700MxFw30>;
// Kelvo 700 MXP (inductive modem, integral pump).
using CInstrument700MxpFw20 = CKelvoVariant<EKelvoVariant::CInstrument700MxpFw20>;
using CInstrument700MxpFw30 = CKelvoVariant<EKelvoVariant::CInstrument700MxpFw30>;
using CInstrument700MxpFw40 = CKelvoVariant<EKelvoVariant::CInstrument700MxpFw40>;
// Kelvo 700 LX RS-232.
using CInstrument700LxRs232FwTo16 = CKelvoVariant<EKelvoVariant::CInstrument700LxRs232FwTo16>;
using CInstrument700LxRs232Fw20 = CKelvoVariant<EKelvoVariant::CInstrument700LxRs232Fw20>;
using CInstrument700LxRs232Fw26Ext = CKelvoVariant<EKelvoVariant::CInstrument700LxRs232Fw26Ext>;
using CInstrument700LxRs232Fw26 = CKelvoVariant<EKelvoVariant::CInstrument700LxRs232Fw26>;
using CInstrument700LxRs232Fw30 = CKelvoVariant<EKelvoVariant::CInstrument700LxRs232Fw30>;
// Kelvo 700 LX RS-485.
using CInstrument700LxRs485FwTo13 = CKelvoVariant<EKelvoVariant::CInstrument700LxRs485FwTo13>;
using CInstrument700LxRs485Fw20 = CKelvoVariant<EKelvoVariant::CInstrument700LxRs485Fw20>;
using CInstrument700LxRs485Fw30 = CKelvoVariant<EKelvoVariant::CInstrument700LxRs485Fw30>;
// Kelvo 700 LXP RS-232.
using CInstrument700LxpRs232FwPre26 = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs232FwPre26>;
using CInstrument700LxpRs232Fw26Ext = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs232Fw26Ext>;
using CInstrument700LxpRs232Fw26 = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs232Fw26>;
using CInstrument700LxpRs232Fw30 = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs232Fw30>;
using CInstrument700LxpRs232Fw40 = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs232Fw40>;
// Kelvo 700 LXP RS-485.
using CInstrument700LxpRs485FwPre23 = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs485FwPre23>;
using CInstrument700LxpRs485Fw23 = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs485Fw23>;
using CInstrument700LxpRs485Fw30 = CKelvoVariant<EKelvoVariant::CInstrument700LxpRs485Fw30>;
// Kelvo 700 MXP OX with an amp-second budget.
using CInstrument700MxpOxFw40 = CKelvoVariant<EKelvoVariant::CInstrument700MxpOxFw40>;
// Kelvo 710.
using CInstrument710ModemFwPre11 = CKelvoVariant<EKelvoVariant::CInstrument710ModemFwPre11>;
using CInstrument710ModemFw11 = CKelvoVariant<EKelvoVariant::CInstrument710ModemFw11>;
using CInstrument710Rs232FwPre20 = CKelvoVariant<EKelvoVariant::CInstrument710Rs232FwPre20>;
using CInstrument710Rs232Fw20 = CKelvoVariant<EKelvoVariant::CInstrument710Rs232Fw20>;
using CInstrument710Rs232Fw31 = CKelvoVariant<EKelvoVariant::CInstrument710Rs232Fw31>;

// The oxygen variants with an energy budget: they also work out the smallest
// interval that leaves the pump time to flush the oxygen sensor. Binds
// nothing of its own.
class CInstrument700Ox : public CInstrument {
public:
    using CInstrument::CInstrument;
};

class CInstrument700MxpOxFw11 : public CKelvoVariant<EKelvoVariant::CInstrument700MxpOxFw11, CInstrument700Ox> {
public:
    using CKelvoVariant::CKelvoVariant;
    int GetMinSampleInterval() override;
};

class CInstrument700LxpOxRs232 : public CKelvoVariant<EKelvoVariant::CInstrument700LxpOxRs232, CInstrument700Ox> {
public:
    using CKelvoVariant::CKelvoVariant;
    int GetMinSampleInterval() override;
};
