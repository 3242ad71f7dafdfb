#pragma once

#include "PageModel.h"

#include <vector>

// Every message a page shows when Next refuses an entry, but the limits the
// instrument carries itself (its interval, NCycles and NAvg messages, which
// each variant fills with its own bounds): one row each, with the pages that
// can show it. The pages take their texts from here, and the manual's tests
// walk the table, so a message cannot change without the manual noticing.
enum class EPageMessage {
    TemperatureRange,
    PressureRange,
    Tau20Range,
    PumpBattery,
    ParosNegative,
    NCyclesEven,
    DelayNegative,
    QueriedNegative,
    RateNegative,
    CurrentNegative,
};

struct CPageMessageRow {
    EPageMessage eMessage;
    const char* szText;
    std::vector<EPageKind> aPages;
};

// One row per message.
const std::vector<CPageMessageRow>& PageMessageTable();

// The text of one message.
const char* PageMessage(EPageMessage eMessage);
