#pragma once

#include "Instrument.h"
#include "Kelvo700Table.h"

#include <string>

// The report lines of a Kelvo 700/710 variant between its head (title and
// description) and its endurance line: the pressure sensor, the sampling
// lines of the form and the battery lines. bWithEndurance adds the pump-on
// line of the joule forms.
std::string KelvoSummaryBody(const CInstrument& rInstrument, EKelvoForm eForm, int bWithEndurance);
