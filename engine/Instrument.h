#pragma once

#include "EnduranceBreakdown.h"
#include "InstrumentCodes.h"
#include "InstrumentOption.h"

#include <string>
#include <vector>

// The record of one instrument variant: its constants and option lists, every
// choice the wizard pages store, and the two operations that turn it into a
// report and an endurance in days. Abstract: each variant class fills the
// constants in its constructor and binds the report and the calculation.
//
// The pages write the user's entries straight into the public members, as the
// rest of the program reads them; the accessors below are plain reads and
// writes that validate nothing.
class CInstrument {
public:
    CInstrument(int nModelIndex, int nCommIndex, int nFirmwareIndex, int nBatteryCount,
                int nPressureSensorCount, int nPumpCount, int nCommScheme, int bPumpModes,
                int bRealTimeOption, int nFamilyCode);
    virtual ~CInstrument();

    CInstrument(const CInstrument&) = delete;
    CInstrument& operator=(const CInstrument&) = delete;

    // Rebuilds m_strSummary; with bWithEndurance non-zero it also runs
    // CalculateEndurance(m_nSampleInterval) and appends the endurance line.
    virtual void BuildSummary(int bWithEndurance) = 0;
    // Battery endurance in days for the given sample interval in seconds.
    virtual double CalculateEndurance(int nSampleInterval) = 0;
    // The smallest sample interval the variant can run.
    virtual int GetMinSampleInterval();
    // Records the chosen pressure-sensor option.
    virtual void SetPressureSensorIndex(int nIndex);

    // The whole-second sample interval whose rounded endurance meets nDays,
    // found by bisection over [GetMinSampleInterval(), m_nMaxSampleInterval].
    int IntervalForDays(int nDays);

    // CalculateEndurance at the interval, with the terms it adds up recorded
    // by consumer (and the days it returned).
    CEnduranceBreakdown CalculateBreakdown(int nSampleInterval);
    // Called by the calculations: record their budget and each term while a
    // breakdown is being taken; nothing otherwise.
    void RecordBudget(EBudgetUnit eUnit, double dCapacity) const
    {
        if (m_pBreakdown)
            m_pBreakdown->Begin(eUnit, dCapacity);
    }
    void RecordTerm(const char* szName, double dPerHour) const
    {
        if (m_pBreakdown)
            m_pBreakdown->Add(szName, dPerHour);
    }

