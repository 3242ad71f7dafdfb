#include "ReportProcess.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string Quoted(const std::string& strArg)
{
    std::string strQuoted = "'";
    for (char c : strArg)
        strQuoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return strQuoted + "'";
}

std::string Slurp(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::remove(strPath.c_str());
    return text.str();
}
}  // namespace

CReportRun RunReport(const std::vector<std::string>& astrArgs)
{
    const std::string strBase = "/tmp/moorplan-report-test-" + std::to_string(getpid());
    std::string strCommand = Quoted(MOORPLAN_REPORT_PATH);
    for (const std::string& strArg : astrArgs)
        strCommand += " " + Quoted(strArg);
    strCommand += " >" + strBase + ".out 2>" + strBase + ".err";
    CReportRun run;
    const int nRaw = std::system(strCommand.c_str());
    run.nStatus = WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    run.strOut = Slurp(strBase + ".out");
    run.strErr = Slurp(strBase + ".err");
    return run;
}
