#pragma once

#include <string>

// How the pages read numbers out of their edit fields, through the number
// reader they share with the support library: as the C library's formatted
// scan reads them ("%u", "%d", "%lf": leading blanks skipped,
// trailing text ignored). A text without a number gives false, and so does a
// number that does not fit the field's 32-bit type or a decimal that is not
// finite.
namespace FieldNumbers {

// "%u" compared without sign against nMin..nMax (both inclusive); the value
// goes to nValue only when it is in range. A minus sign is always out of range.
bool ScanUnsignedInRange(const std::string& strText, int nMin, int nMax, int& nValue);
// "%d".
bool ScanInt(const std::string& strText, int& nValue);
// "%lf".
bool ScanDouble(const std::string& strText, double& dValue);

// The fields without a range of their own ("%d", "%lf"): the number, or 0
// for a text without one. False for a number with a minus sign, however
// small or large ("-0" and "-0.0" too); the value is then untouched.
bool ScanIntNotNegative(const std::string& strText, int& nValue);
bool ScanDoubleNotNegative(const std::string& strText, double& dValue);

}  // namespace FieldNumbers
