#include "DayText.h"

#include <cctype>
#include <cstdio>
#include <iterator>

namespace DayText {
namespace {

constexpr const char* kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr int kMonths = static_cast<int>(std::size(kMonthAbbreviations));

bool SameLetter(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

const char* MonthAbbreviation(int nMonth)
{
    return nMonth >= 1 && nMonth <= kMonths ? kMonthAbbreviations[nMonth - 1] : "???";
}

int MonthOfWord(std::string_view word)
{
    if (word.size() < 3)
        return 0;
    for (int nMonth = 1; nMonth <= kMonths; ++nMonth) {
        const char* szAbbreviation = kMonthAbbreviations[nMonth - 1];
        if (SameLetter(word[0], szAbbreviation[0]) && SameLetter(word[1], szAbbreviation[1])
            && SameLetter(word[2], szAbbreviation[2]))
            return nMonth;
    }
    return 0;
}

std::string DayMonthYear(long long nYear, int nMonth, int nDay)
{
    char szText[48];
    std::snprintf(szText, sizeof szText, "%02d %s %04lld", nDay, MonthAbbreviation(nMonth), nYear);
    return szText;
}

}  // namespace DayText
