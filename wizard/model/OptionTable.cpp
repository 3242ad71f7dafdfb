#include "OptionTable.h"

#include "WizardModel.h"

#include <algorithm>
#include <cstring>

namespace {

// How a page reads an answer.
CPageReading Radios(EPageKind ePage, int nFirst, int nCount) { return {ePage, EStepKind::RadioChoice, nFirst, nCount, {}}; }
CPageReading List(EPageKind ePage, int nControl) { return {ePage, EStepKind::ListChoice, nControl, 0, {}}; }
CPageReading Text(EPageKind ePage, int nControl) { return {ePage, EStepKind::Text, nControl, 0, {}}; }
CPageReading Check(EPageKind ePage, int nControl) { return {ePage, EStepKind::Check, nControl, 0, {}}; }
CPageReading Keywords(EPageKind ePage, std::vector<CKeywordButton> aButtons)
{
    return {ePage, EStepKind::Keyword, 0, 0, std::move(aButtons)};
}
CPageReading SensorRows(EPageKind ePage, int nCountList) { return {ePage, EStepKind::SensorRows, nCountList, 0, {}}; }

// The kinds of row.
COptionRow Answer(const char* szName, const char* szArg, const char* szHelp, std::vector<CPageReading> aReadings)
{
    return {szName, EOptionKind::PageAnswer, std::move(aReadings), nullptr, {}, szArg, szHelp};
}
COptionRow Rows(const char* szName, const char* szArg, const char* szHelp, std::vector<CPageReading> aReadings)
{
    return {szName, EOptionKind::PageRows, std::move(aReadings), nullptr, {}, szArg, szHelp};
}
COptionRow Switch(const char* szName, bool CPlanOptions::*pFlag, const char* szHelp)
{
    return {szName, EOptionKind::Switch, {}, pFlag, {}, "", szHelp};
}
COptionRow HelpSwitch(const char* szName, bool CPlanOptions::*pFlag, const char* szHelp)
{
    return {szName, EOptionKind::Help, {}, pFlag, {}, "", szHelp};
}
COptionRow Setting(const char* szName, const char* szArg, std::vector<std::string> astrKeywords,
                                    const char* szHelp)
{
    return {szName, EOptionKind::Setting, {}, nullptr, std::move(astrKeywords), szArg, szHelp};
}

using Intro = CIntroPageModel;
using MoorModel = CMoorModelPageModel;
using Pressure = CPressureSelectPageModel;
using Pump = CMooredPumpSelectPageModel;
using SampleRate = CSampleRatePageModel;
using Sampling700 = C700SamplingPageModel;
using Sampling710 = C710SamplingPageModel;
using Sensors = CSensorListPageModel;
using Battery = CBatterySelectPageModel;

constexpr EPageKind kIntro = EPageKind::Intro;
constexpr EPageKind kMoorModel = EPageKind::MoorModel;
constexpr EPageKind kPressure = EPageKind::PressureSelect;
constexpr EPageKind kPump = EPageKind::MooredPumpSelect;
constexpr EPageKind kSampleRate = EPageKind::SampleRate;
constexpr EPageKind k700 = EPageKind::Sampling700;
constexpr EPageKind k710 = EPageKind::Sampling710;
constexpr EPageKind kSensors = EPageKind::SensorList;
constexpr EPageKind kBattery = EPageKind::BatterySelect;

}  // namespace

