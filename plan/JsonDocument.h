#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
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

}  // namespace JsonDocument
