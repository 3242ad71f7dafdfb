#pragma once

#include "Instrument.h"

// Endurance laws of the Kelvo 710, by sampling mode: 0 interval autonomous,
// 1 continuous autonomous, 2 polled low power, 3 polled high power.
double Kelvo710Rs232FwPre20Endurance(CInstrument& rInstrument, int nSampleInterval);
double Kelvo710Rs232Fw20Endurance(CInstrument& rInstrument, int nSampleInterval);
double Kelvo710ModemEndurance(CInstrument& rInstrument, int nSampleInterval);
