#pragma once

// The bytes of one input as a file that a reader opens by its path. The file
// lives in memory: written to disk, the disk and not the reader would set the
// pace of the run, and nothing is left behind when the run ends.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

inline const std::string& InputFile(const std::uint8_t* pData, std::size_t nSize)
{
    static const int nFile = memfd_create("moorplan-fuzz-input", 0);
    static const std::string strPath = "/proc/self/fd/" + std::to_string(nFile);
    if (nFile < 0 || ftruncate(nFile, 0) != 0 || pwrite(nFile, pData, nSize, 0) != static_cast<ssize_t>(nSize))
        std::abort();
    return strPath;
}
