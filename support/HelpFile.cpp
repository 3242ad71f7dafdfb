#include "HelpFile.h"

#include <chm_lib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace BvUtility::HelpFile {
namespace {

// Records of the file's system object that name its parts.
constexpr unsigned kSystemContentsFile = 0;
constexpr unsigned kSystemIndexFile = 1;
constexpr unsigned kSystemDefaultTopic = 2;
constexpr unsigned kSystemTitle = 3;
// Compressed pages are decompressed in frames of this many bytes.
constexpr std::uint64_t kFrameBytes = 0x8000;

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

// The file's directory is a tree of fixed-size chunks. The reader follows
// its index chunks down to a listing chunk; a child that is not an earlier
// chunk could send it round in circles, and a directory that does not fit
// in the file could send it reading past the end. Both are refused before
// the library sees the file.
class CDirectoryCheck {
public:
    explicit CDirectoryCheck(std::ifstream& file, std::uint64_t nFileSize) : m_file(file), m_nFileSize(nFileSize) {}

    bool Passes()
    {
        std::string strHeader;
        if (!ReadAt(0, 0x58, strHeader) || strHeader.compare(0, 4, "ITSF") != 0)
            return false;
        const std::uint64_t nDirectory = LittleEndian64(strHeader, 0x48);
        const std::uint64_t nDirectoryLength = LittleEndian64(strHeader, 0x50);
        // Newer headers name where the content starts; older ones start it
        // right after the directory.
        std::uint64_t nContent = nDirectory + nDirectoryLength;
        if (LittleEndian(strHeader, 0x04, 4) >= 3) {
            if (!ReadAt(0, 0x60, strHeader))
                return false;
            nContent = LittleEndian64(strHeader, 0x58);
        }
        if (nContent > m_nFileSize)
            return false;
        std::string strItsp;
        if (nDirectory > m_nFileSize || nDirectoryLength > m_nFileSize - nDirectory ||
            !ReadAt(nDirectory, 0x54, strItsp) || strItsp.compare(0, 4, "ITSP") != 0)
            return false;
        const std::uint64_t nHeaderLength = LittleEndian(strItsp, 0x08, 4);
        const std::uint64_t nChunkSize = LittleEndian(strItsp, 0x10, 4);
        const std::int32_t nRoot = static_cast<std::int32_t>(LittleEndian(strItsp, 0x1C, 4));
        const std::uint64_t nChunks = LittleEndian(strItsp, 0x2C, 4);
        if (nChunkSize < 0x20 || nChunkSize > kMaxChunkBytes || nChunks > CHelpFile::kMaxObjectBytes / nChunkSize ||
            nHeaderLength + nChunks * nChunkSize > nDirectoryLength || nRoot < -1 ||
            (nRoot >= 0 && static_cast<std::uint64_t>(nRoot) >= nChunks))
            return false;
        for (std::uint64_t nChunk = 0; nChunk < nChunks; ++nChunk) {
            std::string strChunk;
            if (!ReadAt(nDirectory + nHeaderLength + nChunk * nChunkSize, nChunkSize, strChunk) ||
                (strChunk.compare(0, 4, "PMGI") == 0 && !IndexPointsBack(strChunk, nChunk)) ||
                (strChunk.compare(0, 4, "PMGL") == 0 && !ListingSound(strChunk, nContent)))
                return false;
        }
        return true;
    }

private:
    static constexpr std::uint64_t kMaxChunkBytes = 64u << 10;

    static std::uint64_t LittleEndian64(const std::string& strData, std::size_t nAt)
    {
        return LittleEndian(strData, nAt, 4) | (static_cast<std::uint64_t>(LittleEndian(strData, nAt + 4, 4)) << 32);
    }

    bool ReadAt(std::uint64_t nOffset, std::uint64_t nLength, std::string& strData)
    {
        if (nOffset > m_nFileSize || nLength > m_nFileSize - nOffset)
            return false;
        strData.assign(static_cast<std::size_t>(nLength), '\0');
        m_file.clear();
        m_file.seekg(static_cast<std::streamoff>(nOffset));
        return static_cast<bool>(m_file.read(strData.data(), static_cast<std::streamsize>(nLength)));
    }

    // A variable-length number of the directory: seven bits a byte, high bit
    // set on every byte but the last.
    static bool EncodedNumber(const std::string& strChunk, std::size_t& nAt, std::size_t nEnd, std::uint64_t& nValue)
    {
        nValue = 0;
        for (int nBytes = 0; nBytes < 9 && nAt < nEnd; ++nBytes) {
            const unsigned char c = static_cast<unsigned char>(strChunk[nAt++]);
            nValue = (nValue << 7) | (c & 0x7F);
            if (!(c & 0x80))
                return true;
        }
        return false;
    }

