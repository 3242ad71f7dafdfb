#pragma once

#include <map>
#include <string>
#include <vector>

// The options of one moorplan-report run, as written on the command line.
// Which options there are, and of what kind, is OptionTable's business.
struct CPlanOptions {
    // Page answers and settings by name without the dashes; a repeated option keeps its last value.
    std::map<std::string, std::string> m_mapValues;
    // Options given once per row (--aux): every value, in the order given.
    std::map<std::string, std::vector<std::string>> m_mapRows;
    // Switches.
    bool m_bTest = false;
    bool m_b485 = false;
    bool m_bTrace = false;
    bool m_bHelp = false;
    bool m_bJson = false;

    bool Has(const std::string& strName) const { return m_mapValues.count(strName) != 0; }
    const std::string& Value(const std::string& strName) const { return m_mapValues.at(strName); }
    std::vector<std::string> Rows(const std::string& strName) const
    {
        const auto it = m_mapRows.find(strName);
        return it == m_mapRows.end() ? std::vector<std::string>() : it->second;
    }
};

// Reads argv[1..]: "--name VALUE" or "--name=VALUE", the switches, and checks
// the keywords. False with a one-line reason on a usage error.
bool ParsePlanOptions(int argc, const char* const* argv, CPlanOptions& options, std::string& strError);
