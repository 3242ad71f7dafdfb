#include "JsonDocument.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unordered_set>
#include <utility>
#include <vector>

namespace JsonDocument {
namespace {

// The JSON library's number for a number beyond the range of a double; every
// other complaint of its parser is about the syntax.
constexpr int kNumberOverflow = 406;

// Line and column (from 1) of a byte offset (from 1), for a complaint.
std::string Position(const std::string& strText, std::size_t nByte)
{
    std::size_t nLine = 1;
    std::size_t nColumn = 1;
    for (std::size_t i = 0; i + 1 < nByte && i < strText.size(); ++i) {
        if (strText[i] == '\n') {
            ++nLine;
            nColumn = 1;
        } else {
            ++nColumn;
        }
    }
    return "line " + std::to_string(nLine) + ", column " + std::to_string(nColumn);
}

// Builds the value from the parser's events, as the library's own builder
// does, and refuses what that one lets through: a key given twice (it keeps
// the last), and nesting without end. The parser reports its own errors here
// instead of throwing them.
class CBuilder : public nlohmann::json_sax<Json> {
public:
    CBuilder(const std::string& strText, const std::string& strFile, const char* szKind)
        : m_strText(strText), m_strFile(strFile), m_strNotA(strFile + ": not a " + szKind + ": ")
    {
    }

    Json& Root() { return m_root; }
    const std::string& Error() const { return m_strError; }

    bool null() override { return Place(Json(nullptr)) != nullptr; }
    bool boolean(bool bValue) override { return Place(Json(bValue)) != nullptr; }
    bool number_integer(number_integer_t nValue) override { return Place(Json(nValue)) != nullptr; }
    bool number_unsigned(number_unsigned_t nValue) override { return Place(Json(nValue)) != nullptr; }
    bool number_float(number_float_t dValue, const string_t&) override { return Place(Json(dValue)) != nullptr; }
    bool string(string_t& strValue) override { return Place(Json(std::move(strValue))) != nullptr; }
    bool binary(binary_t&) override { return false; }   // not in a JSON text
    bool start_object(std::size_t) override { return Open(Json::object()); }
    bool start_array(std::size_t) override { return Open(Json::array()); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }

    bool key(string_t& strKey) override
    {
        COpen& open = m_aOpen.back();
        if (!open.m_setKeys.insert(strKey).second) {
            m_strError = Where() + Quoted(strKey) + " is given twice";
            return false;
        }
        open.m_strKey = std::move(strKey);
        return true;
    }

    bool parse_error(std::size_t nPosition, const std::string& strToken,
                     const nlohmann::detail::exception& error) override
    {
        // The position is past the number; the person looks for its start.
        if (error.id == kNumberOverflow)
            m_strError = m_strNotA + "a number is too large ("
                         + Position(m_strText, nPosition + 1 - std::min(strToken.size(), nPosition)) + ")";
        else
            m_strError = m_strNotA + "the text is not JSON (" + Position(m_strText, nPosition) + ")";
        return false;
    }

private:
    // A list or an object being filled: where its next value goes.
    struct COpen {
        Json* m_pValue;
        std::string m_strKey;
        std::unordered_set<std::string> m_setKeys;
        std::size_t m_nItem = 0;
    };

    // Puts a value where the open list or object takes it, or as the root;
    // its place stays put while it is open, since only the innermost grows.
    Json* Place(Json&& value)
    {
        if (m_aOpen.empty()) {
            m_root = std::move(value);
            return &m_root;
        }
        COpen& open = m_aOpen.back();
        Json& parent = *open.m_pValue;
        if (parent.is_object())
            return &(parent[open.m_strKey] = std::move(value));
        open.m_nItem = parent.size();
        parent.push_back(std::move(value));
        return &parent.back();
    }

    bool Open(Json&& container)
    {
        if (m_aOpen.size() >= kMaxDepth) {
            m_strError = m_strNotA + "it is nested more than " + std::to_string(kMaxDepth) + " deep";
            return false;
        }
        Json* pValue = Place(std::move(container));
        m_aOpen.push_back({pValue, {}, {}, 0});
        return true;
    }

    bool Close()
    {
        m_aOpen.pop_back();
        return true;
    }

