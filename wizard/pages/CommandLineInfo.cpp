#include "CommandLineInfo.h"

#include "MooringFile.h"
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

bool HasExtension(const char* szParam, const char* szExtension)
{
    const std::string strSuffix = std::string(".") + szExtension;
    const std::size_t nLength = std::strlen(szParam);
    return nLength >= strSuffix.size() && EqualNoCase(szParam + nLength - strSuffix.size(), strSuffix.c_str());
}

bool NamesPlan(const char* szParam, bool bFlag)
{
    std::error_code error;
    return !bFlag || HasExtension(szParam, PlanFile::kExtension) || HasExtension(szParam, MooringFile::kExtension) ||
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
    if (EqualNoCase(szParam, kMooringSwitchName))
        m_bMooring = true;
}

bool CMoorplanCommandLineInfo::OpensMooring() const
{
    return m_bMooring || HasExtension(m_strPlanFile.c_str(), MooringFile::kExtension);
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
