// Writes the marked facts of each topic named on the command line afresh,
// in place: the build runs it over its copy of the manual before compiling.
#include "ManualFacts.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    for (int n = 1; n < argc; ++n) {
        std::ifstream input(argv[n], std::ios::binary);
        const std::string strTopic{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
        std::string strResult;
        std::string strError;
        if (!input || !ManualFacts::Refresh(strTopic, strResult, strError)) {
            std::fprintf(stderr, "%s: %s\n", argv[n], input ? strError.c_str() : "cannot be read");
            return 1;
        }
        input.close();
        if (strResult != strTopic && !(std::ofstream(argv[n], std::ios::binary | std::ios::trunc) << strResult)) {
            std::fprintf(stderr, "%s: cannot be written\n", argv[n]);
            return 1;
        }
    }
    return 0;
}
