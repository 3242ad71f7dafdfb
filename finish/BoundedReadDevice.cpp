#include "BoundedReadDevice.h"

CBoundedReadDevice::CBoundedReadDevice(QIODevice& source, qint64 nBound)
    : m_source(source), m_nBound(nBound)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 CBoundedReadDevice::readData(char* pData, qint64 nMaxSize)
{
    if (m_nSinceToken >= m_nBound) {
        m_bBoundExceeded = true;
        return -1;
    }
    const qint64 nRead = m_source.read(pData, qMin(nMaxSize, m_nBound - m_nSinceToken));
    if (nRead > 0)
        m_nSinceToken += nRead;
    return nRead;
}

qint64 CBoundedReadDevice::writeData(const char*, qint64)
{
    return -1;
}