    // Walks a chunk's entries, each a name and then N numbers, up to the
    // chunk's free space; visit sees where the name lies and the numbers and
    // may refuse the entry, which refuses the chunk.
    template <std::size_t N, class TVisit>
    static bool EachEntry(const std::string& strChunk, std::size_t nHeader, TVisit visit)
    {
        const std::uint64_t nFree = LittleEndian(strChunk, 0x04, 4);
        if (nFree > strChunk.size() - nHeader)
            return false;
        const std::size_t nEnd = strChunk.size() - static_cast<std::size_t>(nFree);
        for (std::size_t nAt = nHeader; nAt < nEnd;) {
            std::uint64_t nNameLength = 0;
            if (!EncodedNumber(strChunk, nAt, nEnd, nNameLength) || nNameLength > nEnd - nAt)
                return false;
            const std::size_t nName = nAt;
            nAt += static_cast<std::size_t>(nNameLength);
            std::array<std::uint64_t, N> anNumbers{};
            for (std::uint64_t& nValue : anNumbers) {
                if (!EncodedNumber(strChunk, nAt, nEnd, nValue))
                    return false;
            }
            if (!visit(nName, static_cast<std::size_t>(nNameLength), anNumbers))
                return false;
        }
        return true;
    }

    // An index chunk's entries: a name and the chunk below; every chunk
    // below must come earlier in the directory.
    static bool IndexPointsBack(const std::string& strChunk, std::uint64_t nChunk)
    {
        return EachEntry<1>(strChunk, 8, [&](std::size_t, std::size_t, const std::array<std::uint64_t, 1>& anChild) {
            return anChild[0] < nChunk;
        });
    }

    // A listing chunk's entries: name, section, offset and length. A file
    // has two sections, stored (0) and compressed (1); the library takes any
    // other number for the compressed one, and reading such an object while
    // it opens the file divides by its cache size before that is set. The
    // library also sets up its decompressor from the control data when it
    // opens the file and trusts its window and reset figures; every copy of
    // that entry, its name written in any case (the library finds names
    // regardless of case), must hold figures the decompressor can work with.
    bool ListingSound(const std::string& strChunk, std::uint64_t nContent)
    {
        static const std::string kControlData = Lower("::DataSpace/Storage/MSCompressed/ControlData");
        return EachEntry<3>(strChunk, 0x14, [&](std::size_t nName, std::size_t nNameLength,
                                                const std::array<std::uint64_t, 3>& anPlace) {
            const auto [nSection, nOffset, nLength] = anPlace;
            if (nSection > 1)
                return false;
            if (Lower(strChunk.substr(nName, nNameLength)) != kControlData)
                return true;
            std::string strControl;
            return nSection == 0 && nLength <= 0x40 && nOffset <= m_nFileSize &&
                   ReadAt(nContent + nOffset, nLength, strControl) && ControlSound(strControl);
        });
    }

    // "LZXC" control data: a window of 2^15 to 2^21 bytes, reset points a
    // whole number of half windows apart, at least one frame per reset.
    static bool ControlSound(const std::string& strControl)
    {
        if (strControl.size() < 0x18 || strControl.compare(4, 4, "LZXC") != 0)
            return false;
        const std::uint64_t nVersion = LittleEndian(strControl, 0x08, 4);
        const std::uint64_t nUnit = nVersion == 2 ? 0x8000 : 1;
        const std::uint64_t nReset = LittleEndian(strControl, 0x0C, 4) * nUnit;
        const std::uint64_t nWindow = LittleEndian(strControl, 0x10, 4) * nUnit;
        const std::uint64_t nWindowsPerReset = LittleEndian(strControl, 0x14, 4);
        const bool bWindowSound = nWindow >= (1u << 15) && nWindow <= (1u << 21) && (nWindow & (nWindow - 1)) == 0;
        return (nVersion == 1 || nVersion == 2) && bWindowSound && nReset > 0 && nReset % (nWindow / 2) == 0 &&
               nWindowsPerReset > 0 && nReset / (nWindow / 2) * nWindowsPerReset <= (1u << 16);
    }

