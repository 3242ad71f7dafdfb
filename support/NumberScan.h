#pragma once

#include <QString>

// Reads the number at the start of a text the way the C library's "%d",
// "%ld" and "%lf" scans do, but never under the user's locale: leading blanks,
// an optional sign, the number, and whatever follows is ignored. Internal to
// the support library; defined for int, long and double.
namespace BvUtility::Detail {

// True and the value set when a number was found; the value is untouched
// otherwise. A number beyond the type's range gives the type's extreme
// (for double: infinity on overflow, zero on underflow).
template <typename T>
bool ScanNumber(const QString& strText, T& value);

}  // namespace BvUtility::Detail
