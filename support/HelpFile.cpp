#include "HelpFile.h"

#include <chm_lib.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>

namespace BvUtility::HelpFile {
namespace {

// Records of the file's system object that name its parts.
constexpr unsigned kSystemContentsFile = 0;
constexpr unsigned kSystemIndexFile = 1;
constexpr unsigned kSystemDefaultTopic = 2;
constexpr unsigned kSystemTitle = 3;

std::uint32_t LittleEndian(const std::string& strData, std::size_t nAt, std::size_t nBytes)
{
    std::uint32_t nValue = 0;
    for (std::size_t n = 0; n < nBytes; ++n)
        nValue |= static_cast<std::uint32_t>(static_cast<unsigned char>(strData[nAt + n])) << (8 * n);
    return nValue;
}

// The text up to the first terminator (or the end) of a field.
std::string CString(const std::string& strData, std::size_t nAt, std::size_t nLength)
{
    const std::string strField = strData.substr(nAt, nLength);
    return strField.substr(0, strField.find('\0'));
}

std::string Lower(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return str;
}

std::string DecodeEntities(const std::string& strText)
{
    static const std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
    std::string strResult;
    for (std::size_t n = 0; n < strText.size();) {
        const auto* pEntity = std::find_if(std::begin(kEntities), std::end(kEntities), [&](const auto& entity) {
            return strText.compare(n, std::char_traits<char>::length(entity.first), entity.first) == 0;
        });
        if (pEntity != std::end(kEntities)) {
            strResult += pEntity->second;
            n += std::char_traits<char>::length(pEntity->first);
        } else {
            strResult += strText[n++];
        }
    }
    return strResult;
}

// The value of attribute strName in a tag's text, quoted or not.
std::string Attribute(const std::string& strTag, const std::string& strName)
{
    const std::string strLower = Lower(strTag);
    for (std::size_t nAt = strLower.find(strName); nAt != std::string::npos;
         nAt = strLower.find(strName, nAt + 1)) {
        std::size_t n = nAt + strName.size();
        const bool bWordStart = nAt > 0 && std::isspace(static_cast<unsigned char>(strLower[nAt - 1]));
        while (n < strLower.size() && strLower[n] == ' ')
            ++n;
        if (!bWordStart || n >= strLower.size() || strLower[n] != '=')
            continue;
        ++n;
        while (n < strLower.size() && strLower[n] == ' ')
            ++n;
        if (n < strTag.size() && (strTag[n] == '"' || strTag[n] == '\'')) {
            const std::size_t nEnd = strTag.find(strTag[n], n + 1);
            return DecodeEntities(strTag.substr(n + 1, nEnd == std::string::npos ? std::string::npos : nEnd - n - 1));
        }
        const std::size_t nEnd = strTag.find_first_of(" \t\r\n>", n);
        return DecodeEntities(strTag.substr(n, nEnd == std::string::npos ? std::string::npos : nEnd - n));
    }
    return {};
}

}  // namespace

std::string TopicPath(const std::string& strName)
{
    const std::size_t nFragment = strName.find('#');
    const std::string strPath = strName.substr(0, nFragment);
    std::vector<std::string> astrSteps;
    std::size_t nStart = 0;
    while (nStart <= strPath.size()) {
        std::size_t nEnd = strPath.find_first_of("/\\", nStart);
        if (nEnd == std::string::npos)
            nEnd = strPath.size();
        const std::string strStep = strPath.substr(nStart, nEnd - nStart);
        if (strStep == "..") {
            if (astrSteps.empty())
                return {};
            astrSteps.pop_back();
        } else if (!strStep.empty() && strStep != ".") {
            astrSteps.push_back(strStep);
        }
        nStart = nEnd + 1;
    }
    std::string strResult;
    for (const std::string& strStep : astrSteps)
        strResult += '/' + strStep;
    if (strResult.empty())
        return {};
    return nFragment == std::string::npos ? strResult : strResult + strName.substr(nFragment);
}

std::vector<CHelpEntry> ParseSitemap(const std::string& strText, std::size_t nMaxEntries)
{
    std::vector<CHelpEntry> aEntries;
    int nDepth = 0;
    bool bInObject = false;
    CHelpEntry entry;
    for (std::size_t nOpen = strText.find('<'); nOpen != std::string::npos && aEntries.size() < nMaxEntries;
         nOpen = strText.find('<', nOpen + 1)) {
        const std::size_t nClose = strText.find('>', nOpen);
        if (nClose == std::string::npos)
            break;
        const std::string strTag = strText.substr(nOpen + 1, nClose - nOpen - 1);
        const std::string strName = Lower(strTag.substr(0, strTag.find_first_of(" \t\r\n")));
        if (strName == "ul") {
            ++nDepth;
        } else if (strName == "/ul") {
            nDepth = std::max(0, nDepth - 1);
        } else if (strName == "object") {
            bInObject = true;
            entry = CHelpEntry{{}, {}, std::max(0, nDepth - 1)};
        } else if (strName == "param" && bInObject) {
            const std::string strParam = Lower(Attribute(strTag, "name"));
            if (strParam == "name" && entry.strName.empty())
                entry.strName = Attribute(strTag, "value");
            else if (strParam == "local" && entry.strTopic.empty())
                entry.strTopic = TopicPath(Attribute(strTag, "value"));
        } else if (strName == "/object" && bInObject) {
            bInObject = false;
            if (!entry.strName.empty())
                aEntries.push_back(entry);
        }
        nOpen = nClose;
    }
    return aEntries;
}

void CHelpFile::CFileCloser::operator()(::chmFile* pFile) const { chm_close(pFile); }

CHelpFile::CHelpFile() = default;
CHelpFile::~CHelpFile() = default;

void CHelpFile::Close()
{
    m_pFile.reset();
    m_strDefaultTopic.clear();
    m_strContentsFile.clear();
    m_strIndexFile.clear();
    m_strTitle.clear();
}

bool CHelpFile::Open(const std::string& strPath)
{
    Close();
    std::error_code error;
    if (!std::filesystem::is_regular_file(strPath, error))
        return false;
    const auto nSize = std::filesystem::file_size(strPath, error);
    if (error || nSize > kMaxFileBytes)
        return false;
    m_pFile.reset(chm_open(strPath.c_str()));
    if (!m_pFile || !ReadSystem()) {
        Close();
        return false;
    }
    return true;
}

bool CHelpFile::ReadSystem()
{
    std::string strSystem;
    if (!Read("/#SYSTEM", strSystem) || strSystem.size() < 4)
        return false;
    for (std::size_t nAt = 4; nAt + 4 <= strSystem.size();) {
        const unsigned nCode = LittleEndian(strSystem, nAt, 2);
        const std::size_t nLength = LittleEndian(strSystem, nAt + 2, 2);
        nAt += 4;
        if (nLength > strSystem.size() - nAt)
            return false;
        const std::string strValue = CString(strSystem, nAt, nLength);
        if (nCode == kSystemContentsFile)
            m_strContentsFile = TopicPath(strValue);
        else if (nCode == kSystemIndexFile)
            m_strIndexFile = TopicPath(strValue);
        else if (nCode == kSystemDefaultTopic)
            m_strDefaultTopic = TopicPath(strValue);
        else if (nCode == kSystemTitle)
            m_strTitle = strValue;
        nAt += nLength;
    }
    return true;
}

bool CHelpFile::Exists(const std::string& strObject) const
{
    chmUnitInfo unit{};
    return m_pFile && strObject.size() < CHM_MAX_PATHLEN &&
           chm_resolve_object(m_pFile.get(), strObject.c_str(), &unit) == CHM_RESOLVE_SUCCESS;
}

bool CHelpFile::Read(const std::string& strObject, std::string& strData) const
{
    strData.clear();
    chmUnitInfo unit{};
    if (!m_pFile || strObject.size() >= CHM_MAX_PATHLEN ||
        chm_resolve_object(m_pFile.get(), strObject.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > kMaxObjectBytes)
        return false;
    std::string strBuffer(static_cast<std::size_t>(unit.length), '\0');
    if (unit.length > 0 &&
        chm_retrieve_object(m_pFile.get(), &unit, reinterpret_cast<unsigned char*>(strBuffer.data()), 0,
                            static_cast<LONGINT64>(unit.length)) != static_cast<LONGINT64>(unit.length))
        return false;
    strData = std::move(strBuffer);
    return true;
}

bool CHelpFile::TopicForContext(unsigned long nContext, std::string& strTopic) const
{
    // The map is a list of (number, offset) pairs into the file's string
    // table, which holds each topic's name.
    std::string strMap;
    std::string strStrings;
    if (!Read("/#IVB", strMap) || !Read("/#STRINGS", strStrings) || strMap.size() < 4)
        return false;
    const std::size_t nMapBytes = std::min<std::size_t>(LittleEndian(strMap, 0, 4), strMap.size() - 4);
    for (std::size_t nAt = 4; nAt + 8 <= 4 + nMapBytes; nAt += 8) {
        if (LittleEndian(strMap, nAt, 4) != nContext)
            continue;
        const std::size_t nOffset = LittleEndian(strMap, nAt + 4, 4);
        if (nOffset >= strStrings.size())
            return false;
        // Compilers write the name relative to the project or as the path the
        // page had on the building machine: the topic is the longest tail of
        // that path that names a page of this file.
        const std::string strName = CString(strStrings, nOffset, strStrings.size() - nOffset);
        for (std::size_t nStart = 0; nStart != std::string::npos;) {
            const std::string strCandidate = TopicPath(strName.substr(nStart));
            if (!strCandidate.empty() && Exists(strCandidate)) {
                strTopic = strCandidate;
                return true;
            }
            nStart = strName.find_first_of("/\\", nStart);
            if (nStart != std::string::npos)
                ++nStart;
        }
        return false;
    }
    return false;
}

std::vector<CHelpEntry> CHelpFile::ReadSitemap(const std::string& strObject) const
{
    std::string strText;
    if (strObject.empty() || !Read(strObject, strText))
        return {};
    return ParseSitemap(strText, kMaxEntries);
}

}  // namespace BvUtility::HelpFile
