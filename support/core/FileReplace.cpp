#include "FileReplace.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#if defined(_WIN32)
#include <fstream>
#include <random>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileReplace {
namespace {

#if defined(_WIN32)
// Without mkstemp: a random name beside the file, written with the streams.
bool WriteNew(const std::filesystem::path& path, const std::string& strContent, EAccess, std::filesystem::path& temp,
              std::string& strError)
{
    temp = path;
    temp += "." + std::to_string(std::random_device{}()) + ".tmp";
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    file.write(strContent.data(), static_cast<std::streamsize>(strContent.size()));
    file.close();
    if (!file) {
        strError = std::strerror(errno);
        return false;
    }
    return true;
}
#else
bool WriteNew(const std::filesystem::path& path, const std::string& strContent, EAccess eAccess,
              std::filesystem::path& temp, std::string& strError)
{
    std::string strTemplate = path.string() + ".XXXXXX";
    const int nFile = ::mkstemp(&strTemplate[0]);
    if (nFile < 0) {
        strError = std::strerror(errno);
        return false;
    }
    temp = strTemplate;
    // mkstemp makes the file private; a document keeps the old file's access
    // or gets what the user's umask gives a new file.
    mode_t nMode = 0600;
    if (eAccess == EAccess::Document) {
        struct stat old {};
        if (::stat(path.c_str(), &old) == 0) {
            nMode = old.st_mode & 07777;
        } else {
            const mode_t nMask = ::umask(0);
            ::umask(nMask);
            nMode = 0666 & ~nMask;
        }
    }
    bool bOk = ::fchmod(nFile, nMode) == 0;
    for (std::size_t nDone = 0; bOk && nDone < strContent.size();) {
        const ssize_t nWritten = ::write(nFile, strContent.data() + nDone, strContent.size() - nDone);
        if (nWritten < 0 && errno == EINTR)
            continue;
        bOk = nWritten > 0;
        nDone += bOk ? static_cast<std::size_t>(nWritten) : 0;
    }
    bOk = bOk && ::fsync(nFile) == 0;
    const int nError = errno;
    bOk = (::close(nFile) == 0) && bOk;
    if (!bOk)
        strError = std::strerror(nError ? nError : errno);
    return bOk;
}
#endif

}  // namespace

bool Write(const std::filesystem::path& path, const std::string& strContent, EAccess eAccess, std::string& strError)
{
    std::filesystem::path temp;
    errno = 0;
    if (!WriteNew(path, strContent, eAccess, temp, strError)) {
        std::error_code ignored;
        if (!temp.empty())
            std::filesystem::remove(temp, ignored);
        return false;
    }
    // rename() replaces the directory entry itself: a planted link is dropped,
    // its target is never opened, and another user's file in a sticky folder
    // refuses to be replaced instead of being written into.
    std::error_code error;
    std::filesystem::rename(temp, path, error);
    if (error) {
        strError = error.message();
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace FileReplace
