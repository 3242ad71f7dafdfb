#pragma once

#include "Instrument600Series.h"

// The family class of the five Kelvo 620 variants: their report and their
// charge budget with the query term. Only the variants are built.
class CInstrument620 : public CInstrument600Series {
public:
    void BuildSummary(int bWithEndurance) override;
    double CalculateEndurance(int nSampleInterval) override;

    // Awake seconds of one sample.
    double GetSamplingTime() const;

protected:
    using CInstrument600Series::CInstrument600Series;
};
