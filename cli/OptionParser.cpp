#include "OptionParser.h"

#include "OptionTable.h"
#include "PlanFile.h"

#include <algorithm>

namespace {

// A mistake in the options themselves: the help text tells how to write them.
bool UsageError(std::string& strError, const std::string& strText)
{
    strError = strText + " (see --help)";
    return false;
}

// "TYPE" or "TYPE=CURRENT".
CAuxAnswer AuxRow(const std::string& strValue)
{
    const auto nEquals = strValue.find('=');
    CAuxAnswer row;
    row.m_strType = strValue.substr(0, nEquals);
    row.m_bHasCurrent = nEquals != std::string::npos;
    if (row.m_bHasCurrent)
        row.m_strCurrent = strValue.substr(nEquals + 1);
    return row;
}

}  // namespace

bool ParsePlanOptions(int argc, const char* const* argv, CReportOptions& options, std::string& strError)
{
    for (int i = 1; i < argc; ++i) {
        const std::string strArg = argv[i];
        if (strArg.compare(0, 2, "--") != 0)
            return UsageError(strError, "unexpected argument '" + strArg + "'");
        const auto nEquals = strArg.find('=');
        const std::string strName = strArg.substr(2, nEquals == std::string::npos ? std::string::npos : nEquals - 2);
        const COptionRow* pRow = FindOption(strName);
        if (!pRow)
            return UsageError(strError, "unknown option --" + strName);
        if (!pRow->TakesValue()) {
            if (nEquals != std::string::npos)
                return UsageError(strError, "option --" + strName + " takes no value");
            options.*(pRow->pFlag) = true;
            continue;
        }
        std::string strValue;
        if (nEquals != std::string::npos)
            strValue = strArg.substr(nEquals + 1);
        else if (i + 1 < argc)
            strValue = argv[++i];
        else
            return UsageError(strError, "option --" + strName + " needs a value");
        // A plan file's answers take their place among the options here.
        if (strName == kPlanOption) {
            if (!PlanFile::Read(strValue, options.m_answers, strError))
                return false;
        } else if (pRow->eKind == EOptionKind::PageRows) {
            options.m_answers.AddAux(AuxRow(strValue));
        } else if (pRow->eKind == EOptionKind::PageAnswer) {
            options.m_answers.Set(strName, strValue);
        } else {
            options.m_mapValues[strName] = strValue;
        }
    }
    // Only the last value of a repeated option counts, so keywords are checked
    // last. A plan file's answers are checked by the pages that read them.
    for (const COptionRow& row : OptionTable()) {
        const std::vector<std::string> astrKeywords = row.Keywords();
        const bool bAnswer = row.eKind == EOptionKind::PageAnswer;
        if (astrKeywords.empty() || !(bAnswer ? options.m_answers.Has(row.szName) : options.Has(row.szName))
            || (bAnswer && !options.m_answers.FromCommandLine(row.szName)))
            continue;
        const std::string& strValue = bAnswer ? options.m_answers.Value(row.szName) : options.Value(row.szName);
        if (std::find(astrKeywords.begin(), astrKeywords.end(), strValue) == astrKeywords.end())
            return UsageError(strError, "--" + std::string(row.szName) + ": '" + strValue + "' is not one of its keywords");
    }
    return true;
}
