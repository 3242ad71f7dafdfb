#pragma once

#include "SupportExport.h"

#include <QString>

#include <ostream>

class QIODevice;

// Number formatting on output streams and key=value lines in text files.

// A width for printing x: the whole part of log10(x), at least 1, plus nExtra.
MOORPLAN_SUPPORT_EXPORT int ddw(double x, int nExtra);

// Selects the stream's floating-point notation from the notation bits of
// lFlags (fixed, scientific, or none for the general notation) and sets its
// precision. Every other bit of lFlags is cleared on the stream, not set.
MOORPLAN_SUPPORT_EXPORT void SetFloat(std::ostream& os, long lFlags, int nPrecision);

// Streamed into an output stream, writes m_nCount blanks (none for m_nCount < 1).
class MOORPLAN_SUPPORT_EXPORT ins_space {
public:
    explicit ins_space(int nCount) : m_nCount(nCount) {}
    int Count() const { return m_nCount; }

private:
    int m_nCount;
};
MOORPLAN_SUPPORT_EXPORT std::ostream& operator<<(std::ostream& os, const ins_space& spaces);

// Each writes one "key=value\n" line; open the file in text mode
// (QIODevice::Text) to get the platform's line end.
MOORPLAN_SUPPORT_EXPORT void WriteIntString(const QString& strKey, int nValue, QIODevice& file);
// The value with six decimals.
MOORPLAN_SUPPORT_EXPORT void WriteDoubleString(const QString& strKey, double dValue, QIODevice& file);
MOORPLAN_SUPPORT_EXPORT void WriteString(const QString& strKey, QString strValue, QIODevice& file);
MOORPLAN_SUPPORT_EXPORT void WriteULongString(const QString& strKey, unsigned long ulValue, QIODevice& file);
