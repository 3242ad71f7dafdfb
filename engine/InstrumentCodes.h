#pragma once

// The numbers the record, the catalogue and the pages share, named once.
// Each index is a position: the order of the buttons or lists that choose it.

// Model index: the introduction page's buttons, top to bottom, and the rows of
// the firmware catalogue and the factory.
namespace ModelIndex {
enum : int {
    k610 = 0,
    k620 = 1,
    k630 = 2,             // in moored mode
    k700NoPump = 3,
    k700Pump = 4,         // integral pump
    k700PumpOxygen = 5,   // integral pump and integral oxygen sensor
    k710 = 6,
    kCount = 7
};
}

// Communications index: the communications page's buttons.
namespace CommIndex {
enum : int { kRs232 = 0, kRs485 = 1, kModem = 2, kCount = 3 };
}

// Communications scheme (m_nCommScheme): how the variant talks, which decides
// the sampling page's controls and the report's lines. The two families count
// differently.
namespace CommScheme {
enum : int {
    // Kelvo 610, 620 and 630: whether the instrument is queried on a shared
    // line (RS-485 network or inductive modem line).
    kNotQueried = 0,
    kQueried = 1,
    // Kelvo 700 and 710.
    kRs232 = 0,            // RS-232 without queried communications
    kRs232RealTime = 1,    // RS-232 whose sampling page offers "Transmit Real-time"
    kRs485 = 2,
    kModem = 3,            // inductive modem
    kModemOxygen = 4,      // inductive modem with oxygen sensor
    kRs232Oxygen = 5,      // RS-232 with oxygen sensor
    kRs232Pumped40 = 6,    // RS-232 pumped, firmware 4.0 or higher
};
}

// Family code (m_nFamilyCode): which page set and sampling page a variant gets.
namespace FamilyCode {
enum : int { k610 = 610, k700 = 700, k710 = 710 };
}

// Kelvo 700 sampling type (m_nSamplingType): its sampling page's buttons.
namespace SamplingType {
enum : int { kAutonomous = 0, kPolled = 1, kSerialSync = 2 };
}

// Kelvo 710 sampling mode (m_nSamplingMode): its sampling page's buttons.
namespace SamplingMode {
enum : int { kInterval = 0, kContinuous = 1, kPolledLow = 2, kPolledHigh = 3 };
}

// Hours become days with the double nearest 1/24.
inline constexpr double kDaysPerHour = 0.041666666666666664;

// From this many days of endurance on, the report warns that the batteries
// are not expected to last longer than 2 years.
inline constexpr double kTwoYearNoticeDays = 730.0;
// The warning itself, as the report's last lines.
inline constexpr const char* kTwoYearNotice = "Batteries are not expected\r\nto last longer than 2 years";
