#include "PlanOptions.h"

#include "PlanFile.h"

#include <algorithm>

namespace {

struct COptionSpec {
    const char* szName;
    std::vector<std::string> astrKeywords;   // empty: any text
};

// Every value option; the keyword options accept exactly the words listed.
const std::vector<COptionSpec>& ValueOptions()
{
    static const std::vector<COptionSpec> aSpecs = {
        {"model", {}},
        {"comm", {}},
        {"firmware", {}},
        {"pressure-sensor", {}},
        {"paros-time", {}},
        {"pump", {}},
        {"pump-mode", {"1", "2"}},
        {"interval", {}},
        {"ncycles", {}},
        {"navg", {}},
        {"delay", {}},
        {"sampling", {"autonomous", "polled", "serial-sync", "interval", "continuous", "polled-low", "polled-high"}},
        {"transmit-real-time", {"on", "off"}},
        {"receive-line-valid", {"on", "off"}},
        {"instruments-queried", {}},
        {"comms-per-hour", {}},
        {"aux", {}},
        {"battery", {}},
        {"temperature", {}},
        {"pressure", {}},
        {"tau20", {}},
        {"plan", {}},
        {"save-plan", {}},
    };
    return aSpecs;
}

const COptionSpec* FindValueOption(const std::string& strName)
{
    for (const COptionSpec& spec : ValueOptions())
        if (strName == spec.szName)
            return &spec;
    return nullptr;
}

bool* FindSwitch(const std::string& strName, CPlanOptions& options)
{
    if (strName == "test")
        return &options.m_bTest;
    if (strName == "485Nereids")
        return &options.m_b485;
    if (strName == "trace")
        return &options.m_bTrace;
    if (strName == "help")
        return &options.m_bHelp;
    return nullptr;
}

// A mistake in the options themselves: the help text tells how to write them.
bool UsageError(std::string& strError, const std::string& strText)
{
    strError = strText + " (see --help)";
    return false;
}

}  // namespace

bool ParsePlanOptions(int argc, const char* const* argv, CPlanOptions& options, std::string& strError)
{
    for (int i = 1; i < argc; ++i) {
        const std::string strArg = argv[i];
        if (strArg.compare(0, 2, "--") != 0) {
            return UsageError(strError, "unexpected argument '" + strArg + "'");
        }
        const auto nEquals = strArg.find('=');
        const std::string strName = strArg.substr(2, nEquals == std::string::npos ? std::string::npos : nEquals - 2);
        if (bool* pSwitch = FindSwitch(strName, options)) {
            if (nEquals != std::string::npos) {
                return UsageError(strError, "option --" + strName + " takes no value");
            }
            *pSwitch = true;
            continue;
        }
        const COptionSpec* pSpec = FindValueOption(strName);
        if (!pSpec) {
            return UsageError(strError, "unknown option --" + strName);
        }
        std::string strValue;
        if (nEquals != std::string::npos) {
            strValue = strArg.substr(nEquals + 1);
        } else if (i + 1 < argc) {
            strValue = argv[++i];
        } else {
            return UsageError(strError, "option --" + strName + " needs a value");
        }
        if (strName == "plan") {
            if (!PlanFile::Read(strValue, options.m_answers, strError))
                return false;
            continue;
        }
        if (strName == "save-plan") {
            options.m_strSavePlan = strValue;
            continue;
        }
        if (strName == "aux") {
            const auto nRowEquals = strValue.find('=');
            CAuxAnswer row;
            row.m_strType = strValue.substr(0, nRowEquals);
            row.m_bHasCurrent = nRowEquals != std::string::npos;
            if (row.m_bHasCurrent)
                row.m_strCurrent = strValue.substr(nRowEquals + 1);
            options.m_answers.AddAux(row);
            continue;
        }
        options.m_answers.Set(strName, strValue);
    }
    // Only the last value of a repeated option counts, so keywords are checked
    // last. A plan file's keywords are checked by the page that reads them.
    for (const COptionSpec& spec : ValueOptions()) {
        if (spec.astrKeywords.empty() || !options.m_answers.Has(spec.szName)
            || options.m_answers.Subject(spec.szName) != "--" + std::string(spec.szName))
            continue;
        const std::string& strValue = options.m_answers.Value(spec.szName);
        if (std::find(spec.astrKeywords.begin(), spec.astrKeywords.end(), strValue) == spec.astrKeywords.end()) {
            return UsageError(strError, "--" + std::string(spec.szName) + ": '" + strValue + "' is not one of its keywords");
        }
    }
    return true;
}
