#pragma once

#include <QIODevice>

// Passes a source's bytes on to a reader, but refuses to hand over more than
// a bound of bytes between two calls of TokenSeen. The XML stream reader keeps
// a text, comment or attribute value whole until it ends; this keeps one
// endless text in a hostile catalogue from filling the memory.
class CBoundedReadDevice : public QIODevice
{
public:
    CBoundedReadDevice(QIODevice& source, qint64 nBound);

    // The reader produced something: the next token starts a fresh allowance.
    void TokenSeen() { m_nSinceToken = 0; }
    bool BoundExceeded() const { return m_bBoundExceeded; }

protected:
    bool isSequential() const override { return true; }
    qint64 readData(char* pData, qint64 nMaxSize) override;
    qint64 writeData(const char* pData, qint64 nSize) override;

private:
    QIODevice& m_source;
    qint64 m_nBound;
    qint64 m_nSinceToken = 0;
    bool m_bBoundExceeded = false;
};
