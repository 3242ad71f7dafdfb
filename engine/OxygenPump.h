#pragma once

#include <string>

// Pump-on time, seconds, that flushes the oxygen sensor before a sample: seven
// time constants at the deployment temperature (deg C) and pressure (dbar),
// with the time constant held within [2, 30] seconds.
double CalcPumpTime(double dTemperature, double dPressure, double dTau20);

// The note that tells the user the interval their conditions really allow.
std::string FormatMinIntervalNote(double dInterval);

// The whole part of a value as an int, saturated at the ends of the int range
// (NaN counts as beyond the top: no interval is long enough).
int SaturatedInt(double dValue);
