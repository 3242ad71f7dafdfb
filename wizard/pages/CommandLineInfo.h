#pragma once

#include <string>

// The wizard's three switches: "TEST", "MANUAL" and "485Nereids", each after
// a slash or a dash, in any letter case, and the plan file to open. Everything
// else on the command line is ignored without a message.
class CMoorplanCommandLineInfo {
public:
    // One parameter, without its leading slash or dash; bFlag says whether it
    // had one. bLast is passed through as the toolkit does and not used.
    void ParseParam(const char* szParam, bool bFlag, bool bLast);

    // Parses argv[1..argc-1] as the toolkit would: a leading '/' or '-' marks
    // a flag and is removed before ParseParam sees the text.
    void ParseCommandLine(int argc, const char* const* argv);

    bool m_bTest = false;
    bool m_bManual = false;
    bool m_b485 = false;
    // The first parameter without a leading slash or dash, or one that names
    // a file or ends in ".moorplan": an absolute path starts with a slash
    // too, and the desktop entry always passes one. Empty when there is none.
    std::string m_strPlanFile;
};