    int GetModelIndex() const { return m_nModelIndex; }
    int GetCommIndex() const { return m_nCommIndex; }
    int GetFirmwareIndex() const { return m_nFirmwareIndex; }
    int GetBatteryCount() const { return m_nBatteryCount; }
    int GetPressureSensorCount() const { return m_nPressureSensorCount; }
    int GetPumpCount() const { return m_nPumpCount; }
    int GetCommScheme() const { return m_nCommScheme; }
    int HasPumpModes() const { return m_bPumpModes; }
    int HasRealTimeOption() const { return m_bRealTimeOption; }
    int GetFamilyCode() const { return m_nFamilyCode; }
    int GetMinSampleIntervalLimit() const { return m_nMinSampleInterval; }
    int GetMaxSampleInterval() const { return m_nMaxSampleInterval; }
    std::string GetSampleIntervalRangeMsg() const;
    int UsesNCycles() const { return m_bUsesNCycles; }
    int GetMinNCycles() const { return m_nMinNCycles; }
    int GetMaxNCycles() const { return m_nMaxNCycles; }
    std::string GetNCyclesRangeMsg() const { return m_strNCyclesRangeMsg; }
    int MustNCyclesBeEven() const { return m_bNCyclesEven; }
    int UsesNAvg() const { return m_bUsesNAvg; }
    int GetMinNAvg() const { return m_nMinNAvg; }
    int GetMaxNAvg() const { return m_nMaxNAvg; }
    std::string GetNAvgRangeMsg() const { return m_strNAvgRangeMsg; }
    int HasParosIntegration() const { return m_bParosIntegration; }
    int UsesSamplingDelay() const { return m_bUsesSamplingDelay; }
    int AsksTemperature() const { return m_bAsksTemperature; }
    int AsksPumpTimeParameters() const { return m_bAsksPumpTimeParameters; }
    double GetDeploymentTemperature() const { return m_dDeploymentTemperature; }
    void SetDeploymentTemperature(double dValue) { m_dDeploymentTemperature = dValue; }
    void SetDeploymentPressure(double dValue) { m_dDeploymentPressure = dValue; }
    void SetTau20(double dValue) { m_dTau20 = dValue; }
    void SetBatteryIndex(int nIndex) { m_nBatteryIndex = nIndex; }
    int GetBatteryIndex() const { return m_nBatteryIndex; }
    int GetPressureSensorIndex() const { return m_nPressureSensorIndex; }
    void SetPumpIndex(int nIndex) { m_nPumpIndex = nIndex; }
    std::string GetDescription() const { return m_strDescription; }

protected:
    // "Moorplan 1.3\r\n" followed by the description: the head of every report.
    std::string ReportHead() const;
    // The endurance line. From kTwoYearNoticeDays on it carries the two-year warning;
    // bFinalLineEnd adds "\r\n" after that warning (the long form).
    static std::string EnduranceLine(double dDays, bool bFinalLineEnd);

public:
    std::string m_strCalcNote;
    std::string m_strDescription = "none";
    int m_nModelIndex;
    int m_nCommIndex;
    int m_nFirmwareIndex;
    int m_nBatteryCount;
    int m_nPressureSensorCount;
    int m_nPumpCount;
    int m_nCommScheme;
    int m_bPumpModes;
    int m_bRealTimeOption;
    int m_nFamilyCode;
    double m_dQuiescentCurrent = 0.0;
    int m_nMinSampleInterval = 10;
    int m_nMaxSampleInterval = 32767;
    int m_bUsesNCycles = 0;
    int m_nMinNCycles = 1;
    int m_nMaxNCycles = 100;
    std::string m_strNCyclesRangeMsg = "NCycles must be between 1 and 100 seconds";
    int m_bNCyclesEven = 0;
    int m_bUsesNAvg = 0;
    int m_nMinNAvg = 1;
    int m_nMaxNAvg = 100;
    std::string m_strNAvgRangeMsg = "NAvg must be between 1 and 100";
    int m_bParosIntegration = 0;
    int m_bUsesSamplingDelay = 0;
    int m_bAsksTemperature = 0;
    double m_dDeploymentTemperature = 20.0;
    int m_bAsksPumpTimeParameters = 0;
    double m_dDeploymentPressure = 0.0;
    double m_dTau20 = 0.0;
    double m_dCommCurrent = 0.0;
    double m_dCommTime = 0.0;
    double m_dBaseSamplingTime = 0.0;
    std::vector<std::string> m_astrAuxSensorNames;
    std::vector<std::string> m_astrAuxSensorCurrents;
    double m_dSamplingDelay = 0.0;
    int m_nSampleInterval = -1;
    int m_nNCycles = 1;
    int m_nNAvg = 4;
    int m_nInstrumentsQueried = -1;
    int m_nCommsPerHour = -1;
    int m_nParosIntegrationTime = 0;
    int m_bTransmitRealTime = 0;
    int m_nSamplingType = 0;
    int m_nSamplingMode = 0;
    int m_bReceiveLineValid = 0;
    std::string m_strSummary;
    COptionList<5> m_aBatteries;
    int m_nBatteryIndex = -1;
    COptionList<5> m_aPressureSensors;
    int m_nPressureSensorIndex = -1;
    COptionList<5> m_aPumps;
    int m_nPumpIndex = -1;
    int m_nPumpMode = 0;
    COptionList<8> m_aAuxSensors;
    int m_nAuxSensorCount = -1;
    int m_nMaxAuxSensors = -1;

private:
    // Set only while CalculateBreakdown runs the calculation.
    CEnduranceBreakdown* m_pBreakdown = nullptr;
};
