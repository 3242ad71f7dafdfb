#include "PlanSteps.h"

#include "WizardModel.h"

namespace {

CPlanStep Radios(const char* szOption, int nFirst, int nCount) { return {szOption, EStepKind::RadioChoice, nFirst, nCount, {}}; }
CPlanStep List(const char* szOption, int nControl) { return {szOption, EStepKind::ListChoice, nControl, 0, {}}; }
CPlanStep Text(const char* szOption, int nControl) { return {szOption, EStepKind::Text, nControl, 0, {}}; }
CPlanStep Check(const char* szOption, int nControl) { return {szOption, EStepKind::Check, nControl, 0, {}}; }
CPlanStep Keywords(const char* szOption, std::vector<CKeywordButton> aButtons)
{
    return {szOption, EStepKind::Keyword, 0, 0, std::move(aButtons)};
}

using Intro = CIntroPageModel;
using MoorModel = CMoorModelPageModel;
using Pressure = CPressureSelectPageModel;
using Pump = CMooredPumpSelectPageModel;
using SampleRate = CSampleRatePageModel;
using Sampling700 = C700SamplingPageModel;
using Sampling710 = C710SamplingPageModel;
using Battery = CBatterySelectPageModel;

}  // namespace

const std::vector<CPlanStep>& StepsOf(EPageKind eKind)
{
    static const std::vector<CPlanStep> aIntro = {Radios("model", Intro::kModel610, Intro::kModelCount)};
    static const std::vector<CPlanStep> aMoorModel = {
        Radios("comm", MoorModel::kRs232, MoorModel::kCommCount),
        List("firmware", MoorModel::kFirmware),
    };
    static const std::vector<CPlanStep> aPressure = {
        List("pressure-sensor", Pressure::kSensor),
        Text("paros-time", Pressure::kParosTime),
    };
    static const std::vector<CPlanStep> aPump = {
        List("pump", Pump::kPump),
        Keywords("pump-mode", {{"1", Pump::kMode1}, {"2", Pump::kMode2}}),
    };
    static const std::vector<CPlanStep> aSampleRate = {
        Text("interval", SampleRate::kInterval),
        Text("ncycles", SampleRate::kNCycles),
        Text("delay", SampleRate::kDelay),
        Text("instruments-queried", SampleRate::kQueried),
        Text("comms-per-hour", SampleRate::kRate),
    };
    static const std::vector<CPlanStep> a700 = {
        Text("interval", Sampling700::kInterval),
        Text("navg", Sampling700::kNAvg),
        Keywords("sampling", {{"autonomous", Sampling700::kAutonomous},
                              {"polled", Sampling700::kPolled},
                              {"serial-sync", Sampling700::kSerialSync}}),
        Check("transmit-real-time", Sampling700::kTransmit),
        Check("receive-line-valid", Sampling700::kReceiveLineValid),
        Text("instruments-queried", Sampling700::kQueried),
        Text("comms-per-hour", Sampling700::kRate),
    };
    static const std::vector<CPlanStep> a710 = {
        Text("interval", Sampling710::kInterval),
        Keywords("sampling", {{"interval", Sampling710::kIntervalSampling},
                              {"continuous", Sampling710::kContinuous},
                              {"polled-low", Sampling710::kPolledLow},
                              {"polled-high", Sampling710::kPolledHigh}}),
        Text("instruments-queried", Sampling710::kQueried),
        Text("comms-per-hour", Sampling710::kRate),
    };
    static const std::vector<CPlanStep> aBattery = {
        List("battery", Battery::kBattery),
        Text("temperature", Battery::kTemperature),
        Text("pressure", Battery::kPressure),
        Text("tau20", Battery::kTau20),
    };
    static const std::vector<CPlanStep> aNone;
    switch (eKind) {
    case EPageKind::Intro: return aIntro;
    case EPageKind::MoorModel: return aMoorModel;
    case EPageKind::PressureSelect: return aPressure;
    case EPageKind::MooredPumpSelect: return aPump;
    case EPageKind::SampleRate: return aSampleRate;
    case EPageKind::Sampling700: return a700;
    case EPageKind::Sampling710: return a710;
    case EPageKind::BatterySelect: return aBattery;
    default: return aNone;
    }
}

bool PageReads(EPageKind eKind, const std::string& strOption)
{
    if (eKind == EPageKind::SensorList)
        return strOption == "aux";
    for (const CPlanStep& step : StepsOf(eKind))
        if (strOption == step.szOption)
            return true;
    return false;
}

const CPlanStep* FindStep(const std::string& strOption)
{
    for (EPageKind eKind : {EPageKind::Intro, EPageKind::MoorModel, EPageKind::PressureSelect, EPageKind::MooredPumpSelect,
                            EPageKind::SampleRate, EPageKind::Sampling700, EPageKind::Sampling710, EPageKind::BatterySelect})
        for (const CPlanStep& step : StepsOf(eKind))
            if (strOption == step.szOption)
                return &step;
    return nullptr;
}
