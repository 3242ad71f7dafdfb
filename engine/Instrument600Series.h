#pragma once

#include "Instrument.h"

#include <string>
#include <vector>

// One option of a constants table: name and value (current in A).
struct C600OptionRow {
    const char* szName;
    double dValue;
};

// One offered auxiliary-sensor type: name and the default current text.
struct C600AuxTypeRow {
    const char* szName;
    const char* szCurrent;
};

// The constants a Kelvo 610/620/630 variant puts into the record, with its
// option lists and the pump it starts with.
struct C600VariantConstants {
    const char* szDescription;
    int nPressureSensorCount;
    int nPumpCount;
    int nCommScheme;
    int bPumpModes;
    double dQuiescentCurrent;
    int nMinSampleInterval;
    int nMaxSampleInterval;
    int bUsesNCycles;
    int nNCycles;
    int bUsesSamplingDelay;
    int bParosIntegration;
    int nParosIntegrationTime;
    double dCommCurrent;
    double dCommTime;
    double dBaseSamplingTime;
    int nMaxAuxSensors;
    int nPumpIndex;
    int nPumpMode;
    const std::vector<C600OptionRow>* paPressureSensors;
    const std::vector<C600OptionRow>* paPumps;
    const std::vector<C600AuxTypeRow>* paAuxTypes;
};

// The Kelvo 610, 620 and 630: three standard battery packs whose usable
// capacity depends on temperature and load, and a charge budget per hour.
class CInstrument600Series : public CInstrument {
public:
    // Usable capacity of the chosen pack in Ah under the recorded conditions;
    // 0.0 for an index outside the three packs.
    double GetDeratedBatteryCapacity() const;

    static double AlkalineCapacity(double dTemperature, bool bPumpLoad, bool bAuxLoad);
    static double Lithium42Capacity(double dTemperature, bool bPumpLoad, bool bAuxLoad);
    // The 30 Ah pack does not depend on the load; the flags are accepted alike.
    static double Lithium30Capacity(double dTemperature, bool bPumpLoad, bool bAuxLoad);

protected:
    CInstrument600Series(int nModelIndex, int nCommIndex, int nFirmwareIndex,
                         const C600VariantConstants& constants);

    // Awake seconds added by the measurements of NCycles beyond the first.
    double ExtraCycleSeconds() const;

    // Auxiliary entries actually in use: the count, never beyond the list.
    int AuxSensorsInUse() const;

    // Report pieces shared by the three families.
    std::string PressureSensorLine() const;
    std::string SamplingLines() const;   // interval, NCycles, delay
    std::string AuxSensorLines() const;
    std::string BatteryLines(const char* szTypeLabel, const char* szCapacityFormat) const;
    std::string EnduranceText(int bWithEndurance);

    // Lithium packs lose charge on their own: the self-discharge per hour,
    // added to the hourly budget when a lithium pack is chosen.
    double AddSelfDischarge(double dCapacity, double dPerHour) const;

    // The breakdown of the terms charged per sample (amp-seconds, times the
    // samples per hour) and of the sleep current.
    void RecordSampleTerms(double dSamplingAmpSec, double dPumpAmpSec, double dAuxAmpSec, double dSamplesPerHour,
                           double dQuiescentAmpSec) const;

    // The Kelvo 620/630 budget: samples, pump, auxiliary sensors, sleep and
    // queries. bTraceSteps writes every intermediate value, otherwise only
    // the capacity and the totals are traced.
    double QueriedEndurance(int nSampleInterval, double dSamplingTime, bool bTraceSteps);
};

// Seconds per hour, and amp-seconds per amp-hour.
inline constexpr double kSecondsPerHour = 3600.0;
// Seconds added for every measurement of NCycles beyond the first.
inline constexpr double kSecondsPerExtraCycle = 0.25;
// Seconds the pump runs in pump mode 1.
inline constexpr double kPumpMode1Seconds = 0.5;
