#include "InsightCharts.h"

#include <QCoreApplication>
#include <QLibrary>

std::unique_ptr<CInsightCharts> LoadInsightCharts()
{
    // Looked up once: beside the program in a build folder, else where the
    // installation puts it (MOORPLAN_BIN_TO_CHARTS, relative to the program).
    static const FnNewInsightCharts fnNew = []() -> FnNewInsightCharts {
        const QString strFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        for (const QString& strPath : {strFolder + QStringLiteral("moorplan-charts"),
                                       strFolder + QStringLiteral(MOORPLAN_BIN_TO_CHARTS "/moorplan-charts")}) {
            QLibrary module(strPath);
            if (auto fn = reinterpret_cast<FnNewInsightCharts>(module.resolve(kNewInsightChartsSymbol)))
                return fn;
        }
        return nullptr;
    }();
    return std::unique_ptr<CInsightCharts>(fnNew ? fnNew() : nullptr);
}
