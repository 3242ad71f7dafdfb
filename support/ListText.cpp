#include "ListText.h"

#include <QComboBox>

#include <cstring>

void FillCombo(QComboBox& combo, const QString* astrItems, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        combo.addItem(astrItems[i]);
}

int FindItem(const QString& strItem, const QString* astrItems, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        if (astrItems[i] == strItem)
            return i;
    }
    return -1;
}

int FindCharInStr(const QString& strText, char c, int n)
{
    int nPos = -1;
    for (int i = 0; i < n; ++i) {
        nPos = strText.indexOf(QLatin1Char(c), nPos + 1);
        if (nPos < 0)
            return -1;
    }
    return nPos;
}

int ScanBufForSZ(const unsigned char* pBuffer, int nLength, const char* szSought)
{
    if (!pBuffer || !szSought || nLength <= 0)
        return 0;
    const size_t nSought = std::strlen(szSought);
    const size_t nBuffer = static_cast<size_t>(nLength);
    // Every start at which the string still fits, the last one included.
    for (size_t nStart = 0; nSought <= nBuffer && nStart <= nBuffer - nSought; ++nStart) {
        if (std::memcmp(pBuffer + nStart, szSought, nSought) == 0)
            return 1;
    }
    return 0;
}
