#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct chmFile;

// Reads the program's compiled help file: its topics and pictures, default
// topic, contents, index and numeric context map. Standard C++ only, so the
// help viewer can show it and a fuzzer can feed it anything.
//
// The file may come from anywhere (the user can browse for one), so nothing
// it declares is trusted: the whole file and every object read from it are
// capped, every table is bounds-checked, and anything that does not add up
// makes the call fail.
namespace BvUtility::HelpFile {

// One line of the contents tree or the index: its text, the topic it opens
// (a path inside the file, e.g. "/welcome.htm"; empty for a heading without a
// page) and its depth (0 for the top level).
struct CHelpEntry {
    std::string strName;
    std::string strTopic;
    int nLevel = 0;
};

// A topic that holds every word searched for: its path, its title and how
// often the words occur in it altogether.
struct CSearchHit {
    std::string strTopic;
    std::string strTitle;
    std::size_t nCount = 0;
};

class CHelpFile {
public:
    static constexpr std::size_t kMaxFileBytes = 64u << 20;
    static constexpr std::size_t kMaxObjectBytes = 4u << 20;
    static constexpr std::size_t kMaxContentBytes = 64u << 20;
    static constexpr std::size_t kMaxEntries = 20000;

    CHelpFile();
    ~CHelpFile();
    CHelpFile(const CHelpFile&) = delete;
    CHelpFile& operator=(const CHelpFile&) = delete;

    // False when the path is not a readable file within the size cap, not a
    // compiled help file, or its system record is missing or unreadable.
    bool Open(const std::string& strPath);
    bool IsOpen() const { return m_pFile != nullptr; }

    // One object by its path inside the file ("/welcome.htm"); false when it
    // is absent, over the cap or cannot be read in full.
    bool Read(const std::string& strObject, std::string& strData) const;

    // The default topic's path, empty when the file names none.
    const std::string& DefaultTopic() const { return m_strDefaultTopic; }
    // The title the file gives itself, empty when it has none.
    const std::string& Title() const { return m_strTitle; }
    std::vector<CHelpEntry> Contents() const { return ReadSitemap(m_strContentsFile); }
    std::vector<CHelpEntry> Index() const { return ReadSitemap(m_strIndexFile); }

    // The pages of the file (".htm" and ".html") that hold every word of
    // strWords, without regard to case, the most occurrences first (then by
    // title). A word matches anywhere in a page's text, tags left out; no
    // words, no hits.
    std::vector<CSearchHit> Search(const std::string& strWords) const;

    // The topic the context map gives nContext; false when the map has no
    // such number or names no topic of this file.
    bool TopicForContext(unsigned long nContext, std::string& strTopic) const;

private:
    void Close();
    bool ContentComplete() const;
    bool ReadSystem();
    bool Exists(const std::string& strObject) const;
    std::vector<CHelpEntry> ReadSitemap(const std::string& strObject) const;

    struct CFileCloser {
        void operator()(::chmFile* pFile) const;
    };
    std::unique_ptr<::chmFile, CFileCloser> m_pFile;
    std::string m_strDefaultTopic;
    std::string m_strContentsFile;
    std::string m_strIndexFile;
    std::string m_strTitle;
};

// A topic path inside the file for a name as the file's own tables write it
// ("welcome.htm", "/welcome.htm", "./welcome.htm"): one leading slash, no
// "." or ".." steps; empty when the name would climb out of the file.
std::string TopicPath(const std::string& strName);

// How often the words occur in a page's text (its tags left out, without
// regard to case): the sum over the words, or 0 when one of them is missing.
// strTitle receives the page's title.
std::size_t CountWords(const std::string& strPage, const std::vector<std::string>& astrWords, std::string& strTitle);

// The entries of a contents or index file (an HTML list of sitemap objects).
std::vector<CHelpEntry> ParseSitemap(const std::string& strText, std::size_t nMaxEntries);

}  // namespace BvUtility::HelpFile
