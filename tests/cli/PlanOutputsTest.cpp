#include "ReportProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QFile>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

using Args = std::vector<std::string>;

Args With(Args aArgs, const Args& aMore)
{
    aArgs.insert(aArgs.end(), aMore.begin(), aMore.end());
    return aArgs;
}

QJsonObject ParseJson(const std::string& strText)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(strText), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

const std::string kPlanPath = "/tmp/moorplan-json-" + std::to_string(getpid()) + ".moorplan";

std::string DaysText(double dDays)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, "%5.0lf", dDays);
    return szText;
}

// Plans of every family and budget kind, the oxygen ones with a raised interval.
const Args kPlans[] = {
    {"--model", "kelvo 610", "--pressure-sensor", "Digiquartz", "--pump", "P4M", "--interval", "900", "--aux",
     "other = 0.02", "--aux", " KELVO 830", "--battery=1", "--temperature", "12.5"},
    {"--model", "Kelvo 620", "--comm", "RS 485", "--pressure-sensor", "Strain gauge", "--pump", "P4M", "--pump-mode",
     "2", "--interval", "300", "--instruments-queried", "3", "--comms-per-hour", "4", "--battery", "2",
     "--temperature", "-2.25"},
    {"--model", "Kelvo 700 - Integral Pump", "--comm", "RS 232", "--firmware", "3.0 and higher, less than 4.0",
     "--pressure-sensor", "Strain gauge", "--interval", "600", "--sampling", "autonomous",
     "--transmit-real-time", "on", "--battery", "AA Lithium", "--test"},
    {"--model", "5", "--comm", "0", "--pressure-sensor", "0", "--interval", "12", "--battery", "0",
     "--temperature", "3.5", "--pressure", "1500", "--tau20", "4"},
    {"--model", "5", "--comm", "2", "--firmware", "1", "--pressure-sensor", "0", "--interval", "20",
     "--instruments-queried", "2", "--comms-per-hour", "1", "--battery", "0",
     "--temperature", "30", "--pressure", "10", "--tau20", "1.5"},
    {"--model", "Kelvo 710", "--comm", "RS 232", "--firmware", "1", "--pressure-sensor", "1", "--interval", "0",
     "--sampling", "continuous", "--battery", "Alkaline"},
};

TEST(PlanJson, CarriesTheReportItsEnduranceBreakdownAndInputsThatReadBack)
{
    for (const Args& aPlan : kPlans) {
        SCOPED_TRACE(aPlan[1] + " " + aPlan[3]);
        const CReportRun text = RunReport(aPlan);
        ASSERT_EQ(text.nStatus, 0) << text.strErr;
        const CReportRun json = RunReport(With(aPlan, {"--json", "--save-plan", kPlanPath}));
        ASSERT_EQ(json.nStatus, 0) << json.strErr;
        const QJsonObject plan = ParseJson(json.strOut);

        EXPECT_EQ(plan["schema"].toInt(), 1);
        EXPECT_EQ(plan["report"].toString().toStdString() + "\n", text.strOut);
        const double dDays = plan["enduranceDays"].toDouble();
        EXPECT_NE(text.strOut.find("Battery Endurance is: " + DaysText(dDays) + " Days"), std::string::npos);
        EXPECT_GE(plan["minInterval"].toInt(), 0);

        // The parts per day, divided into the capacity, give the endurance.
        const QJsonObject breakdown = plan["breakdown"].toObject();
        double dSum = 0.0;
        for (const QJsonValue& part : breakdown["parts"].toArray())
            dSum += part.toObject()["perDay"].toDouble();
        EXPECT_NEAR(dSum, breakdown["total"].toDouble(), 1e-12);
        EXPECT_NEAR(plan["capacity"].toObject()["value"].toDouble() / dSum, dDays, 1e-9 * dDays);
        EXPECT_EQ(breakdown["unit"].toString(), plan["capacity"].toObject()["unit"].toString() + "/day");

        const bool bTest = std::find(aPlan.begin(), aPlan.end(), "--test") != aPlan.end();
        EXPECT_EQ(plan.contains("test"), bTest);
        if (bTest) {
            EXPECT_EQ(plan["test"].toObject()["rows"].toArray().size(), 54);
        }

        // The inputs are the plan file of the run: what --save-plan writes,
        // and read back with --plan they make the same report.
        const QJsonObject inputs = plan["inputs"].toObject();
        EXPECT_EQ(inputs["moorplan-plan"].toInt(), 1);
        QFile file(QString::fromStdString(kPlanPath));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QJsonDocument::fromJson(file.readAll()).object(), inputs);
        file.close();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(inputs).toJson());
        file.close();
        const CReportRun again = RunReport(bTest ? Args{"--plan", kPlanPath, "--test"} : Args{"--plan", kPlanPath});
        EXPECT_EQ(again.nStatus, 0) << again.strErr;
        EXPECT_EQ(again.strOut, text.strOut);
    }
    std::remove(kPlanPath.c_str());
}

