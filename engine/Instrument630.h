#pragma once

#include "Instrument600Series.h"

// The family class of the two Kelvo 630 variants in moored mode: always
// pumping, with the sensor's timing carried in the base sampling time.
class CInstrument630 : public CInstrument600Series {
public:
    void BuildSummary(int bWithEndurance) override;
    double CalculateEndurance(int nSampleInterval) override;

    // Awake seconds of one sample; pump mode 1 does not count the delay.
    double GetSamplingTime() const;

protected:
    using CInstrument600Series::CInstrument600Series;
};
