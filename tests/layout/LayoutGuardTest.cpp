// The dependency rules of the source layout, read from the #include lines:
// the engine builds on the C++ standard library alone, and the support
// library knows nothing of the program built on it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = MOORPLAN_SOURCE_DIR;

struct CInclude {
    std::string strWhere;   // file:line
    std::string strName;
    bool bAngle;
};

std::vector<CInclude> IncludesUnder(const fs::path& dir)
{
    static const std::regex kDirective(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<CInclude> aIncludes;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const std::string strExt = entry.path().extension().string();
        if (strExt != ".cpp" && strExt != ".h")
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

// Whether a header of that name lives anywhere below the folder.
bool HasHeader(const fs::path& dir, const std::string& strName)
{
    if (fs::exists(dir / strName))
        return true;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir))
        if (entry.path().filename() == fs::path(strName).filename() && entry.is_regular_file())
            return true;
    return false;
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
    };
    return kHeaders.count(strName) != 0;
}

TEST(LayoutGuard, EngineUsesTheStandardLibraryItselfAndItsStringsOnly)
{
    for (const CInclude& include : IncludesUnder(kSource / "engine")) {
        if (include.bAngle)
            EXPECT_TRUE(IsStandardHeader(include.strName)) << include.strWhere << ": <" << include.strName << ">";
        else
            EXPECT_TRUE(HasHeader(kSource / "engine", include.strName)
                        || HasHeader(kSource / "resources" / "strings", include.strName))
                << include.strWhere << ": \"" << include.strName << "\"";
    }
}

TEST(LayoutGuard, SupportIncludesNoHeaderOfTheProgram)
{
    for (const CInclude& include : IncludesUnder(kSource / "support")) {
        if (include.bAngle || HasHeader(kSource / "support", include.strName))
            continue;
        for (const char* szFolder : {"engine", "wizard", "output", "cli"})
            EXPECT_FALSE(HasHeader(kSource / szFolder, include.strName))
                << include.strWhere << ": \"" << include.strName << "\" is a header of " << szFolder << "/";
    }
}

}  // namespace
