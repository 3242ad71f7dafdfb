#pragma once

#include <string>
#include <vector>

// Where an endurance goes: the terms a calculation adds up before it divides
// them into the battery, by consumer. Filled by the calculation itself while
// it runs (CInstrument::CalculateBreakdown), so the figures are the very terms
// that make the endurance, not a second estimate of them.
//
// Most calculations budget charge (amp-seconds per hour against amp-seconds);
// two oxygen variants budget energy (joules per hour against joules). The
// breakdown gives both per day, in amp-hours or in watt-hours.
enum class EBudgetUnit { Charge, Energy };

// The consumers, named as the chart and the JSON output show them.
namespace BreakdownPart {
inline constexpr const char* kSampling = "Sampling";
inline constexpr const char* kPump = "Pump";
inline constexpr const char* kAuxSensors = "Auxiliary sensors";
inline constexpr const char* kQuiescent = "Quiescent current";
inline constexpr const char* kCommunications = "Communications";
inline constexpr const char* kSelfDischarge = "Self-discharge";
inline constexpr const char* kOxygenWait = "Waiting for the oxygen flush";
inline constexpr const char* kIdle = "Idle between samples";
inline constexpr const char* kPolledListening = "Polled listening";
inline constexpr const char* kContinuous = "Continuous sampling";
}  // namespace BreakdownPart

struct CEndurancePart {
    std::string m_strName;
    double m_dPerDay;   // amp-hours or watt-hours per day
};

class CEnduranceBreakdown {
public:
    // Called by the calculation: its unit and the capacity it divides into
    // (amp-seconds or joules). Starts the list afresh.
    void Begin(EBudgetUnit eUnit, double dCapacity);
    // Called by the calculation for each term of its hourly sum (amp-seconds
    // or joules per hour). A consumer named twice adds up; a term that comes
    // to exactly zero per day is a consumer this plan does not have and is
    // left out.
    void Add(const char* szName, double dPerHour);

    EBudgetUnit Unit() const { return m_eUnit; }
    // "Ah" or "Wh".
    const char* UnitName() const;
    // The capacity the calculation divided into, in amp-hours or watt-hours
    // (after derating, where the variant derates).
    double Capacity() const { return m_dCapacity; }
    // In the order the calculation added them.
    const std::vector<CEndurancePart>& Parts() const { return m_aParts; }
    // The sum of the parts, per day.
    double TotalPerDay() const;

    // The endurance in days that the calculation returned.
    double m_dDays = 0.0;

private:
    EBudgetUnit m_eUnit = EBudgetUnit::Charge;
    double m_dCapacity = 0.0;
    std::vector<CEndurancePart> m_aParts;
};
