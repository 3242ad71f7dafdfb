#include "AnswerTable.h"

#include "PlanAnswers.h"
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

// A page answer; given more than once, the last value counts.
CAnswerRow Answer(const char* szName, const char* szArg, const char* szHelp, std::vector<CPageReading> aReadings)
{
    return {szName, false, std::move(aReadings), szArg, szHelp};
}
// An answer given once per row, in row order.
CAnswerRow Rows(const char* szName, const char* szArg, const char* szHelp, std::vector<CPageReading> aReadings)
{
    return {szName, true, std::move(aReadings), szArg, szHelp};
}

using Intro = CIntroPageModel;
using Comms = CCommsPageModel;
using Pressure = CPressureSelectPageModel;
using Pump = CMooredPumpSelectPageModel;
using Sampling600 = C600SamplingPageModel;
using Sampling700 = C700SamplingPageModel;
using Sampling710 = C710SamplingPageModel;
using Sensors = CSensorListPageModel;
using Battery = CBatterySelectPageModel;

constexpr EPageKind kIntro = EPageKind::Intro;
constexpr EPageKind kComms = EPageKind::Comms;
constexpr EPageKind kPressure = EPageKind::PressureSelect;
constexpr EPageKind kPump = EPageKind::MooredPumpSelect;
constexpr EPageKind k600 = EPageKind::Sampling600;
constexpr EPageKind k700 = EPageKind::Sampling700;
constexpr EPageKind k710 = EPageKind::Sampling710;
constexpr EPageKind kSensors = EPageKind::SensorList;
constexpr EPageKind kBattery = EPageKind::BatterySelect;

}  // namespace

const std::vector<CAnswerRow>& AnswerTable()
{
    static const std::vector<CAnswerRow> aRows = {
        Answer("model", "M", "instrument model (default: Kelvo 620)",
               {Radios(kIntro, Intro::kModel610, Intro::kModelCount)}),
        Answer("comm", "C", "\"RS 232\", \"RS 485\", \"Inductive Modem\" or 0..2",
               {Radios(kComms, Comms::kRs232, Comms::kCommCount)}),
        Answer("firmware", "F", "firmware revision", {List(kComms, Comms::kFirmware)}),
        Answer("pressure-sensor", "S", "pressure sensor", {List(kPressure, Pressure::kSensor)}),
        Answer("paros-time", "N", "Paros integration time (sec)", {Text(kPressure, Pressure::kParosTime)}),
        Answer("pump", "P", "pump (Kelvo 610/620/630)", {List(kPump, Pump::kPump)}),
        Answer("pump-mode", "1|2", "pump mode button", {Keywords(kPump, {{"1", Pump::kMode1}, {"2", Pump::kMode2}})}),
        Answer("interval", "N", "sample interval in seconds",
               {Text(k600, Sampling600::kInterval), Text(k700, Sampling700::kInterval),
                Text(k710, Sampling710::kInterval)}),
        Answer("ncycles", "N", "measurements per sample (Kelvo 610/620/630)",
               {Text(k600, Sampling600::kNCycles)}),
        Answer("navg", "N", "NAvg or NCycle (Kelvo 700)", {Text(k700, Sampling700::kNAvg)}),
        Answer("delay", "X", "delay before sampling (seconds)", {Text(k600, Sampling600::kDelay)}),
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
               {Text(k600, Sampling600::kQueried), Text(k700, Sampling700::kQueried),
                Text(k710, Sampling710::kQueried)}),
        Answer("comms-per-hour", "N", "the shared line's query figures",
               {Text(k600, Sampling600::kRate), Text(k700, Sampling700::kRate), Text(k710, Sampling710::kRate)}),
        Rows(kAuxAnswer, "TYPE[=CURRENT]",
             "one auxiliary sensor row each time, in row order;\n"
             "CURRENT (amps) is typed for a sensor of another maker",
             {SensorRows(kSensors, Sensors::kCount)}),
        Answer("battery", "B", "battery type", {List(kBattery, Battery::kBattery)}),
        Answer("temperature", "X", "deployment temperature (deg C)", {Text(kBattery, Battery::kTemperature)}),
        Answer("pressure", "X", "deployment pressure (decibars)", {Text(kBattery, Battery::kPressure)}),
        Answer("tau20", "X", "oxygen sensor Tau20 (seconds)", {Text(kBattery, Battery::kTau20)}),
    };
    return aRows;
}

const CAnswerRow* FindAnswer(const std::string& strName)
{
    for (const CAnswerRow& row : AnswerTable())
        if (std::strcmp(row.szName, strName.c_str()) == 0)
            return &row;
    return nullptr;
}

std::vector<std::string> CAnswerRow::Keywords() const
{
    std::vector<std::string> astrWords;
    for (const CPageReading& reading : aReadings) {
        if (reading.eStep == EStepKind::Check)
            astrWords.insert(astrWords.end(), {"on", "off"});
        for (const CKeywordButton& button : reading.aKeywords)
            astrWords.push_back(button.szKeyword);
    }
    return astrWords;
}

bool CAnswerRow::ReadBy(EPageKind eKind) const
{
    return std::any_of(aReadings.begin(), aReadings.end(),
                       [eKind](const CPageReading& reading) { return reading.ePage == eKind; });
}
