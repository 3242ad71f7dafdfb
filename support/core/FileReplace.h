#pragma once

#include <filesystem>
#include <string>

// Replacing a file so that it is either the old file, whole, or the new one,
// whole: the content goes into a new file beside it, created under an
// unpredictable name, flushed to the disk and then renamed over the old name.
// A link planted at the name is replaced, never followed. Standard C++ and
// the platform's file calls only, so moorplan-report uses it too.
namespace FileReplace {

enum class EAccess {
    Private,   // readable and writable by the user only
    Document,  // as the old file was, or as the user's defaults give a new one
};

// False when the file could not be replaced; strError then says why, in the
// system's words, and the old file (if any) is as it was.
bool Write(const std::filesystem::path& path, const std::string& strContent, EAccess eAccess, std::string& strError);

}  // namespace FileReplace
