#include "MooringReport.h"

#include "MooringFile.h"
#include "MooringOutput.h"
#include "OptionTable.h"

#include <algorithm>
#include <thread>

namespace {

// The positions' plans are independent: the cores share them out in runs of
// neighbouring positions, each walking its run on a sheet of its own, and the
// evaluator then knows them all. Traced lines would interleave, so a traced
// run keeps to one thread.
void WalkSideBySide(const CMooring& mooring, const CWizardSwitches& switches, bool bTrace,
                    CMooringEvaluator& evaluator)
{
    const std::size_t nPositions = mooring.m_aPositions.size();
    const std::size_t nThreads = bTrace ? 1 : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    if (nThreads < 2 || nPositions < 2 * nThreads)
        return;
    std::vector<CMooring> aRuns(nThreads, CMooring{mooring.m_strName, mooring.m_deployed, mooring.m_recovery, {}});
    for (std::size_t i = 0; i < nPositions; ++i)
        aRuns[i * nThreads / nPositions].m_aPositions.push_back(mooring.m_aPositions[i]);
    std::vector<CMooringEvaluator> aEvaluators;
    for (std::size_t t = 1; t < nThreads; ++t)
        aEvaluators.emplace_back(switches);
    std::vector<std::thread> aThreads;
    for (std::size_t t = 1; t < nThreads; ++t)
        aThreads.emplace_back([&aEvaluators, &aRuns, t] { aEvaluators[t - 1].Evaluate(aRuns[t]); });
    evaluator.Evaluate(aRuns.front());
    for (std::thread& thread : aThreads)
        thread.join();
    for (const CMooringEvaluator& other : aEvaluators)
        evaluator.Learn(other);
}

}  // namespace

int RunMooring(const CReportOptions& options, std::string& strOutput, std::string& strMessage)
{
    const CWizardSwitches switches = options.Switches();
    if (!options.m_answers.Values().empty() || options.m_answers.HasAux() || options.m_bTest
        || options.Has(kSavePlanOption) || options.Has(kSweepOption)) {
        strMessage = "--mooring prints a mooring's table: page answers, --plan, --save-plan, --sweep and --test do "
                     "not go with it";
        return kPlanUsageError;
    }
    if (options.m_bCsv && options.m_bJson) {
        strMessage = "--csv and --json do not go together";
        return kPlanUsageError;
    }
    const std::string& strPath = options.Value(kMooringOption);
    std::string strText;
    CMooring mooring;
    CMooringEvaluator evaluator(switches);
    CMooringTable table;
    if (!MooringFile::ReadText(strPath, strText, strMessage) || !MooringFile::Parse(strText, strPath, mooring, strMessage))
        return kPlanUsageError;
    WalkSideBySide(mooring, switches, options.m_bTrace, evaluator);
    if (!MooringFile::Evaluate(mooring, strPath, evaluator, table, strMessage))
        return kPlanUsageError;
    strOutput = options.m_bCsv    ? MooringOutput::Csv(mooring, table)
                : options.m_bJson ? MooringOutput::Json(mooring, table)
                                  : MooringOutput::Text(mooring, table);
    return table.ExitStatus();
}
