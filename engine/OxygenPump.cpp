#include "OxygenPump.h"

#include "Diagnostics.h"
#include "StrFormat.h"

#include <climits>
#include <cmath>

double CalcPumpTime(double dTemperature, double dPressure, double dTau20)
{
    Diagnostics::Write("Calculating pump time\n");
    const double T = dTemperature;
    const double dTau =
        dTau20 * (0.001571 * (T * T) - 0.1106 * T + 2.549) * std::exp(0.000145 * dPressure);
    if (dTau < 2.0)
        return 2.0 * 7.0;
    if (dTau > 30.0)
        return 30.0 * 7.0;
    return 7.0 * dTau;
}

std::string FormatMinIntervalNote(double dInterval)
{
    return StrFormat("Actual minimum sampling interval = %d,\r\nbased on user-input temperature,\r\n"
                     "pressure, and Tau20.\r\n",
                     SaturatedInt(dInterval));
}

int SaturatedInt(double dValue)
{
    if (std::isnan(dValue) || dValue >= 2147483648.0)
        return INT_MAX;
    if (dValue <= -2147483649.0)
        return INT_MIN;
    return static_cast<int>(dValue);
}
