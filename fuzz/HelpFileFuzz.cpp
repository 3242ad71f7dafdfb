// Feeds arbitrary bytes to the help file reader as a help file a user might
// browse to: every call must end without a crash, a leak or a read outside
// what the reader owns, in bounded time and memory.
#include "HelpFile.h"
#include "InputFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    // The library reads files only.
    BvUtility::HelpFile::CHelpFile file;
    if (file.Open(InputFile(pData, nSize))) {
        std::string strText;
        file.Read(file.DefaultTopic(), strText);
        for (const auto& entry : file.Contents())
            file.Read(entry.strTopic, strText);
        file.Index();
        file.Search("tau20 negative");
        for (unsigned long nContext = 1000; nContext <= 1012; ++nContext)
            file.TopicForContext(nContext, strText);
    }
    return 0;
}
