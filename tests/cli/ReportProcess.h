#pragma once

#include <string>
#include <vector>

// One run of the built moorplan-report: exit status and both output streams.
struct CReportRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

CReportRun RunReport(const std::vector<std::string>& astrArgs);