    std::ifstream& m_file;
    std::uint64_t m_nFileSize;
};

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

std::size_t CountWords(const std::string& strPage, const std::vector<std::string>& astrWords, std::string& strTitle)
{
    // The page's text: tags dropped (each leaves a blank), the style sheet and
    // scripts left out, entities decoded.
    const std::string strLower = Lower(strPage);
    std::string strText;
    strTitle.clear();
    for (std::size_t nAt = 0; nAt < strPage.size();) {
        if (strPage[nAt] != '<') {
            const std::size_t nOpen = strPage.find('<', nAt);
            strText += strPage.substr(nAt, nOpen - nAt);
            nAt = nOpen;
            continue;
        }
        const std::size_t nClose = strPage.find('>', nAt);
        if (nClose == std::string::npos)
            break;
        std::size_t nNameEnd = nAt + 1;
        while (nNameEnd < nClose && !std::isspace(static_cast<unsigned char>(strLower[nNameEnd])))
            ++nNameEnd;
        const std::string strName = strLower.substr(nAt + 1, nNameEnd - nAt - 1);
        nAt = nClose + 1;
        if (strName == "style" || strName == "script" || strName == "title") {
            const std::size_t nEnd = std::min(strLower.find("</" + strName, nAt), strPage.size());
            if (strName == "title")
                strTitle = DecodeEntities(strPage.substr(nAt, nEnd - nAt));
            nAt = nEnd;
        }
        strText += ' ';
    }
    strText = Lower(DecodeEntities(strText)) + ' ' + Lower(strTitle);
    std::size_t nTotal = 0;
    for (const std::string& strWord : astrWords) {
        std::size_t nCount = 0;
        for (std::size_t nAt = strText.find(strWord); !strWord.empty() && nAt != std::string::npos;
             nAt = strText.find(strWord, nAt + strWord.size()))
            ++nCount;
        if (nCount == 0)
            return 0;
        nTotal += nCount;
    }
    return nTotal;
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
    std::ifstream file(strPath, std::ios::binary);
    if (!file || !CDirectoryCheck(file, nSize).Passes())
        return false;
    m_pFile.reset(chm_open(strPath.c_str()));
    if (!m_pFile || !ContentComplete() || !ReadSystem()) {
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

// A file cut short still lists every page; its compressed pages are only
// complete when the last byte of their stream is there. The library sizes
// each decompressed frame by the file's reset table, so a frame must have
// the usual size, not whatever the file claims.
bool CHelpFile::ContentComplete() const
{
    chmUnitInfo unit{};
    if (chm_resolve_object(m_pFile.get(), "::DataSpace/Storage/MSCompressed/Content", &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length == 0)
        return true;
    unsigned char cLast = 0;
    if (chm_retrieve_object(m_pFile.get(), &unit, &cLast, unit.length - 1, 1) != 1)
        return false;
    std::string strResetTable;
    if (!Read("::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
              "InstanceData/ResetTable",
              strResetTable) ||
        strResetTable.size() < 0x28)
        return false;
    const std::uint64_t nFrameBytes =
        LittleEndian(strResetTable, 0x20, 4) | (static_cast<std::uint64_t>(LittleEndian(strResetTable, 0x24, 4)) << 32);
    return nFrameBytes == kFrameBytes;
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
    // Reaching a compressed page means decompressing everything before it
    // since the last reset point: pages must lie within the first
    // kMaxContentBytes, which bounds the time any read can take.
    if (unit.space == CHM_COMPRESSED && (unit.start > kMaxContentBytes || unit.length > kMaxContentBytes - unit.start))
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

std::vector<CSearchHit> CHelpFile::Search(const std::string& strWords) const
{
    std::vector<std::string> astrWords;
    for (std::size_t nAt = strWords.find_first_not_of(" \t"); nAt != std::string::npos;) {
        const std::size_t nEnd = strWords.find_first_of(" \t", nAt);
        astrWords.push_back(Lower(strWords.substr(nAt, nEnd - nAt)));
        nAt = strWords.find_first_not_of(" \t", nEnd);
    }
    std::vector<std::string> astrPages;
    if (astrWords.empty() || !m_pFile)
        return {};
    chm_enumerate(
        m_pFile.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](::chmFile*, ::chmUnitInfo* pUnit, void* pContext) {
            auto& astrFound = *static_cast<std::vector<std::string>*>(pContext);
            const std::string strPath = Lower(pUnit->path);
            const auto EndsWith = [&](const std::string& strEnd) {
                return strPath.size() > strEnd.size() && strPath.compare(strPath.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
            };
            if (EndsWith(".htm") || EndsWith(".html"))
                astrFound.push_back(pUnit->path);
            return astrFound.size() < kMaxEntries ? CHM_ENUMERATOR_CONTINUE : CHM_ENUMERATOR_SUCCESS;
        },
        &astrPages);
    std::vector<CSearchHit> aHits;
    for (const std::string& strPage : astrPages) {
        std::string strText;
        CSearchHit hit{strPage, {}, 0};
        if (Read(strPage, strText) && (hit.nCount = CountWords(strText, astrWords, hit.strTitle)) > 0)
            aHits.push_back(hit);
    }
    std::stable_sort(aHits.begin(), aHits.end(), [](const CSearchHit& a, const CSearchHit& b) {
        return a.nCount != b.nCount ? a.nCount > b.nCount : a.strTitle < b.strTitle;
    });
    return aHits;
}

std::vector<CHelpEntry> CHelpFile::ReadSitemap(const std::string& strObject) const
{
    std::string strText;
    if (strObject.empty() || !Read(strObject, strText))
        return {};
    return ParseSitemap(strText, kMaxEntries);
}

}  // namespace BvUtility::HelpFile
