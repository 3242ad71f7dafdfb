#include "Instruments700.h"

#include "OxygenBudgets.h"

int CInstrument700MxpOxFw11::GetMinSampleInterval() { return MxpOxFw11MinSampleInterval(*this); }

int CInstrument700LxpOxRs232::GetMinSampleInterval() { return LxpOxRs232MinSampleInterval(*this); }
