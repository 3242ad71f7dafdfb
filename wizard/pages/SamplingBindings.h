#pragma once

#include "ControlBinder.h"

// The controls the three sampling pages share: the interval, the two query
// figures and the report. Their layouts and models use the same names.
template <class TModel, class TUi>
void BindSamplingFields(CControlBinder& binder, TUi& ui)
{
    binder.Bind(TModel::kIntervalLabel, ui.labelInterval);
    binder.Bind(TModel::kInterval, ui.editInterval);
    binder.Bind(TModel::kQueriedLabel, ui.labelQueried);
    binder.Bind(TModel::kQueried, ui.editQueried);
    binder.Bind(TModel::kRateLabel, ui.labelRate);
    binder.Bind(TModel::kRate, ui.editRate);
    binder.Bind(TModel::kReport, ui.report);
}
