#include "CivilDay.h"

#include <cstdio>

// The day numbers follow the well-known era arithmetic: 400-year eras of
// 146097 days, years counted from March so the leap day comes last.
long long CCivilDay::Number() const
{
    const long long nYear = m_nYear - (m_nMonth <= 2);
    const long long nEra = (nYear >= 0 ? nYear : nYear - 399) / 400;
    const long long nYearOfEra = nYear - nEra * 400;
    const long long nDayOfYear = (153 * (m_nMonth + (m_nMonth > 2 ? -3 : 9)) + 2) / 5 + m_nDay - 1;
    return nEra * 146097 + nYearOfEra * 365 + nYearOfEra / 4 - nYearOfEra / 100 + nDayOfYear - 719468;
}

CCivilDay CCivilDay::FromNumber(long long nNumber)
{
    nNumber += 719468;
    const long long nEra = (nNumber >= 0 ? nNumber : nNumber - 146096) / 146097;
    const long long nDayOfEra = nNumber - nEra * 146097;
    const long long nYearOfEra = (nDayOfEra - nDayOfEra / 1460 + nDayOfEra / 36524 - nDayOfEra / 146096) / 365;
    const long long nDayOfYear = nDayOfEra - (365 * nYearOfEra + nYearOfEra / 4 - nYearOfEra / 100);
    const long long nShifted = (5 * nDayOfYear + 2) / 153;
    CCivilDay day;
    day.m_nDay = static_cast<int>(nDayOfYear - (153 * nShifted + 2) / 5 + 1);
    day.m_nMonth = static_cast<int>(nShifted < 10 ? nShifted + 3 : nShifted - 9);
    day.m_nYear = nYearOfEra + nEra * 400 + (day.m_nMonth <= 2);
    return day;
}

bool CCivilDay::IsValid() const
{
    if (m_nYear < 1 || m_nMonth < 1 || m_nMonth > 12 || m_nDay < 1 || m_nDay > 31)
        return false;
    const CCivilDay same = FromNumber(Number());
    return same.m_nMonth == m_nMonth && same.m_nDay == m_nDay;
}

std::string IsoDayText(const CCivilDay& day)
{
    char szText[48];
    std::snprintf(szText, sizeof szText, "%04lld-%02d-%02d", day.m_nYear, day.m_nMonth, day.m_nDay);
    return szText;
}

bool ParseIsoDay(const std::string& strText, CCivilDay& day)
{
    if (strText.size() != 10 || strText[4] != '-' || strText[7] != '-')
        return false;
    int anField[3] = {0, 0, 0};
    const int anStart[3] = {0, 5, 8};
    const int anLength[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f) {
        for (int i = anStart[f]; i < anStart[f] + anLength[f]; ++i) {
            const char c = strText[static_cast<std::size_t>(i)];
            if (c < '0' || c > '9')
                return false;
            anField[f] = anField[f] * 10 + (c - '0');
        }
    }
    CCivilDay parsed;
    parsed.m_nYear = anField[0];
    parsed.m_nMonth = anField[1];
    parsed.m_nDay = anField[2];
    if (!parsed.IsValid())
        return false;
    day = parsed;
    return true;
}
