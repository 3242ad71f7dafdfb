#include "PlanOptions.h"

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

}  // namespace

bool ParsePlanOptions(int argc, const char* const* argv, CPlanOptions& options, std::string& strError)
{
    for (int i = 1; i < argc; ++i) {
        const std::string strArg = argv[i];
        if (strArg.compare(0, 2, "--") != 0) {
            strError = "unexpected argument '" + strArg + "'";
            return false;
        }
        const auto nEquals = strArg.find('=');
        const std::string strName = strArg.substr(2, nEquals == std::string::npos ? std::string::npos : nEquals - 2);
        if (bool* pSwitch = FindSwitch(strName, options)) {
            if (nEquals != std::string::npos) {
                strError = "option --" + strName + " takes no value";
                return false;
            }
            *pSwitch = true;
            continue;
        }
        const COptionSpec* pSpec = FindValueOption(strName);
        if (!pSpec) {
            strError = "unknown option --" + strName;
            return false;
        }
        std::string strValue;
        if (nEquals != std::string::npos) {
            strValue = strArg.substr(nEquals + 1);
        } else if (i + 1 < argc) {
            strValue = argv[++i];
        } else {
            strError = "option --" + strName + " needs a value";
            return false;
        }
        if (strName == "aux") {
            options.m_astrAux.push_back(strValue);
            continue;
        }
        options.m_mapValues[strName] = strValue;
    }
    // Only the last value of a repeated option counts, so keywords are checked last.
    for (const COptionSpec& spec : ValueOptions()) {
        if (spec.astrKeywords.empty() || !options.Has(spec.szName))
            continue;
        const std::string& strValue = options.Value(spec.szName);
        if (std::find(spec.astrKeywords.begin(), spec.astrKeywords.end(), strValue) == spec.astrKeywords.end()) {
            strError = "--" + std::string(spec.szName) + ": '" + strValue + "' is not one of its keywords";
            return false;
        }
    }
    return true;
}
