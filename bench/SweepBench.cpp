// Times moorplan-report's --sweep of 10,000 sample intervals in one process:
// every value walks the wizard's pages with their checks and builds the
// finish report, as a single run does.
#include "OptionTable.h"
#include "PlanSweep.h"
#include "ReportOptions.h"

#include <benchmark/benchmark.h>

#include <utility>

namespace {

void BM_SweepTenThousandIntervals(benchmark::State& state)
{
    CReportOptions options;
    for (const auto& [strName, strValue] : {std::pair<const char*, const char*>{"model", "Kelvo 620"},
                                            {"pressure-sensor", "Strain gauge"}, {"pump", "P4M"},
                                            {"battery", "Alkaline"}, {"temperature", "10"}})
        options.m_answers.Set(strName, strValue);
    options.m_answers.AddAux({"Kelvo 810", false, ""});
    options.m_mapValues[kSweepOption] = "interval=10:10009:1";
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
