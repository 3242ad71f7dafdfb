#include "EnduranceBreakdown.h"

namespace {
// Amp-seconds (joules) per hour become amp-hours (watt-hours) per day.
constexpr double kPerHourToPerDay = 24.0 / 3600.0;
constexpr double kSecondsPerHour = 3600.0;
}  // namespace

void CEnduranceBreakdown::Begin(EBudgetUnit eUnit, double dCapacity)
{
    m_eUnit = eUnit;
    m_dCapacity = dCapacity / kSecondsPerHour;
    m_aParts.clear();
}

void CEnduranceBreakdown::Add(const char* szName, double dPerHour)
{
    // Tested per day: a tiny term per hour can come to nothing per day.
    const double dPerDay = dPerHour * kPerHourToPerDay;
    if (dPerDay == 0.0)
        return;
    for (CEndurancePart& part : m_aParts) {
        if (part.m_strName == szName) {
            part.m_dPerDay += dPerDay;
            return;
        }
    }
    m_aParts.push_back({szName, dPerDay});
}

const char* CEnduranceBreakdown::UnitName() const { return m_eUnit == EBudgetUnit::Energy ? "Wh" : "Ah"; }

double CEnduranceBreakdown::TotalPerDay() const
{
    double dTotal = 0.0;
    for (const CEndurancePart& part : m_aParts)
        dTotal += part.m_dPerDay;
    return dTotal;
}
