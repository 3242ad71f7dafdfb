#include "Variants600.h"

namespace {

// Pressure sensors and pumps: name and the current in amps (for a pressure
// sensor, the instrument's current while sampling with it).
const std::vector<C600OptionRow> kPressure610 = {{"none", 0.13}, {"Strain gauge", 0.18}, {"Digiquartz", 0.245}};
const std::vector<C600OptionRow> kPressure620Low = {{"none", 0.05}, {"Strain gauge", 0.065}, {"Digiquartz", 0.065}};
const std::vector<C600OptionRow> kPressure620High = {{"none", 0.055}, {"Strain gauge", 0.07}, {"Digiquartz", 0.07}};
const std::vector<C600OptionRow> kPressure630FwTo16 = {{"Strain gauge", 0.065}};
const std::vector<C600OptionRow> kPressure630Fw20 = {{"Strain gauge", 0.07}, {"Digiquartz", 0.07}};

const std::vector<C600OptionRow> kPumps610 = {
    {"none", 0.0}, {"P4M", 0.1}, {"P4P Low Pwr 2000 RPM", 0.15}, {"P4T Low Pwr 2000 RPM", 0.15}};
const std::vector<C600OptionRow> kPumps630 = {
    {"P4M", 0.1}, {"P4P Low Pwr 2000 RPM", 0.15}, {"P4T Low Pwr 2000 RPM", 0.15}};

// Auxiliary sensor types offered, with their default current texts.
const std::vector<C600AuxTypeRow> kAux610 = {
    {"none", "0.0"}, {"Kelvo 810", "0.015"}, {"Kelvo 830", "0.010"}, {"Kelvo 820", "0.006"}, {"Other", "0.0"}};
const std::vector<C600AuxTypeRow> kAux630Fw20 = {
    {"none", "0.0"},       {"Kelvo 810", "0.015"}, {"Kelvo 830", "0.010"},
    {"Kelvo 840", "0.015"}, {"Kelvo 820", "0.006"}, {"Other", "0.0"}};
const std::vector<C600AuxTypeRow> kAux620 = {
    {"none", "0.0"},        {"Kelvo 810", "0.015"}, {"Kelvo 830", "0.010"}, {"Kelvo 840", "0.015"},
    {"Kelvo 820", "0.006"}, {"Kelvo 850", "0.040"}, {"Other", "0.0"}};


// clang-format off
const C600VariantConstants kVariants[] = {
//   description
//   pressure count, pump count, comm scheme, pump modes, quiescent (A), min / max interval (s),
//   NCycles asked, NCycles default, delay asked, Paros asked, Paros time (s),
//   comm current (A), comm time (s), base sampling time (s), max aux sensors,
//   pump chosen, pump mode, pressure sensors, pumps, aux types
    {"Kelvo 610\r\n",
     3, 4, CommScheme::kNotQueried, 0, 5e-05,    15, 32767, 0, 1, 0, 0, 0, 0.0,    0.0, 0.0, 4, -1, 0, &kPressure610,       &kPumps610, &kAux610},
    {"Model = Kelvo 620 RS-232\r\nFirmware = 1.8c or less\r\n",
     3, 4, CommScheme::kNotQueried, 1, 3e-05,    10, 14400, 1, 1, 1, 1, 1, 0.06,   0.0, 2.2, 4, -1, 0, &kPressure620Low,    &kPumps610, &kAux620},
    {"Model = Kelvo 620 RS-232\r\nFirmware = 2.0 or higher\r\n",
     3, 4, CommScheme::kNotQueried, 1, 2e-05,    10, 14400, 1, 1, 1, 1, 1, 0.065,  0.0, 2.2, 8, -1, 0, &kPressure620High,   &kPumps610, &kAux620},
    {"Model = Kelvo 620 RS-485\r\nFirmware = 1.2 or less\r\n",
     3, 4, CommScheme::kQueried,    1, 6e-05,    10, 14400, 1, 1, 1, 1, 1, 0.0017, 0.5, 2.2, 4, -1, 0, &kPressure620High,   &kPumps610, &kAux620},
    {"Model = Kelvo 620 MX\r\nFirmware = 1.2c or less\r\n",
     3, 4, CommScheme::kQueried,    1, 0.000135, 10, 14400, 1, 1, 1, 0, 0, 0.005,  0.5, 2.2, 4, -1, 0, &kPressure620Low,    &kPumps610, &kAux620},
    {"Model = Kelvo 620 MX\r\nFirmware = 2.0 or higher\r\n",
     3, 4, CommScheme::kQueried,    1, 0.00014,  10, 14400, 1, 1, 1, 1, 1, 0.004,  0.5, 2.2, 8, -1, 0, &kPressure620High,   &kPumps610, &kAux620},
    {"Model = Kelvo 630 Moored Mode\r\nFirmware = 1.6b or less\r\n",
     1, 3, CommScheme::kNotQueried, 1, 3e-05,    10, 14400, 1, 1, 1, 1, 0, 0.06,   0.0, 2.5, 4,  0, 1, &kPressure630FwTo16, &kPumps630, &kAux610},
    {"Model = Kelvo 630 Moored Mode\r\nFirmware = 2.0 or higher\r\n",
     2, 3, CommScheme::kNotQueried, 1, 2e-05,    10, 14400, 1, 1, 1, 1, 0, 0.06,   0.0, 2.5, 8,  0, 1, &kPressure630Fw20,   &kPumps630, &kAux630Fw20},
};
// clang-format on

// What choosing a pressure sensor does to the timing of the two variants
// that react to it.
struct CSensorTiming {
    int nNCycles;
    int bNCyclesEven;
};
constexpr int kDigiquartz620 = 2;
constexpr CSensorTiming kSingleCycle = {1, 0};
constexpr CSensorTiming kEvenCycles = {2, 1};
constexpr int kStrainGauge630 = 0;
constexpr double kBaseTime630StrainGauge = 2.5;
constexpr double kBaseTime630Digiquartz = 2.45;

}  // namespace

const C600VariantConstants& Variant600Constants(E600Variant eRow)
{
    return kVariants[static_cast<int>(eRow)];
}

CInstrument610::CInstrument610(int nModelIndex, int nCommIndex, int nFirmwareIndex)
    : CInstrument600Series(nModelIndex, nCommIndex, nFirmwareIndex, Variant600Constants(E600Variant::k610))
{
}

void CInstrument620ModemFwTo12::SetPressureSensorIndex(int nIndex)
{
    CInstrument620::SetPressureSensorIndex(nIndex);
    const CSensorTiming& timing = nIndex == kDigiquartz620 ? kEvenCycles : kSingleCycle;
    m_nNCycles = timing.nNCycles;
    m_bNCyclesEven = timing.bNCyclesEven;
}

void CInstrument630Fw20::SetPressureSensorIndex(int nIndex)
{
    CInstrument630::SetPressureSensorIndex(nIndex);
    const bool bStrainGauge = nIndex == kStrainGauge630;
    const CSensorTiming& timing = bStrainGauge ? kSingleCycle : kEvenCycles;
    m_dBaseSamplingTime = bStrainGauge ? kBaseTime630StrainGauge : kBaseTime630Digiquartz;
    m_nNCycles = timing.nNCycles;
    m_bNCyclesEven = timing.bNCyclesEven;
}
