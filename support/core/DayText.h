#pragma once

#include <string>
#include <string_view>

// A day as "DD MMM YYYY" ("05 Jul 2027"), with English month abbreviations
// that never come from the locale: the one form of a day, shared by the
// support library's date texts, the finish page's expected end and the
// browser page.
namespace DayText {

// "Jan" to "Dec" for the months 1 to 12, "???" for any other number.
const char* MonthAbbreviation(int nMonth);

// The month 1 to 12 whose abbreviation the word's first three letters spell,
// in any letter case; 0 when none does (shorter words never match).
int MonthOfWord(std::string_view word);

// "DD MMM YYYY": the day in two digits, the month's abbreviation, the year in
// four digits (more where it needs them).
std::string DayMonthYear(long long nYear, int nMonth, int nDay);

}  // namespace DayText
