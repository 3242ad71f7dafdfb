#pragma once

#include <QString>

// The string face of the shared number reader (NumberRead): reads the number
// at the start of a text the way the C library's "%d", "%ld" and "%lf" scans
// do, never under the user's locale. Internal to the support library; defined
// for int, long and double.
namespace BvUtility::Detail {

// True and the value set when a number was found; the value is untouched
// otherwise. A number beyond the type's range gives the type's extreme
// (for double: infinity on overflow, zero on underflow).
template <typename T>
bool ScanNumber(const QString& strText, T& value);

}  // namespace BvUtility::Detail
