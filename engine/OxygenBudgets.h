#pragma once

#include "Instrument.h"

// The pumped-oxygen variants. Every endurance call first empties
// m_strCalcNote and fills it again only when the interval was too short for
// the pump; the record's own sample interval is never changed.

// Kelvo 700 MXP OX firmware 4.0: an amp-second budget.
double OxygenAmpSecondEndurance(CInstrument& rInstrument, int nSampleInterval);

// Kelvo 700 MXP OX firmware 1.1 and Kelvo 700 LXP OX RS-232: energy budgets
// in joules against a fixed battery energy.
double MxpOxFw11Endurance(CInstrument& rInstrument, int nSampleInterval);
double LxpOxRs232Endurance(CInstrument& rInstrument, int nSampleInterval);

// The smallest interval that leaves time for the pump.
int MxpOxFw11MinSampleInterval(const CInstrument& rInstrument);
int LxpOxRs232MinSampleInterval(const CInstrument& rInstrument);
