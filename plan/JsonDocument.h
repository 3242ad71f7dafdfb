#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

// The JSON side of Moorplan's documents (the plan file, and any later file
// kept the same way): the text becomes one value, or one line that names the
// file and says what is wrong. Every complaint of the JSON library ends here;
// nothing it throws gets past Parse. The reader of a document then walks the
// value and words its own complaints with Describe and WrongType.
namespace JsonDocument {

using Json = nlohmann::ordered_json;

// Deeper than any of our documents goes (a plan's sensor rows are at the
// third level); refused before it costs anything.
inline constexpr std::size_t kMaxDepth = 32;

// One line refusing a document, naming its file.
struct CError {
    std::string m_strText;
};

// The value that strText, read from strFile, holds; a document of the kind
// szKind ("plan"). Throws CError, for example:
//   FILE: not a plan: the text is not JSON (line 2, column 21)
//   FILE: not a plan: a number is too large (line 1, column 40)
//   FILE: not a plan: it is nested more than 32 deep
//   FILE: "model" is given twice
//   FILE: "aux" row 2: "type" is given twice
// A key given twice in one object is refused: one of the two would be lost.
Json Parse(const std::string& strText, const std::string& strFile, const char* szKind);

// A text from a document as a message quotes it: in double quotes, with
// JSON's escapes (a NUL shows as \u0000, so nothing cuts the line short), a
// long text cut after 40 bytes with "...".
std::string Quoted(const std::string& strText);

// What a value is, short and in the words of the format: "a list", "an
// object", the quoted text, the number, true, false or null.
std::string Describe(const Json& value);

// Refuses a value of the wrong kind: SUBJECT must be WANTED, not VALUE.
[[noreturn]] void WrongType(const std::string& strSubject, const char* szWanted, const Json& value);

// Refuses a document that is not one object, or whose format version under
// szKey is missing, not a whole number from 1, or newer than nVersion:
//   FILE: not a plan: a plan is one JSON object, not a list
//   FILE: not a plan: it has no "moorplan-plan" version
//   FILE: plan format version 2 is newer than this program can read (version 1)
void RequireVersion(const Json& document, const std::string& strFile, const char* szKind, const char* szKey,
                    int nVersion);

// The content of the file at strPath, refused by its size before it is read
// when it is larger than nMaxBytes (strTooLarge is then the line), and read
// no further than one byte past the limit, for a device without a size.
// False with one line naming the file in strError.
bool ReadFile(const std::string& strPath, std::uintmax_t nMaxBytes, const std::string& strTooLarge,
              std::string& strText, std::string& strError);

// Runs read, which parses and walks a document of the kind szKind read from
// strFile; true when it finishes. A refusal (CError) becomes its line in
// strError. The walk touches the JSON library only where it does not throw;
// should that ever change, the file is refused all the same, in one line.
template <typename Read>
bool Guarded(const std::string& strFile, const char* szKind, std::string& strError, Read read)
{
    try {
        read();
        return true;
    } catch (const CError& error) {
        strError = error.m_strText;
    } catch (const Json::exception&) {
        strError = strFile + ": not a " + szKind + ": the text cannot be read";
    }
    return false;
}

}  // namespace JsonDocument