    // The innermost object, as messages name it: FILE: "aux" row 2: (and just
    // FILE: for the document itself).
    std::string Where() const
    {
        std::string strWhere = m_strFile + ":";
        for (std::size_t i = 0; i + 1 < m_aOpen.size(); ++i) {
            const COpen& open = m_aOpen[i];
            strWhere += open.m_pValue->is_object() ? " " + Quoted(open.m_strKey)
                                                   : " row " + std::to_string(open.m_nItem + 1);
        }
        return strWhere + (m_aOpen.size() > 1 ? ": " : " ");
    }

    const std::string& m_strText;
    const std::string& m_strFile;
    const std::string m_strNotA;
    Json m_root;
    std::vector<COpen> m_aOpen;
    std::string m_strError;
};

}  // namespace

Json Parse(const std::string& strText, const std::string& strFile, const char* szKind)
{
    CBuilder builder(strText, strFile, szKind);
    if (!Json::sax_parse(strText, &builder)) {
        throw CError{builder.Error().empty() ? strFile + ": not a " + szKind + ": the text is not JSON"
                                             : builder.Error()};
    }
    return std::move(builder.Root());
}

std::string Quoted(const std::string& strText)
{
    constexpr std::size_t kMaxBytes = 40;
    if (strText.size() <= kMaxBytes)
        return Json(strText).dump(-1, ' ', false, Json::error_handler_t::replace);
    // Cut before a character, not inside one.
    std::size_t nCut = kMaxBytes;
    while (nCut > 0 && (static_cast<unsigned char>(strText[nCut]) & 0xC0) == 0x80)
        --nCut;
    return Json(strText.substr(0, nCut) + "...").dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Describe(const Json& value)
{
    switch (value.type()) {
    case Json::value_t::array: return "a list";
    case Json::value_t::object: return "an object";
    case Json::value_t::string: return Quoted(value.get_ref<const std::string&>());
    default: return value.dump();
    }
}

void WrongType(const std::string& strSubject, const char* szWanted, const Json& value)
{
    throw CError{strSubject + " must be " + szWanted + ", not " + Describe(value)};
}

void RequireVersion(const Json& document, const std::string& strFile, const char* szKind, const char* szKey,
                    int nVersion)
{
    const std::string strNotA = strFile + ": not a " + szKind + ": ";
    if (!document.is_object())
        throw CError{strNotA + "a " + szKind + " is one JSON object, not " + Describe(document)};
    const auto it = document.find(szKey);
    if (it == document.end())
        throw CError{strNotA + "it has no \"" + szKey + "\" version"};
    if (!it->is_number_unsigned() || it->get<std::uint64_t>() < 1)
        WrongType(strFile + ": \"" + szKey + "\"", "a whole number from 1", *it);
    const std::uint64_t nFound = it->get<std::uint64_t>();
    if (nFound > static_cast<std::uint64_t>(nVersion))
        throw CError{strFile + ": " + szKind + " format version " + std::to_string(nFound)
                     + " is newer than this program can read (version " + std::to_string(nVersion) + ")"};
}

bool ReadFile(const std::string& strPath, std::uintmax_t nMaxBytes, const std::string& strTooLarge,
              std::string& strText, std::string& strError)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(strPath, error) && std::filesystem::file_size(strPath, error) > nMaxBytes
        && !error) {
        strError = strTooLarge;
        return false;
    }
    std::ifstream file(strPath, std::ios::binary);
    if (!file) {
        strError = strPath + ": cannot be read (" + std::strerror(errno) + ")";
        return false;
    }
    // Read at most one byte past the limit, a piece at a time: a file that
    // grows, or a device without a size, is refused all the same, and a small
    // file costs no more than its size.
    constexpr std::size_t kPiece = 64 * 1024;
    std::string strRead;
    while (file && strRead.size() <= nMaxBytes) {
        const std::size_t nHave = strRead.size();
        strRead.resize(nHave + static_cast<std::size_t>(std::min<std::uintmax_t>(kPiece, nMaxBytes + 1 - nHave)));
        file.read(&strRead[nHave], static_cast<std::streamsize>(strRead.size() - nHave));
        strRead.resize(nHave + static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) {
        strError = strPath + ": cannot be read (" + std::strerror(errno) + ")";
        return false;
    }
    if (strRead.size() > nMaxBytes) {
        strError = strTooLarge;
        return false;
    }
    strText = std::move(strRead);
    return true;
}

}  // namespace JsonDocument
