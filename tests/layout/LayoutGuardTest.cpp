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
    {"cli", {"plan", "wizard/model", "engine", "support/core", kStrings}, {"nlohmann/"}},
    {"web", {"plan", "wizard/model", "engine", "support/core", kStrings}, {"nlohmann/", "emscripten/"}},
    {"support", {"support/core"}, {"*"}},
    {"wizard/sheet", {"wizard/model", "engine", "support/core", kStrings}, {"*"}},
    {"finish", {"wizard/sheet", "wizard/model", "plan", "engine", "support", "support/core", kStrings}, {"*"}},
    {"wizard/pages",
     {"finish", "wizard/sheet", "wizard/model", "plan", "engine", "support", "support/core", kStrings},
     {"*"}},
};

struct CInclude {
    std::string strWhere;   // file:line
    std::string strName;
    bool bAngle;
};

// The includes of the room's own files, not those of a room nested in it.
std::vector<CInclude> IncludesOf(const std::string& strRoom, const std::set<std::string>& aRooms)
{
    static const std::regex kDirective(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<CInclude> aIncludes;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSource / strRoom)) {
        const std::string strExt = entry.path().extension().string();
        const std::string strFolder = fs::relative(entry.path().parent_path(), kSource).generic_string();
        if ((strExt != ".cpp" && strExt != ".h") || (strFolder != strRoom && aRooms.count(strFolder)))
            continue;
        std::ifstream file(entry.path());
        std::string strLine;
        for (int nLine = 1; std::getline(file, strLine); ++nLine) {
            std::smatch match;
            if (std::regex_search(strLine, match, kDirective))
                aIncludes.push_back({fs::relative(entry.path(), kSource).string() + ":" + std::to_string(nLine),
                                     match[2].str(), match[1].str() == "<"});
        }
    }
    return aIncludes;
}

// The room of every header in the rooms, by its file name: the innermost room
// that holds it.
std::map<std::string, std::string> HeaderRooms(const std::set<std::string>& aRooms)
{
    std::map<std::string, std::string> mapRooms;
    for (const std::string& strRoom : aRooms) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kSource / strRoom)) {
            if (entry.path().extension() != ".h")
                continue;
            std::string strFolder = fs::relative(entry.path().parent_path(), kSource).generic_string();
            while (!aRooms.count(strFolder))
                strFolder = fs::path(strFolder).parent_path().generic_string();
            std::string& strOwner = mapRooms[entry.path().filename().string()];
            if (strFolder.size() > strOwner.size())
                strOwner = strFolder;
        }
    }
    return mapRooms;
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
    const std::map<std::string, std::string> mapHeaderRooms = HeaderRooms(aRooms);
    for (const CRoom& room : kRooms) {
        for (const CInclude& include : IncludesOf(room.szFolder, aRooms)) {
            if (include.bAngle) {
                EXPECT_TRUE(IsAllowedLibrary(room, include.strName)) << include.strWhere << ": <" << include.strName << ">";
                continue;
            }
            // A header of no room is generated by the build (a page layout's ui_ header).
            const auto it = mapHeaderRooms.find(fs::path(include.strName).filename().string());
            if (it == mapHeaderRooms.end() || it->second == room.szFolder)
                continue;
            EXPECT_NE(std::find(room.astrMayUse.begin(), room.astrMayUse.end(), it->second), room.astrMayUse.end())
                << include.strWhere << ": \"" << include.strName << "\" is a header of " << it->second << "/";
        }
    }
}

}  // namespace