const std::vector<COptionRow>& OptionTable()
{
    static const std::vector<COptionRow> aRows = {
        Answer("model", "M", "instrument model (default: Kelvo 620)",
               {Radios(kIntro, Intro::kModel610, Intro::kModelCount)}),
        Answer("comm", "C", "\"RS 232\", \"RS 485\", \"Inductive Modem\" or 0..2",
               {Radios(kMoorModel, MoorModel::kRs232, MoorModel::kCommCount)}),
        Answer("firmware", "F", "firmware revision", {List(kMoorModel, MoorModel::kFirmware)}),
        Answer("pressure-sensor", "S", "pressure sensor", {List(kPressure, Pressure::kSensor)}),
        Answer("paros-time", "N", "Paros integration time (sec)", {Text(kPressure, Pressure::kParosTime)}),
        Answer("pump", "P", "pump (Kelvo 610/620/630)", {List(kPump, Pump::kPump)}),
        Answer("pump-mode", "1|2", "pump mode button", {Keywords(kPump, {{"1", Pump::kMode1}, {"2", Pump::kMode2}})}),
        Answer("interval", "N", "sample interval in seconds",
               {Text(kSampleRate, SampleRate::kInterval), Text(k700, Sampling700::kInterval),
                Text(k710, Sampling710::kInterval)}),
        Answer("ncycles", "N", "measurements per sample (Kelvo 610/620/630)",
               {Text(kSampleRate, SampleRate::kNCycles)}),
        Answer("navg", "N", "NAvg or NCycle (Kelvo 700)", {Text(k700, Sampling700::kNAvg)}),
        Answer("delay", "X", "delay before sampling (seconds)", {Text(kSampleRate, SampleRate::kDelay)}),
        Answer("sampling", "KIND",
               "Kelvo 700: autonomous, polled, serial-sync;\n"
               "Kelvo 710: interval, continuous, polled-low, polled-high",
               {Keywords(k700, {{"autonomous", Sampling700::kAutonomous},
                                {"polled", Sampling700::kPolled},
                                {"serial-sync", Sampling700::kSerialSync}}),
                Keywords(k710, {{"interval", Sampling710::kIntervalSampling},
                                {"continuous", Sampling710::kContinuous},
                                {"polled-low", Sampling710::kPolledLow},
                                {"polled-high", Sampling710::kPolledHigh}})}),
        Answer("transmit-real-time", "on|off", nullptr, {Check(k700, Sampling700::kTransmit)}),
        Answer("receive-line-valid", "on|off", "Kelvo 700 check boxes", {Check(k700, Sampling700::kReceiveLineValid)}),
        Answer("instruments-queried", "N", nullptr,
               {Text(kSampleRate, SampleRate::kQueried), Text(k700, Sampling700::kQueried),
                Text(k710, Sampling710::kQueried)}),
        Answer("comms-per-hour", "N", "the shared line's query figures",
               {Text(kSampleRate, SampleRate::kRate), Text(k700, Sampling700::kRate), Text(k710, Sampling710::kRate)}),
        Rows("aux", "TYPE[=CURRENT]",
             "one auxiliary sensor row each time, in row order;\n"
             "CURRENT (amps) is typed for a sensor of another maker",
             {SensorRows(kSensors, Sensors::kCount)}),
        Answer("battery", "B", "battery type", {List(kBattery, Battery::kBattery)}),
        Answer("temperature", "X", "deployment temperature (deg C)", {Text(kBattery, Battery::kTemperature)}),
        Answer("pressure", "X", "deployment pressure (decibars)", {Text(kBattery, Battery::kPressure)}),
        Answer("tau20", "X", "oxygen sensor Tau20 (seconds)", {Text(kBattery, Battery::kTau20)}),
        Setting(kPlanOption, "FILE", {},
                "the answers of a plan file (.moorplan); options\n"
                "before it give way to it, options after override it"),
        Setting(kSavePlanOption, "FILE", {},
                "write the plan of the run (every answer the pages\n"
                "hold) to FILE once the report is done"),
        Switch("test", &CPlanOptions::m_bTest, "append the table of sample interval against days"),
        Switch("485Nereids", &CPlanOptions::m_b485, "offer RS 485 for the Kelvo 700 without oxygen"),
        Switch("trace", &CPlanOptions::m_bTrace, "write the diagnostic lines to standard error"),
        Switch("json", &CPlanOptions::m_bJson,
               "print one JSON object instead of the text:\n"
               "schema, inputs (the plan file's object), capacity,\n"
               "enduranceDays, minInterval, breakdown, test (with\n"
               "--test), report; with --mooring: schema, name,\n"
               "deployed, recovery, verdict, positions"),
        Setting(kSweepOption, "NAME=START:STOP:STEP", {},
                "CSV of the endurance for each value of --NAME\n"
                "(interval or temperature) from START to STOP in\n"
                "steps of STEP; a refused value's row has its message"),
        Setting(kMooringOption, "FILE", {},
                "the table of a mooring file (.mooring): each\n"
                "position's plan run as --plan runs it, its end\n"
                "against the recovery day, and the verdict"),
        Switch("csv", &CPlanOptions::m_bCsv, "with --mooring: the table as CSV"),
                HelpSwitch("help", &CPlanOptions::m_bHelp, "show this text"),
    };
    return aRows;
}

const COptionRow* FindOption(const std::string& strName)
{
    for (const COptionRow& row : OptionTable())
        if (std::strcmp(row.szName, strName.c_str()) == 0)
            return &row;
    return nullptr;
}

std::vector<std::string> COptionRow::Keywords() const
{
    std::vector<std::string> astrWords = astrKeywords;
    for (const CPageReading& reading : aReadings) {
        if (reading.eStep == EStepKind::Check)
            astrWords.insert(astrWords.end(), {"on", "off"});
        for (const CKeywordButton& button : reading.aKeywords)
            astrWords.push_back(button.szKeyword);
    }
    return astrWords;
}

bool COptionRow::ReadBy(EPageKind eKind) const
{
    return std::any_of(aReadings.begin(), aReadings.end(),
                       [eKind](const CPageReading& reading) { return reading.ePage == eKind; });
}
