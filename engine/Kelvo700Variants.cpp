#include "Instruments700.h"

#include "Kelvo700Laws.h"
#include "Kelvo700Summary.h"
#include "Kelvo700Table.h"
#include "OxygenBudgets.h"

// Every variant class is its row of the tables: the constructor hands the
// row's identity to the base and loads its constants, the summary takes the
// row's form, and the endurance follows the row's law. The calculation's note
// belongs to the endurance it explains, so it comes with the endurance line.
#define MOORPLAN_DEFINE_KELVO_VARIANT(ClassName, BaseName)                                    \
    ClassName::ClassName(int nModelIndex, int nCommIndex, int nFirmwareIndex)                 \
        : BaseName(nModelIndex, nCommIndex, nFirmwareIndex,                                   \
                   KelvoIdentity(EKelvoVariant::ClassName).nBatteryCount,                     \
                   KelvoIdentity(EKelvoVariant::ClassName).nPressureSensorCount,              \
                   KelvoIdentity(EKelvoVariant::ClassName).nPumpCount,                        \
                   KelvoIdentity(EKelvoVariant::ClassName).nCommScheme,                       \
                   KelvoIdentity(EKelvoVariant::ClassName).bPumpModes,                        \
                   KelvoIdentity(EKelvoVariant::ClassName).bRealTimeOption,                   \
                   KelvoIdentity(EKelvoVariant::ClassName).nFamilyCode)                       \
    {                                                                                         \
        LoadKelvoConstants(*this, EKelvoVariant::ClassName);                                  \
    }                                                                                         \
    void ClassName::BuildSummary(int bWithEndurance)                                          \
    {                                                                                         \
        const EKelvoForm eForm = KelvoConstants(EKelvoVariant::ClassName).eForm;              \
        m_strSummary = ReportHead() + KelvoSummaryBody(*this, eForm, bWithEndurance);         \
        if (bWithEndurance) {                                                                 \
            const double dDays = CalculateEndurance(m_nSampleInterval);                       \
            m_strSummary += EnduranceLine(dDays, IsOxygenForm(eForm));                        \
            m_strSummary += m_strCalcNote;                                                    \
        }                                                                                     \
    }                                                                                         \
    double ClassName::CalculateEndurance(int nSampleInterval)                                 \
    {                                                                                         \
        return KelvoEndurance(EKelvoVariant::ClassName, *this, nSampleInterval);              \
    }

MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxFwTo14, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxFw20, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxFw30, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxpFw20, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxpFw30, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxpFw40, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs232FwTo16, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs232Fw20, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs232Fw26Ext, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs232Fw26, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs232Fw30, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs485FwTo13, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs485Fw20, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxRs485Fw30, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs232FwPre26, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs232Fw26Ext, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs232Fw26, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs232Fw30, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs232Fw40, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs485FwPre23, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs485Fw23, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpRs485Fw30, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxpOxFw40, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700MxpOxFw11, CInstrument700Ox)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument700LxpOxRs232, CInstrument700Ox)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument710ModemFwPre11, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument710ModemFw11, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument710Rs232FwPre20, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument710Rs232Fw20, CInstrument)
MOORPLAN_DEFINE_KELVO_VARIANT(CInstrument710Rs232Fw31, CInstrument)

int CInstrument700MxpOxFw11::GetMinSampleInterval() { return MxpOxFw11MinSampleInterval(*this); }

int CInstrument700LxpOxRs232::GetMinSampleInterval() { return LxpOxRs232MinSampleInterval(*this); }
