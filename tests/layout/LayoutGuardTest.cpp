// The rooms of the source tree and which others each may use, read from the
// #include lines: dependencies point one way, from the programs down to the
// engine and the toolkit-free core, and the rooms without a toolkit include
// nothing beyond the standard library and the few libraries named here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = MOORPLAN_SOURCE_DIR;

struct CRoom {
    const char* szFolder;
    std::vector<std::string> astrMayUse;      // the rooms whose headers it may include, besides its own
    std::vector<std::string> astrLibraries;   // <...> prefixes beyond the standard library; "*": any (Qt)
};

const std::string kStrings = "resources/strings";

// From the bottom up: each room uses only rooms above it in this list.
const CRoom kRooms[] = {
    {"support/core", {}, {}},
    {"engine", {"support/core", kStrings}, {}},
    {"wizard/model", {"engine", "support/core", kStrings}, {}},
    {"plan", {"wizard/model", "engine", "support/core", kStrings}, {"nlohmann/"}},
    {"mooring", {"plan", "wizard/model", "engine", "support/core", kStrings}, {"nlohmann/"}},
    {"cli", {"mooring", "plan", "wizard/model", "engine", "support/core", kStrings}, {"nlohmann/"}},
    {"web", {"mooring", "plan", "wizard/model", "engine", "support/core", kStrings}, {"nlohmann/", "emscripten/"}},
    // The manual's facts, written from the code into the topics the build compiles.
    {"docs/help", {"cli", "plan", "wizard/model", "engine", "support/core", kStrings}, {"nlohmann/"}},
    {"support", {"support/core"}, {"*"}},
    {"wizard/sheet", {"wizard/model", "engine", "support/core", kStrings}, {"*"}},
    {"finish", {"wizard/sheet", "wizard/model", "mooring", "plan", "engine", "support", "support/core", kStrings}, {"*"}},
    {"wizard/pages",
     {"finish", "wizard/sheet", "wizard/model", "mooring", "plan", "engine", "support", "support/core", kStrings},
     {"*"}},
    {"window",
     {"wizard/pages", "finish", "wizard/sheet", "wizard/model", "mooring", "plan", "engine", "support", "support/core",
      kStrings},
     {"*"}},
};

// The innermost room a folder lies in.
std::string RoomOf(const fs::path& folder, const std::set<std::string>& aRooms)
{
    for (fs::path room = fs::relative(folder, kSource); !room.empty(); room = room.parent_path())
        if (aRooms.count(room.generic_string()))
            return room.generic_string();
    return std::string();
}

// Calls onFile(file, its room) for every source file of the rooms.
template <class TOnFile>
void ForEachSource(const std::set<std::string>& aRooms, TOnFile onFile)
{
    for (const std::string& strRoom : aRooms)
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSource / strRoom)) {
            const fs::path ext = entry.path().extension();
            const std::string strOwner = RoomOf(entry.path().parent_path(), aRooms);
            if ((ext == ".cpp" || ext == ".h") && strOwner == strRoom)
                onFile(entry.path(), strRoom);
        }
}

bool IsStandardHeader(const std::string& strName)
{
    static const std::set<std::string> kHeaders = {
        "algorithm", "any", "array", "atomic", "bitset", "cassert", "cctype", "cerrno", "cfloat", "charconv",
        "chrono", "cinttypes", "climits", "clocale", "cmath", "complex", "condition_variable", "cstdarg",
        "cstddef", "cstdint", "cstdio", "cstdlib", "cstring", "ctime", "deque", "exception", "filesystem",
        "fstream", "functional", "initializer_list", "iomanip", "ios", "iosfwd", "iostream", "istream",
        "iterator", "limits", "list", "locale", "map", "memory", "mutex", "new", "numeric", "optional",
        "ostream", "queue", "random", "ratio", "regex", "set", "sstream", "stack", "stdexcept", "string",
        "string_view", "system_error", "thread", "tuple", "type_traits", "typeinfo", "unordered_map",
        "unordered_set", "utility", "variant", "vector",
        // The platform's file calls, beside the standard library (the whole-file writer).
        "fcntl.h", "sys/stat.h", "unistd.h",
    };
    return kHeaders.count(strName) != 0;
}

bool IsAllowedLibrary(const CRoom& room, const std::string& strName)
{
    for (const std::string& strPrefix : room.astrLibraries)
        if (strPrefix == "*" || strName.compare(0, strPrefix.size(), strPrefix) == 0)
            return true;
    return IsStandardHeader(strName);
}

TEST(LayoutGuard, EachRoomIncludesOnlyTheRoomsBelowItAndItsLibraries)
{
    std::set<std::string> aRooms = {kStrings};
    for (const CRoom& room : kRooms)
        aRooms.insert(room.szFolder);
    // Which room each header belongs to, by its file name.
    std::map<std::string, std::string> mapHeaderRooms;
    ForEachSource(aRooms, [&](const fs::path& file, const std::string& strRoom) {
        if (file.extension() == ".h")
            mapHeaderRooms[file.filename().string()] = strRoom;
    });
    static const std::regex kDirective(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const CRoom& room : kRooms) {
        ForEachSource(aRooms, [&](const fs::path& file, const std::string& strRoom) {
            if (strRoom != room.szFolder)
                return;
            std::ifstream stream(file);
            std::string strLine;
            for (int nLine = 1; std::getline(stream, strLine); ++nLine) {
                std::smatch match;
                if (!std::regex_search(strLine, match, kDirective))
                    continue;
                const std::string strWhere = fs::relative(file, kSource).string() + ":" + std::to_string(nLine);
                const std::string strName = match[2].str();
                if (match[1].str() == "<") {
                    EXPECT_TRUE(IsAllowedLibrary(room, strName)) << strWhere << ": <" << strName << ">";
                    continue;
                }
                // A header of no room is generated by the build (a page layout's ui_ header).
                const auto it = mapHeaderRooms.find(fs::path(strName).filename().string());
                if (it == mapHeaderRooms.end() || it->second == strRoom)
                    continue;
                EXPECT_NE(std::find(room.astrMayUse.begin(), room.astrMayUse.end(), it->second), room.astrMayUse.end())
                    << strWhere << ": \"" << strName << "\" is a header of " << it->second << "/";
            }
        });
    }
}

}  // namespace
