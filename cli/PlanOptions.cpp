#include "PlanOptions.h"

#include "OptionTable.h"

#include <algorithm>

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
        const COptionRow* pRow = FindOption(strName);
        if (!pRow) {
            strError = "unknown option --" + strName;
            return false;
        }
        if (!pRow->TakesValue()) {
            if (nEquals != std::string::npos) {
                strError = "option --" + strName + " takes no value";
                return false;
            }
            options.*(pRow->pFlag) = true;
            continue;
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
        if (pRow->eKind == EOptionKind::PageRows)
            options.m_mapRows[strName].push_back(strValue);
        else
            options.m_mapValues[strName] = strValue;
    }
    // Only the last value of a repeated option counts, so keywords are checked last.
    for (const COptionRow& row : OptionTable()) {
        const std::vector<std::string> astrKeywords = row.Keywords();
        if (astrKeywords.empty() || !options.Has(row.szName))
            continue;
        const std::string& strValue = options.Value(row.szName);
        if (std::find(astrKeywords.begin(), astrKeywords.end(), strValue) == astrKeywords.end()) {
            strError = "--" + std::string(row.szName) + ": '" + strValue + "' is not one of its keywords";
            return false;
        }
    }
    return true;
}
