#include "PageMessages.h"

#include <algorithm>

const std::vector<CPageMessageRow>& PageMessageTable()
{
    using K = EPageKind;
    using M = EPageMessage;
    static const std::vector<CPageMessageRow> aRows = {
        {M::TemperatureRange, "Deployment temperature must be between -5 and 40 degrees C", {K::BatterySelect}},
        {M::PressureRange, "Deployment pressure must be between 1 and 7000 decibars", {K::BatterySelect}},
        {M::Tau20Range, "Oxygen Tau 20 must be between 0.5 and 40 seconds", {K::BatterySelect}},
        {M::PumpBattery, "Kelvo P4T or P4P pump not compatible with lithium battery packs.", {K::BatterySelect}},
        {M::ParosNegative, "Paros integration time must not be negative", {K::PressureSelect}},
        {M::NCyclesEven, "NCycles must be an even number", {K::Sampling600}},
        {M::DelayNegative, "Delay before sampling must not be negative", {K::Sampling600}},
        {M::QueriedNegative, "Number of instruments to be queried must not be negative",
         {K::Sampling600, K::Sampling700, K::Sampling710}},
        {M::RateNegative, "Communication rate must not be negative", {K::Sampling600, K::Sampling700, K::Sampling710}},
        {M::CurrentNegative, "Auxiliary sensor current must not be negative", {K::SensorList}},
    };
    return aRows;
}

const char* PageMessage(EPageMessage eMessage)
{
    const std::vector<CPageMessageRow>& aRows = PageMessageTable();
    return std::find_if(aRows.begin(), aRows.end(), [&](const CPageMessageRow& row) { return row.eMessage == eMessage; })
        ->szText;
}
