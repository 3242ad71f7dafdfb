// Times moorplan-report's --sweep of 10,000 sample intervals in one process:
// every value walks the wizard's pages with their checks and builds the
// finish report, as a single run does.
#include "PlanOptions.h"
#include "PlanSweep.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SweepTenThousandIntervals(benchmark::State& state)
{
    CPlanOptions options;
    options.m_mapValues = {{"model", "Kelvo 620"}, {"pressure-sensor", "Strain gauge"}, {"pump", "P4M"},
                           {"battery", "Alkaline"}, {"temperature", "10"}, {"sweep", "interval=10:10009:1"}};
    options.m_mapRows["aux"] = {"Kelvo 810"};
    for (auto _ : state) {
        std::string strCsv;
        std::string strMessage;
        if (RunSweep(options, strCsv, strMessage) != kPlanDone)
            state.SkipWithError(strMessage.c_str());
        benchmark::DoNotOptimize(strCsv.data());
    }
}
BENCHMARK(BM_SweepTenThousandIntervals)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
