#include "CommandLineInfo.h"

#include "PlanFile.h"

#include <cctype>
#include <cstring>
#include <filesystem>

namespace {
bool EqualNoCase(const char* szA, const char* szB)
{
    for (; *szA && *szB; ++szA, ++szB)
        if (std::tolower(static_cast<unsigned char>(*szA)) != std::tolower(static_cast<unsigned char>(*szB)))
            return false;
    return *szA == *szB;
}

bool NamesPlan(const char* szParam, bool bFlag)
{
    const std::string strSuffix = std::string(".") + PlanFile::kExtension;
    const std::size_t nLength = std::strlen(szParam);
    std::error_code error;
    return !bFlag || (nLength >= strSuffix.size() && EqualNoCase(szParam + nLength - strSuffix.size(), strSuffix.c_str())) ||
           std::filesystem::is_regular_file(szParam, error);
}
}  // namespace

void CMoorplanCommandLineInfo::ParseParam(const char* szParam, bool bFlag, bool)
{
    if (!bFlag || !szParam)
        return;
    for (const CWizardSwitchName& name : kWizardSwitchNames)
        if (EqualNoCase(szParam, name.szName))
            this->*name.pFlag = true;
}

void CMoorplanCommandLineInfo::ParseCommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* szParam = argv[i];
        const bool bFlag = (szParam[0] == '/' || szParam[0] == '-');
        if (m_strPlanFile.empty() && NamesPlan(szParam, bFlag))
            m_strPlanFile = szParam;
        ParseParam(bFlag ? szParam + 1 : szParam, bFlag, i == argc - 1);
    }
}
