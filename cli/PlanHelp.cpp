#include "PlanHelp.h"

#include "OptionTable.h"

namespace {

constexpr std::size_t kLineWidth = 79;
constexpr std::size_t kUsageIndent = 23;   // under the first option of "Usage: moorplan-report "
constexpr std::size_t kHelpIndent = 26;    // where an option's description starts

std::string NameAndArg(const COptionRow& row)
{
    const std::string strArg = row.szArg;
    return "--" + std::string(row.szName) + (strArg.empty() ? "" : " " + strArg);
}

// The words in brackets, filled into lines of kLineWidth under the indent.
std::string FillLines(const std::vector<std::string>& astrWords)
{
    std::string strLines;
    std::size_t nColumn = kUsageIndent;
    for (const std::string& strWord : astrWords) {
        if (nColumn > kUsageIndent && nColumn + 1 + strWord.size() > kLineWidth) {
            strLines += "\n" + std::string(kUsageIndent, ' ');
            nColumn = kUsageIndent;
        }
        if (nColumn > kUsageIndent) {
            strLines += " ";
            ++nColumn;
        }
        strLines += strWord;
        nColumn += strWord.size();
    }
    return strLines + "\n";
}

// Every plan starts on the model pages, so their answers are named; the other
// answers are summed up; then what is not an answer, except --help itself.
std::string UsageLines()
{
    std::vector<std::string> astrAnswers;
    std::vector<std::string> astrOthers;
    for (const COptionRow& row : OptionTable()) {
        if (row.IsPageAnswer()) {
            if (row.pAnswer->ReadBy(EPageKind::Intro) || row.pAnswer->ReadBy(EPageKind::Comms))
                astrAnswers.push_back("[" + NameAndArg(row) + "]");
        } else if (row.eKind != EOptionKind::Help) {
            astrOthers.push_back("[" + NameAndArg(row) + "]");
        }
    }
    astrAnswers.push_back("[page answers...]");
    return "Usage: moorplan-report " + FillLines(astrAnswers) + std::string(kUsageIndent, ' ') + FillLines(astrOthers);
}

// One line per row, or per group of rows described together; continuation
// lines of a description line up under it.
std::string OptionLines()
{
    std::string strLines;
    std::string strNames;
    for (const COptionRow& row : OptionTable()) {
        strNames += (strNames.empty() ? "" : ", ") + NameAndArg(row);
        if (!row.szHelp)
            continue;
        std::string strLine = "  " + strNames;
        strLine += strLine.size() + 2 <= kHelpIndent ? std::string(kHelpIndent - strLine.size(), ' ') : "   ";
        for (const char* p = row.szHelp; *p; ++p)
            strLine += *p == '\n' ? "\n" + std::string(kHelpIndent, ' ') : std::string(1, *p);
        strLines += strLine + "\n";
        strNames.clear();
    }
    return strLines;
}

}  // namespace

std::string PlanHelpText()
{
    return UsageLines()
         + "\n"
           "Answers the wizard's pages from options, in page order, and prints the finish\n"
           "page's report (the text \"View in Notepad\" would write).\n"
           "\n"
           "A choice is the entry's index in the page's list (0 = first) or its text, in any\n"
           "letter case, surrounding blanks ignored. A number is the text a person would\n"
           "type into the field, read as the page reads it. Options are written\n"
           "--name VALUE or --name=VALUE; a repeated option keeps its last value.\n"
           "A plan file is a JSON object of the page answers under these names, with\n"
           "\"moorplan-plan\": 1 (see --save-plan).\n"
           "\n"
         + OptionLines()
         + "\n"
           "Exit status: 0 report printed; 1 a page refused an entry (its message on\n"
           "standard error); 2 usage error, or a plan file that cannot be read or saved.\n"
           "A sweep prints a refused value's message in its row and ends with 0.\n"
           "A mooring prints its table and ends with 0 when every instrument lasts until\n"
           "recovery, 3 when one or more run out before it, 1 when a position's plan is\n"
           "refused (before 3), 2 for a file that cannot be read.\n"
           "\n"
           "Examples:\n"
           "  moorplan-report --model \"Kelvo 610\" --temperature 12.5 --interval 900\n"
           "  moorplan-report --plan deep.moorplan --sweep interval=10:3600:10\n";
}
