#include "CommandLineInfo.h"

#include <cctype>
#include <cstring>

namespace {
bool EqualNoCase(const char* szA, const char* szB)
{
    for (; *szA && *szB; ++szA, ++szB)
        if (std::tolower(static_cast<unsigned char>(*szA)) != std::tolower(static_cast<unsigned char>(*szB)))
            return false;
    return *szA == *szB;
}
}  // namespace

void CMoorplanCommandLineInfo::ParseParam(const char* szParam, bool bFlag, bool)
{
    if (!bFlag || !szParam)
        return;
    if (EqualNoCase(szParam, "TEST"))
        m_bTest = true;
    else if (EqualNoCase(szParam, "MANUAL"))
        m_bManual = true;
    else if (EqualNoCase(szParam, "485Nereids"))
        m_b485 = true;
}

void CMoorplanCommandLineInfo::ParseCommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* szParam = argv[i];
        const bool bFlag = (szParam[0] == '/' || szParam[0] == '-');
        ParseParam(bFlag ? szParam + 1 : szParam, bFlag, i == argc - 1);
    }
}
