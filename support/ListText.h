#pragma once

#include "SupportExport.h"

#include <QString>

class QComboBox;

// Lists of strings and plain text searches.

// Adds the first nCount strings to the combo box's list, in order.
MOORPLAN_SUPPORT_EXPORT void FillCombo(QComboBox& combo, const QString* astrItems, int nCount);

// Index of the first of the nCount strings equal to strItem (case-sensitive),
// -1 when none is or nCount <= 0.
MOORPLAN_SUPPORT_EXPORT int FindItem(const QString& strItem, const QString* astrItems, int nCount);

// Position of the n-th occurrence of c in the text; -1 when there are fewer
// than n or n <= 0.
MOORPLAN_SUPPORT_EXPORT int FindCharInStr(const QString& strText, char c, int n);

// 1 when the terminated string szSought occurs anywhere in the nLength bytes
// of pBuffer (which may hold zero bytes), else 0. Never reads past the buffer.
MOORPLAN_SUPPORT_EXPORT int ScanBufForSZ(const unsigned char* pBuffer, int nLength, const char* szSought);