// Each CSV row: the value, the endurance with every digit, or the page's message.
TEST(PlanSweep, RowsAreSingleRunsOfTheSamePlan)
{
    const Args aPlan = kPlans[1];
    const CReportRun sweep = RunReport(With(aPlan, {"--sweep", "interval=-5:40:15"}));
    ASSERT_EQ(sweep.nStatus, 0) << sweep.strErr;
    const QStringList astrLines = QString::fromStdString(sweep.strOut).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(astrLines.size(), 5);
    EXPECT_EQ(astrLines[0], QStringLiteral("interval,days,message"));
    for (const QString& strLine : astrLines.mid(1)) {
        const QStringList astrCells = strLine.split(',');
        ASSERT_EQ(astrCells.size(), 3) << strLine.toStdString();
        Args aSingle = aPlan;
        aSingle[11] = astrCells[0].toStdString();   // the value of --interval
        const CReportRun single = RunReport(With(aSingle, {"--json"}));
        if (astrCells[1].isEmpty()) {
            EXPECT_EQ(single.nStatus, 1);
            EXPECT_EQ(single.strErr, astrCells[2].toStdString() + "\n");
        } else {
            ASSERT_EQ(single.nStatus, 0) << single.strErr;
            EXPECT_EQ(astrCells[1].toDouble(), ParseJson(single.strOut)["enduranceDays"].toDouble());
            EXPECT_TRUE(astrCells[2].isEmpty());
        }
    }
    EXPECT_TRUE(astrLines[1].startsWith(QLatin1String("-5,,Sample interval must be between 10 and 14400")));
}

TEST(PlanSweep, TemperatureRowsAndUsageErrors)
{
    const Args aOxygen = kPlans[3];
    const CReportRun sweep = RunReport(With(aOxygen, {"--sweep=temperature=-10:40:25"}));
    EXPECT_EQ(sweep.nStatus, 0) << sweep.strErr;
    EXPECT_EQ(sweep.strOut.substr(0, sweep.strOut.find('\n', sweep.strOut.find('\n') + 1)),
              "temperature,days,message\n-10,,Deployment temperature must be between -5 and 40 degrees C");

    for (const Args& aBad : {Args{"--sweep", "interval=10:5:1"}, Args{"--sweep", "interval=1:2"},
                             Args{"--sweep", "navg=1:2:1"}, Args{"--sweep", "interval=0:1e9:1"},
                             Args{"--sweep", "interval=10:20:1", "--json"},
                             Args{"--sweep", "interval=10:20:1", "--save-plan", kPlanPath}}) {
        const CReportRun run = RunReport(With(aOxygen, aBad));
        EXPECT_EQ(run.nStatus, 2) << aBad[1];
        EXPECT_EQ(run.strOut, "");
    }
    // Temperature is no page answer of the Kelvo 700 without oxygen.
    EXPECT_EQ(RunReport(With(kPlans[2], {"--sweep", "temperature=0:10:5"})).nStatus, 2);
}

}  // namespace
