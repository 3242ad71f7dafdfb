#include "PlanAnswers.h"

#include <algorithm>
#include <cstdio>

void CPlanAnswers::Set(const std::string& strName, const std::string& strText, const std::string& strFile)
{
    for (auto& entry : m_aValues) {
        if (entry.first == strName) {
            entry.second = CPlanAnswer{strText, strFile};
            return;
        }
    }
    m_aValues.emplace_back(strName, CPlanAnswer{strText, strFile});
}

void CPlanAnswers::SetAux(std::vector<CAuxAnswer> aRows, const std::string& strFile)
{
    m_aAux = std::move(aRows);
    m_strAuxFile = strFile;
    m_bAuxGiven = true;
}

void CPlanAnswers::AddAux(const CAuxAnswer& row)
{
    if (!m_strAuxFile.empty())
        m_aAux.clear();
    m_strAuxFile.clear();
    m_aAux.push_back(row);
    m_bAuxGiven = true;
}

std::string CPlanAnswers::Subject(const std::string& strName) const
{
    if (strName == kAuxAnswer)
        return Subject(strName, m_strAuxFile);
    const CPlanAnswer* pAnswer = Find(strName);
    return Subject(strName, pAnswer ? pAnswer->m_strFile : std::string());
}

std::string CPlanAnswers::Subject(const std::string& strName, const std::string& strFile)
{
    return strFile.empty() ? "--" + strName : strFile + ": \"" + strName + "\"";
}

std::string CPlanAnswers::Shown(const std::string& strValue)
{
    constexpr std::size_t kMaxBytes = 80;
    if (strValue.size() <= kMaxBytes
        && std::none_of(strValue.begin(), strValue.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return strValue;
    std::size_t nEnd = strValue.size();
    if (nEnd > kMaxBytes) {
        // Cut before a character, not inside one.
        nEnd = kMaxBytes;
        while (nEnd > 0 && (static_cast<unsigned char>(strValue[nEnd]) & 0xC0) == 0x80)
            --nEnd;
    }
    std::string strShown;
    for (std::size_t i = 0; i < nEnd; ++i) {
        const unsigned char c = static_cast<unsigned char>(strValue[i]);
        if (c < 0x20 || c == 0x7F) {
            char szEscape[8];
            std::snprintf(szEscape, sizeof szEscape, "\\u%04x", c);
            strShown += szEscape;
        } else {
            strShown += static_cast<char>(c);
        }
    }
    return nEnd < strValue.size() ? strShown + "..." : strShown;
}

const CPlanAnswer* CPlanAnswers::Find(const std::string& strName) const
{
    for (const auto& entry : m_aValues)
        if (entry.first == strName)
            return &entry.second;
    return nullptr;
}
