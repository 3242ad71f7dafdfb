#include "ChoiceMatch.h"

#include <cctype>

namespace {
bool EqualNoCase(const std::string& strA, const std::string& strB)
{
    if (strA.size() != strB.size())
        return false;
    for (std::size_t i = 0; i < strA.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(strA[i])) != std::tolower(static_cast<unsigned char>(strB[i])))
            return false;
    return true;
}

// A plain decimal index below nCount (leading zeros allowed), or -1.
int IndexOf(const std::string& strText, int nCount)
{
    if (strText.empty())
        return -1;
    long long nIndex = 0;
    for (char c : strText) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -1;
        nIndex = nIndex * 10 + (c - '0');
        if (nIndex >= nCount)
            return -1;
    }
    return static_cast<int>(nIndex);
}

}  // namespace

std::string TrimBlanks(const std::string& strText)
{
    const auto nFirst = strText.find_first_not_of(" \t");
    if (nFirst == std::string::npos)
        return std::string();
    const auto nLast = strText.find_last_not_of(" \t");
    return strText.substr(nFirst, nLast - nFirst + 1);
}

int MatchChoice(const std::string& strValue, const std::vector<std::string>& astrEntries)
{
    const std::string strWanted = TrimBlanks(strValue);
    for (std::size_t i = 0; i < astrEntries.size(); ++i)
        if (EqualNoCase(TrimBlanks(astrEntries[i]), strWanted))
            return static_cast<int>(i);
    return IndexOf(strWanted, static_cast<int>(astrEntries.size()));
}
