#include "Kelvo700Table.h"

namespace {

using V = EKelvoVariant;
using F = EKelvoForm;

// The pumped variants' "AA Lithium" capacity carries the pump's share.
constexpr double kPumpShare = 0.65;

// Description, then the counts of batteries, pressure sensors and pumps, the
// communications scheme, pump modes, real-time option and family code.
// The descriptions word a revision as the report prints it, which differs from
// the firmware list's text (FirmwareCatalogue: ", no external power option"
// against "\r\nNo External Power Option" here). Both are fixed: keep them apart.
constexpr CKelvoIdentity kIdentities[kKelvoVariantCount] = {
    {V::CInstrument700MxFwTo14, "Model = Kelvo 700 MX\r\nFirmware 1.4 or less\r\n", 2, 2, 0, CommScheme::kModem, 1, 0, FamilyCode::k700},
    {V::CInstrument700MxFw20, "Model = Kelvo 700 MX\r\nFirmware 2.0 or higher, less than 3.0\r\n", 2, 2, 0, CommScheme::kModem, 1, 0, FamilyCode::k700},
    {V::CInstrument700MxFw30, "Model = Kelvo 700 MX\r\nFirmware 3.0 or higher\r\n", 2, 2, 0, CommScheme::kModem, 1, 0, FamilyCode::k700},
    {V::CInstrument700MxpFw20, "Model = Kelvo 700 MXP\r\nFirmware 2.0 or higher, less than 3.0\r\n", 2, 2, 0, CommScheme::kModem, 1, 0, FamilyCode::k700},
    {V::CInstrument700MxpFw30, "Model = Kelvo 700 MXP\r\nFirmware 3.0 or higher, less than 4.0\r\n", 2, 2, 2, CommScheme::kModem, 1, 0, FamilyCode::k700},
    {V::CInstrument700MxpFw40, "Model = Kelvo 700 MXP\r\nFirmware 4.0 or higher\r\n", 1, 2, 2, CommScheme::kModem, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxRs232FwTo16, "Model = Kelvo 700 LX RS-232\r\nFirmware 1.6 or less\r\n", 2, 2, 0, CommScheme::kRs232, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxRs232Fw20, "Model = Kelvo 700 LX RS-232\r\nFirmware > or = 2.0 and < 2.6\r\n", 2, 2, 0, CommScheme::kRs232, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxRs232Fw26Ext, "Model = Kelvo 700 LX RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nExternal Power Option\r\n", 2, 2, 0, CommScheme::kRs232, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxRs232Fw26, "Model = Kelvo 700 LX RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nNo External Power Option\r\n", 2, 2, 0, CommScheme::kRs232, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxRs232Fw30, "Model = Kelvo 700 LX RS-232\r\nFirmware = 3.0 or higher\r\n", 2, 2, 0, CommScheme::kRs232RealTime, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxRs485FwTo13, "Model = Kelvo 700 LX RS-485\r\nFirmware = 1.3 or less\r\n", 2, 2, 0, CommScheme::kRs485, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxRs485Fw20, "Model = Kelvo 700 LX RS-485\r\nFirmware >= 2.0 and < 3.0\r\n", 2, 2, 0, CommScheme::kRs485, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxRs485Fw30, "Model = Kelvo 700 LX RS-485\r\nFirmware = 3.0 or higher\r\n", 2, 2, 0, CommScheme::kRs485, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxpRs232FwPre26, "Model = Kelvo 700 LXP RS-232\r\nFirmware less than 2.6\r\n", 2, 2, 0, CommScheme::kRs232, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxpRs232Fw26Ext, "Model = Kelvo 700 LXP RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nExternal Power Option\r\n", 2, 2, 2, CommScheme::kRs232, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxpRs232Fw26, "Model = Kelvo 700 LXP RS-232\r\nFirmware 2.6 and higher, less than 3.0\r\nNo External Power Option\r\n", 2, 2, 0, CommScheme::kRs232, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxpRs232Fw30, "Model = Kelvo 700 LXP RS-232\r\nFirmware = 3.0 or higher, less than 4.0\r\n", 2, 2, 0, CommScheme::kRs232RealTime, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxpRs232Fw40, "Model = Kelvo 700 LXP RS-232\r\nFirmware = 4.0 or higher\r\n", 1, 2, 0, CommScheme::kRs232Pumped40, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxpRs485FwPre23, "Model = Kelvo 700 LXP RS-485\r\nFirmware less than 2.3\r\n", 2, 2, 0, CommScheme::kRs485, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxpRs485Fw23, "Model = Kelvo 700 LXP RS-485\r\nFirmware > = 2.3 and < 3.0\r\n", 2, 2, 0, CommScheme::kRs485, 1, 1, FamilyCode::k700},
    {V::CInstrument700LxpRs485Fw30, "Model = Kelvo 700 LXP RS-485\r\nFirmware = 3.0 or higher\r\n", 2, 2, 0, CommScheme::kRs485, 1, 1, FamilyCode::k700},
    {V::CInstrument700MxpOxFw40, "Model = Kelvo 700 MXP OX\r\nFirmware 4.0\r\n", -1, 2, 0, CommScheme::kModemOxygen, 1, 0, FamilyCode::k700},
    {V::CInstrument700MxpOxFw11, "Model = Kelvo 700 MXP OX\r\nFirmware 1.1 or higher\r\n", 1, 1, 0, CommScheme::kModemOxygen, 1, 0, FamilyCode::k700},
    {V::CInstrument700LxpOxRs232, "Model = Kelvo 700 LXP OX RS-232\r\nFirmware 1.0 or higher\r\n", 1, 1, 0, CommScheme::kRs232Oxygen, 1, 1, FamilyCode::k700},
    {V::CInstrument710ModemFwPre11, "Model = Kelvo 710 MX\r\nFirmware less than 1.1\r\n", 1, 2, 0, CommScheme::kModem, 1, 0, FamilyCode::k710},
    {V::CInstrument710ModemFw11, "Model = Kelvo 710 MX\r\nFirmware 1.1 or higher\r\n", 1, 2, 0, CommScheme::kModem, 1, 0, FamilyCode::k710},
    {V::CInstrument710Rs232FwPre20, "Model = Kelvo 710 RS-232\r\nFirmware less than 2.0\r\n", 2, 2, 0, CommScheme::kRs232RealTime, 1, 1, FamilyCode::k710},
    {V::CInstrument710Rs232Fw20, "Model = Kelvo 710 RS-232\r\nFirmware >= 2.0 and < 3.1\r\n", 2, 2, 0, CommScheme::kRs232RealTime, 1, 1, FamilyCode::k710},
    {V::CInstrument710Rs232Fw31, "Model = Kelvo 710 RS-232\r\nFirmware 3.1 or higher\r\n", 2, 2, 0, CommScheme::kRs232RealTime, 1, 1, FamilyCode::k710},
};

// Quiescent current, min / max interval, NCycles, NAvg, communication current
// and time, batteries, pressure sensors, report form.
constexpr CKelvoConstants kConstants[kKelvoVariantCount] = {
    {V::CInstrument700MxFwTo14, 0.0001, 10, 14400, 0, 0, 0.0031, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.03}, {"Strain gauge", 0.03}}, F::Kelvo700},
    {V::CInstrument700MxFw20, 0.0001, 10, 14400, 0, 0, 0.005, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.03}, {"Strain gauge", 0.03}}, F::Kelvo700},
    {V::CInstrument700MxFw30, 0.00012, 6, 14400, 0, 0, 0.0025, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.013}, {"Strain gauge", 0.013}}, F::Kelvo700},
    {V::CInstrument700MxpFw20, 0.0001, 10, 14400, 0, 0, 0.005, 0.5, {{"AA Lithium", kPumpShare * 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.03}, {"Strain gauge", 0.03}}, F::Kelvo700},
    {V::CInstrument700MxpFw30, 0.00012, 6, 14400, 0, 0, 0.0025, 0.5, {{"AA Lithium", kPumpShare * 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.013}, {"Strain gauge", 0.013}}, F::Kelvo700},
    {V::CInstrument700MxpFw40, 0.000055, 6, 14400, 0, 0, 0.0025, 0.5, {{"AA Lithium", 6.0}, {}}, {{"none", 0.008}, {"Strain gauge", 0.008}}, F::Kelvo700},
    {V::CInstrument700LxRs232FwTo16, 0.00001, 10, 14400, 0, 0, 0.0043, 0.0, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.04}, {"Strain gauge", 0.04}}, F::Kelvo700},
    {V::CInstrument700LxRs232Fw20, 0.00001, 5, 14400, 0, 1, 0.0043, 0.0, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.025}, {"Strain gauge", 0.025}}, F::Kelvo700},
    {V::CInstrument700LxRs232Fw26Ext, 0.00001, 10, 14400, 0, 1, 0.0043, 0.0, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.035}, {"Strain gauge", 0.035}}, F::Kelvo700},
    {V::CInstrument700LxRs232Fw26, 0.00001, 10, 14400, 0, 1, 0.0043, 0.0, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.02}, {"Strain gauge", 0.02}}, F::Kelvo700},
    {V::CInstrument700LxRs232Fw30, 0.00003, 6, 14400, 0, 0, 0.00015, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.013}, {"Strain gauge", 0.013}}, F::Kelvo700},
    {V::CInstrument700LxRs485FwTo13, 0.00003, 10, 14400, 1, 0, 0.0011, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.035}, {"Strain gauge", 0.035}}, F::Kelvo700},
    {V::CInstrument700LxRs485Fw20, 0.00003, 10, 14400, 0, 0, 0.0011, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.035}, {"Strain gauge", 0.035}}, F::Kelvo700},
    {V::CInstrument700LxRs485Fw30, 0.00003, 6, 14400, 0, 0, 0.00015, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.013}, {"Strain gauge", 0.013}}, F::Kelvo700},
    {V::CInstrument700LxpRs232FwPre26, 0.00001, 10, 14400, 0, 1, 0.0043, 0.0, {{"AA Lithium", kPumpShare * 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.025}, {"Strain gauge", 0.025}}, F::Kelvo700},
    {V::CInstrument700LxpRs232Fw26Ext, 0.00001, 10, 14400, 0, 1, 0.0043, 0.0, {{"AA Lithium", kPumpShare * 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.035}, {"Strain gauge", 0.035}}, F::Kelvo700},
    {V::CInstrument700LxpRs232Fw26, 0.00001, 10, 14400, 0, 1, 0.0043, 0.0, {{"AA Lithium", kPumpShare * 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.025}, {"Strain gauge", 0.025}}, F::Kelvo700},
    {V::CInstrument700LxpRs232Fw30, 0.00003, 6, 14400, 0, 0, 0.0043, 0.0, {{"AA Lithium", kPumpShare * 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.013}, {"Strain gauge", 0.013}}, F::Kelvo700},
    {V::CInstrument700LxpRs232Fw40, 0.00003, 6, 14400, 0, 0, 0.0043, 0.0, {{"AA Lithium", 6.0}, {}}, {{"none", 0.013}, {"Strain gauge", 0.013}}, F::Kelvo700},
    {V::CInstrument700LxpRs485FwPre23, 0.00003, 10, 14400, 0, 0, 0.0011, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.035}, {"Strain gauge", 0.035}}, F::Kelvo700},
    {V::CInstrument700LxpRs485Fw23, 0.00003, 10, 14400, 0, 0, 0.0011, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.035}, {"Strain gauge", 0.035}}, F::Kelvo700},
    {V::CInstrument700LxpRs485Fw30, 0.00003, 6, 14400, 0, 0, 0.00015, 0.5, {{"AA Lithium", 8.8}, {"Kelvo Custom", 5.0}}, {{"none", 0.013}, {"Strain gauge", 0.013}}, F::Kelvo700},
    {V::CInstrument700MxpOxFw40, 0.000055, 10, 21600, 0, 0, 0.01, 0.5, {{"AA Lithium", 6.0}, {}}, {{"none", 0.0075}, {"Strain gauge", 0.0128}}, F::OxygenAmpHours},
    {V::CInstrument700MxpOxFw11, 0.000055, 10, 21600, 0, 0, 0.01, 0.5, {{"AA Lithium", 6.0}, {}}, {{"Strain gauge", 0.0128}, {}}, F::OxygenJoulesQueried},
    {V::CInstrument700LxpOxRs232, 0.00003, 10, 21600, 0, 0, 0.01, 0.5, {{"AA Lithium", 6.0}, {}}, {{"Strain gauge", 0.0128}, {}}, F::OxygenJoulesRealTime},
    {V::CInstrument710ModemFwPre11, 0.00002, 10, 14400, 0, 0, 0.0006, 0.5, {{"Lithium", 2.0}, {}}, {{"none", 0.03}, {"Strain gauge", 0.03}}, F::Kelvo710Modem},
    {V::CInstrument710ModemFw11, 0.00002, 10, 14400, 0, 0, 0.0006, 0.0, {{"Lithium", 2.0}, {"Kelvo Custom", 5.0}}, {{"none", 0.03}, {"Strain gauge", 0.03}}, F::Kelvo710Modem},
    {V::CInstrument710Rs232FwPre20, 0.00001, 0, 14400, 0, 1, 0.0043, 0.0, {{"Lithium", 1.1}, {"Alkaline", 0.3}}, {{"none", 0.04}, {"Strain gauge", 0.04}}, F::Kelvo710Rs232},
    {V::CInstrument710Rs232Fw20, 0.00001, 0, 14400, 0, 1, 0.0043, 0.0, {{"Lithium", 1.1}, {"Alkaline", 0.3}}, {{"none", 0.04}, {"Strain gauge", 0.04}}, F::Kelvo710Rs232},
    {V::CInstrument710Rs232Fw31, 0.00001, 0, 14400, 0, 1, 0.0043, 0.0, {{"Lithium", 1.1}, {"Alkaline", 0.3}}, {{"none", 0.04}, {"Strain gauge", 0.04}}, F::Kelvo710Rs232},
};

