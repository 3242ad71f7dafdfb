#pragma once

#include "Instrument600Series.h"

// The Kelvo 610: one variant, fixed awake times instead of a sampling-time
// rule, no queries. Its constants live with the other 600-series variants.
class CInstrument610 : public CInstrument600Series {
public:
    CInstrument610(int nModelIndex, int nCommIndex, int nFirmwareIndex);

    void BuildSummary(int bWithEndurance) override;
    double CalculateEndurance(int nSampleInterval) override;
};
