#pragma once

#include "Instrument.h"
#include "Kelvo700Table.h"

#include <initializer_list>

// The battery endurance in days of a Kelvo 700/710 variant at the given
// sample interval, by that variant's law. Reads the record; only the oxygen
// laws write to it (their note).
double KelvoEndurance(EKelvoVariant eVariant, CInstrument& rInstrument, int nSampleInterval);

// Quantities of the common frame, every int converted to double first.
double ChargeCapacity(const CInstrument& rInstrument);          // amp-seconds
double SamplesPerHour(int nSampleInterval);
double QuiescentPerHour(const CInstrument& rInstrument);        // amp-seconds
double CommunicationPerHour(const CInstrument& rInstrument);    // amp-seconds

// One term of an hourly budget (amp-seconds or joules per hour) and its consumer.
struct CBudgetTerm {
    const char* szName;
    double dPerHour;
};
// Records a charge budget's capacity (amp-seconds) and terms in the
// instrument's breakdown, when one is being taken.
void RecordChargeTerms(const CInstrument& rInstrument, double dCapacity, std::initializer_list<CBudgetTerm> aTerms);
