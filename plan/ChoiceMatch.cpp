#include "ChoiceMatch.h"

#include <cctype>
#include <string_view>

namespace {
bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The text without the blanks around it, in place.
std::string_view Trimmed(std::string_view text)
{
    const auto nFirst = text.find_first_not_of(" \t");
    if (nFirst == std::string_view::npos)
        return {};
    return text.substr(nFirst, text.find_last_not_of(" \t") - nFirst + 1);
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

std::string TrimBlanks(const std::string& strText) { return std::string(Trimmed(strText)); }

int MatchChoice(const std::string& strValue, const std::vector<std::string>& astrEntries)
{
    const std::string_view wanted = Trimmed(strValue);
    for (std::size_t i = 0; i < astrEntries.size(); ++i)
        if (EqualNoCase(Trimmed(astrEntries[i]), wanted))
            return static_cast<int>(i);
    return IndexOf(std::string(wanted), static_cast<int>(astrEntries.size()));
}
