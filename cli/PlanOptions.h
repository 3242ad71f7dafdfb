#pragma once

#include <map>
#include <string>
#include <vector>

// The options of one moorplan-report run, as written on the command line.
struct CPlanOptions {
    // Value options by name without the dashes; a repeated option keeps its last value.
    std::map<std::string, std::string> m_mapValues;
    // Each --aux adds a row: "TYPE" or "TYPE=CURRENT".
    std::vector<std::string> m_astrAux;
    bool m_bTest = false;
    bool m_b485 = false;
    bool m_bTrace = false;
    bool m_bHelp = false;

    bool Has(const std::string& strName) const { return m_mapValues.count(strName) != 0; }
    const std::string& Value(const std::string& strName) const { return m_mapValues.at(strName); }
};

// Reads argv[1..]: "--name VALUE" or "--name=VALUE", the switches, and checks
// the keywords. False with a one-line reason on a usage error.
bool ParsePlanOptions(int argc, const char* const* argv, CPlanOptions& options, std::string& strError);
