#pragma once

#include <string>

// A day of the Gregorian calendar (carried on before 1582), and its number:
// the days since 1970-01-01. Expected ends, deployments and recoveries are
// counted in these numbers, so a leap day or a year end needs no rule of its
// own.
struct CCivilDay {
    long long m_nYear = 1970;
    int m_nMonth = 1;   // 1 to 12
    int m_nDay = 1;     // 1 to the month's last day

    // Whether the month has such a day (years from 1 on).
    bool IsValid() const;
    long long Number() const;
    static CCivilDay FromNumber(long long nNumber);

    bool operator==(const CCivilDay& other) const { return Number() == other.Number(); }
    bool operator!=(const CCivilDay& other) const { return !(*this == other); }
};

// The day as ISO 8601 writes it, "2026-03-15" (years past 9999 in more
// digits).
std::string IsoDayText(const CCivilDay& day);

// A day written exactly YYYY-MM-DD, from 0001-01-01 to 9999-12-31; false for
// anything else, a day the month does not have included.
bool ParseIsoDay(const std::string& strText, CCivilDay& day);
