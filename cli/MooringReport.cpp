#include "MooringReport.h"

#include "CommandLineInfo.h"
#include "MooringFile.h"
#include "MooringOutput.h"
#include "OptionTable.h"

int RunMooring(const CPlanOptions& options, const CMoorplanCommandLineInfo& switches, std::string& strOutput,
               std::string& strMessage)
{
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
    CMooringEvaluator evaluator(switches);
    CMooring mooring;
    CMooringTable table;
    if (!MooringFile::Open(options.Value(kMooringOption), evaluator, mooring, table, strMessage))
        return kPlanUsageError;
    strOutput = options.m_bCsv    ? MooringOutput::Csv(mooring, table)
                : options.m_bJson ? MooringOutput::Json(mooring, table)
                                  : MooringOutput::Text(mooring, table);
    return table.ExitStatus();
}
