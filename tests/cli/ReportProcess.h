#pragma once

#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

// One run of the built moorplan-report: exit status and both output streams.
struct CReportRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

inline CReportRun RunReport(const std::vector<std::string>& astrArgs)
{
    QStringList astrArguments;
    for (const std::string& strArg : astrArgs)
        astrArguments << QString::fromStdString(strArg);
    QProcess process;
    process.start(QStringLiteral(MOORPLAN_REPORT_PATH), astrArguments);
    process.waitForFinished(-1);
    CReportRun run;
    if (process.exitStatus() == QProcess::NormalExit)
        run.nStatus = process.exitCode();
    run.strOut = process.readAllStandardOutput().toStdString();
    run.strErr = process.readAllStandardError().toStdString();
    return run;
}
