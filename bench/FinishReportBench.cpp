// Times FinishReport::Build in test mode: BuildSummary(1) and the 54-row
// table, each row an interval search of up to 16 endurance calculations.
#include "FinishReport.h"
#include "InstrumentFactory.h"

#include <benchmark/benchmark.h>

namespace {

// A fully entered record: every auxiliary slot the variant offers in use, a
// pump in mode 2 and a lithium pack, so that every term of the budget runs.
std::unique_ptr<CInstrument> LoadedInstrument(int nModel, int nComm, int nFirmware)
{
    auto pInstrument = CreateVariant(nModel, nComm, nFirmware);
    pInstrument->SetPressureSensorIndex(pInstrument->GetPressureSensorCount() - 1);
    pInstrument->m_nPumpIndex = 1;
    pInstrument->m_nPumpMode = 2;
    pInstrument->m_nSampleInterval = 900;
    pInstrument->m_nBatteryIndex = 1;
    pInstrument->m_nInstrumentsQueried = 10;
    pInstrument->m_nCommsPerHour = 6;
    for (int i = 0; i < pInstrument->m_nMaxAuxSensors; ++i)
        pInstrument->m_aAuxSensors.Set(i, "Kelvo 850", 0.04, 5);
    pInstrument->m_nAuxSensorCount = pInstrument->m_nMaxAuxSensors;
    return pInstrument;
}

void BM_FinishReportWithTable(benchmark::State& state, int nModel, int nComm, int nFirmware)
{
    auto pInstrument = LoadedInstrument(nModel, nComm, nFirmware);
    for (auto _ : state) {
        FinishReport::Build(*pInstrument, true);
        benchmark::DoNotOptimize(pInstrument->m_strSummary.data());
    }
}

// The oxygen variant works out its pump time, with an exponential, in every
// calculation and in its minimum interval.
void BM_FinishReportOxygen(benchmark::State& state)
{
    auto pInstrument = CreateVariant(5, 0, 0);
    pInstrument->SetPressureSensorIndex(0);
    pInstrument->m_nSampleInterval = 900;
    pInstrument->m_nBatteryIndex = 0;
    pInstrument->m_bTransmitRealTime = 1;
    pInstrument->m_bReceiveLineValid = 1;
    pInstrument->SetDeploymentTemperature(10.0);
    pInstrument->SetDeploymentPressure(1000.0);
    pInstrument->SetTau20(5.5);
    for (auto _ : state) {
        FinishReport::Build(*pInstrument, true);
        benchmark::DoNotOptimize(pInstrument->m_strSummary.data());
    }
}

// The Kelvo 610 searches the widest span (15 halvings per row); the Kelvo 620
// modem variant runs the longest budget (queries and eight sensors).
BENCHMARK_CAPTURE(BM_FinishReportWithTable, Kelvo610, 0, -1, -1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FinishReportWithTable, Kelvo620ModemFw20, 1, 2, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FinishReportOxygen)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
