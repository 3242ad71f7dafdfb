#pragma once

#include "Instrument.h"
#include "Kelvo700Table.h"

// The battery endurance in days of a Kelvo 700/710 variant at the given
// sample interval, by that variant's law. Reads the record; only the oxygen
// laws write to it (their note).
double KelvoEndurance(EKelvoVariant eVariant, CInstrument& rInstrument, int nSampleInterval);

// Quantities of the common frame, every int converted to double first.
double ChargeCapacity(const CInstrument& rInstrument);          // amp-seconds
double SamplesPerHour(int nSampleInterval);
double QuiescentPerHour(const CInstrument& rInstrument);        // amp-seconds
double CommunicationPerHour(const CInstrument& rInstrument);    // amp-seconds
