#include "ReportProcess.h"

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

const QString kFive = QStringLiteral(MOORPLAN_SOURCE_DIR "/tests/mooring/fixtures/five.mooring");

QByteArray Slurp(const QString& strPath)
{
    QFile file(strPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << strPath.toStdString();
    return file.readAll();
}

// A new scratch file of this test run, removed when the run ends.
std::string Scratch(const std::string& strName, const QByteArray& text)
{
    static struct CFiles {
        std::vector<std::string> astrPaths;
        ~CFiles() { for (const std::string& strPath : astrPaths) std::remove(strPath.c_str()); }
    } files;
    const std::string strPath = "/tmp/moorplan-" + std::to_string(getpid()) + "-"
                                + std::to_string(files.astrPaths.size()) + strName;
    files.astrPaths.push_back(strPath);
    QFile file(QString::fromStdString(strPath));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    return strPath;
}

// The five positions (610, 620 with modem, 700 pumped, oxygen, 710) deployed
// and recovered on other days; a text replaced in the file.
std::string FiveWith(const char* szDeployed, const char* szRecovery, const char* szOld = "", const char* szNew = "")
{
    QByteArray text = Slurp(kFive).replace("2025-03-01", szDeployed).replace("2026-03-15", szRecovery);
    return Scratch("five.mooring", *szOld ? text.replace(szOld, szNew) : text);
}

QJsonArray Positions(const CReportRun& run)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.strOut)).object()["positions"].toArray();
}

// Each row is its plan run alone: saved alone, the position's plan is a plan
// that --plan reads to the same report, every digit of the days and the days
// as that report rounds them.
TEST(MooringReport, EachRowIsThePositionsPlanRunAlone)
{
    const std::string strFive = kFive.toStdString();
    const QJsonArray aPositions = Positions(RunReport({"--mooring", strFive, "--json"}));
    const CReportRun csv = RunReport({"--mooring", strFive, "--csv"});
    const QStringList astrRows = QString::fromStdString(csv.strOut).split('\n', Qt::SkipEmptyParts);
    const QJsonArray aPlans = QJsonDocument::fromJson(Slurp(kFive)).object()["positions"].toArray();
    ASSERT_EQ(aPositions.size(), 5);
    ASSERT_EQ(astrRows.size(), 6);
    EXPECT_EQ(astrRows[0], "label,depth,model,interval,battery,temperature,days,end,margin,status");
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const std::string strPlan =
            Scratch("alone.moorplan", QJsonDocument(aPlans[i].toObject()["plan"].toObject()).toJson());
        const CReportRun text = RunReport({"--plan", strPlan});
        const QJsonObject json =
            QJsonDocument::fromJson(QByteArray::fromStdString(RunReport({"--plan", strPlan, "--json"}).strOut)).object();
        ASSERT_EQ(text.nStatus, 0) << text.strErr;
        const QJsonObject position = aPositions[i].toObject();
        EXPECT_EQ(position["report"].toString().toStdString() + "\n", text.strOut);
        EXPECT_EQ(position["days"].toDouble(), json["enduranceDays"].toDouble());
        EXPECT_EQ(position["breakdown"], json["breakdown"]);
        const auto nAt = text.strOut.find("Battery Endurance is:");
        ASSERT_NE(nAt, std::string::npos);
        const QString strRounded = QString::fromStdString(text.strOut.substr(nAt + 21, 6)).trimmed();
        EXPECT_EQ(astrRows[i + 1].split(',')[6], strRounded);
    }
}

// The expected end is the deployment day plus the whole days, as the
// finish page counts; the margin runs from the recovery day to it.
TEST(MooringReport, EndsAndMarginsCountWholeDaysAcrossLeapDaysAndYearEnds)
{
    const std::pair<const char*, const char*> aDays[] = {
        {"2023-06-01", "2024-03-01"}, {"2024-02-28", "2024-12-31"}, {"2023-12-31", "2024-02-29"}};
    for (const auto& days : aDays) {
        SCOPED_TRACE(days.first);
        const QDate deployed = QDate::fromString(days.first, Qt::ISODate);
        const QDate recovery = QDate::fromString(days.second, Qt::ISODate);
        for (const QJsonValue& value : Positions(RunReport({"--mooring", FiveWith(days.first, days.second), "--json"}))) {
            const QJsonObject position = value.toObject();
            const QDate end = deployed.addDays(static_cast<qint64>(std::floor(position["days"].toDouble())));
            const qint64 nMargin = recovery.daysTo(end);
            EXPECT_EQ(position["end"].toString(), end.toString(Qt::ISODate));
            EXPECT_EQ(position["margin"].toInteger(), nMargin);
            EXPECT_EQ(position["status"].toString(),
                      nMargin >= 0 ? "lasts" : QString("runs out %1 days before recovery").arg(-nMargin));
        }
    }
}

TEST(MooringReport, TheVerdictAndTheExitStatus)
{
    struct CCase {
        std::string strFile;
        int nStatus;
        std::string strLast;   // the text output's last line, or for status 2 the message
    };
    const CCase aCases[] = {
        {FiveWith("2025-03-01", "2025-03-01"), 0,
         "All 5 instruments last until recovery; the first to run out is SN 7304, 259 days after."},
        {kFive.toStdString(), 3,
         "2 of 5 instruments run out before recovery: SN 7304 (120 days early), SN 6101 (66 days early)"},
        {FiveWith("2025-03-01", "2026-03-15", "\"interval\": 300", "\"interval\": -1"), 1,
         "1 of 5 plans are refused, so there is no verdict: SN 7105"},
        {FiveWith("2025-03-01", "2025-02-28"), 2,
         "moorplan-report: FILE: the recovery day 2025-02-28 comes before the deployment day 2025-03-01"},
    };
    for (const CCase& c : aCases) {
        SCOPED_TRACE(c.nStatus);
        const CReportRun run = RunReport({"--mooring", c.strFile});
        EXPECT_EQ(run.nStatus, c.nStatus);
        if (c.nStatus == 2) {
            EXPECT_EQ(run.strOut, "");
            EXPECT_EQ(QString::fromStdString(run.strErr).replace(QString::fromStdString(c.strFile), "FILE").toStdString(),
                      c.strLast + "\n");
            continue;
        }
        EXPECT_TRUE(run.strOut.size() > c.strLast.size()
                    && run.strOut.compare(run.strOut.size() - c.strLast.size() - 1, std::string::npos, c.strLast + "\n")
                           == 0)
            << run.strOut;
        EXPECT_NE(run.strOut.find("\nSN 7003: Batteries are not expected to last longer than 2 years\n"),
                  std::string::npos);
    }
    const CReportRun refused = RunReport({"--mooring", aCases[2].strFile, "--csv"});
    EXPECT_NE(refused.strOut.find("\nSN 7105,1500,Kelvo 710,-1,Lithium,,,,,refused on Sampling Parameters: Sample "
                                  "interval must be between 0 and 14400 seconds.\n"),
              std::string::npos)
        << refused.strOut;
    for (const std::vector<std::string>& aArgs : {std::vector<std::string>{"--csv"},
                                                 {"--mooring", aCases[0].strFile, "--csv", "--json"},
                                                 {"--mooring", aCases[0].strFile, "--interval", "600"}})
        EXPECT_EQ(RunReport(aArgs).nStatus, 2);
}

}  // namespace
