#pragma once

#include <string>
#include <utility>
#include <vector>

// The answers of one plan: for each page answer of the answer table (named
// as moorplan-report names it) the text typed, the entry chosen or the button named, and the
// auxiliary sensor rows. A plan file, moorplan-report's options and a wizard
// session all come down to these answers.
struct CPlanAnswer {
    std::string m_strText;
    // The plan file the answer was read from; empty when it was given on the
    // command line. Messages about the answer point there.
    std::string m_strFile;
};

// The name of the answer given once per auxiliary sensor row.
inline constexpr const char* kAuxAnswer = "aux";

// One auxiliary sensor row: its type and, for a sensor of another maker, the
// current typed into its field.
struct CAuxAnswer {
    std::string m_strType;
    bool m_bHasCurrent = false;
    std::string m_strCurrent;
};

class CPlanAnswers {
public:
    bool Has(const std::string& strName) const { return Find(strName) != nullptr; }
    const std::string& Value(const std::string& strName) const { return Find(strName)->m_strText; }
    // Replaces an earlier answer of the same name in its place, or appends.
    void Set(const std::string& strName, const std::string& strText, const std::string& strFile = std::string());
    // Every answer in the order given (the page order for a captured plan).
    const std::vector<std::pair<std::string, CPlanAnswer>>& Values() const { return m_aValues; }

    // The rows replace any rows of an earlier source.
    void SetAux(std::vector<CAuxAnswer> aRows, const std::string& strFile = std::string());
    // A row given on the command line: the first one after a plan file's rows
    // replaces them, later ones add to it.
    void AddAux(const CAuxAnswer& row);
    const std::vector<CAuxAnswer>& Aux() const { return m_aAux; }
    bool HasAux() const { return m_bAuxGiven; }
    // Whether the answer was given on the command line (not by a plan file).
    bool FromCommandLine(const std::string& strName) const { return Find(strName) && Find(strName)->m_strFile.empty(); }

    // How messages name the answer: "--name" for the command line, or the
    // file's name and the field, FILE: "name".
    std::string Subject(const std::string& strName) const;
    // The same for a value that is not a page option, from strFile.
    static std::string Subject(const std::string& strName, const std::string& strFile);
    // How messages show a value given for an answer: control characters
    // escaped as \u0000 (a NUL would cut the line short, a line end split
    // it) and a long text cut after 80 bytes with "...".
    static std::string Shown(const std::string& strValue);

private:
    const CPlanAnswer* Find(const std::string& strName) const;

    std::vector<std::pair<std::string, CPlanAnswer>> m_aValues;
    std::vector<CAuxAnswer> m_aAux;
    std::string m_strAuxFile;
    bool m_bAuxGiven = false;
};