// Each row names its variant, and stands at that variant's position.
static_assert(RowsInVariantOrder(kIdentities), "kIdentities: a row is out of place");
static_assert(RowsInVariantOrder(kConstants), "kConstants: a row is out of place");

template <std::size_t N>
void LoadList(COptionList<N>& rList, const CKelvoEntry (&aEntries)[2])
{
    for (int i = 0; i < 2 && aEntries[i].szName != nullptr; ++i)
        rList.Set(i, aEntries[i].szName, aEntries[i].dValue);
}

}  // namespace

const CKelvoIdentity& KelvoIdentity(EKelvoVariant eVariant)
{
    return kIdentities[static_cast<int>(eVariant)];
}

const CKelvoConstants& KelvoConstants(EKelvoVariant eVariant)
{
    return kConstants[static_cast<int>(eVariant)];
}

void LoadKelvoConstants(CInstrument& rInstrument, EKelvoVariant eVariant)
{
    const CKelvoConstants& row = KelvoConstants(eVariant);
    rInstrument.m_strDescription = KelvoIdentity(eVariant).szDescription;
    rInstrument.m_dQuiescentCurrent = row.dQuiescentCurrent;
    rInstrument.m_nMinSampleInterval = row.nMinSampleInterval;
    rInstrument.m_nMaxSampleInterval = row.nMaxSampleInterval;
    rInstrument.m_bUsesNCycles = row.bUsesNCycles;
    rInstrument.m_bUsesNAvg = row.bUsesNAvg;
    rInstrument.m_dCommCurrent = row.dCommCurrent;
    rInstrument.m_dCommTime = row.dCommTime;
    LoadList(rInstrument.m_aBatteries, row.aBatteries);
    LoadList(rInstrument.m_aPressureSensors, row.aPressureSensors);

    // Shared by the whole family. NAvg limits and message, NAvg 4, odd NCycles
    // allowed, no pressure sensor chosen and no auxiliary sensor names are the
    // record's own defaults already.
    rInstrument.m_dBaseSamplingTime = 1.8;
    rInstrument.m_aPumps.Set(0, "none", 0.0);
    rInstrument.m_nMaxAuxSensors = 0;
    rInstrument.m_bAsksPumpTimeParameters = IsOxygenForm(row.eForm) ? 1 : 0;
    // The Kelvo 710 modem has a battery chosen from the start.
    if (row.eForm == EKelvoForm::Kelvo710Modem)
        rInstrument.m_nBatteryIndex = 0;
}
