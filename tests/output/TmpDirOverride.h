#pragma once

#include <QFile>
#include <QString>

// Points the temporary-files folder (TMPDIR) elsewhere while it lives.
class CTmpDirOverride
{
public:
    explicit CTmpDirOverride(const QString& strFolder)
        : m_oldValue(qgetenv("TMPDIR")), m_bHadValue(qEnvironmentVariableIsSet("TMPDIR"))
    {
        Use(strFolder);
    }
    ~CTmpDirOverride()
    {
        if (m_bHadValue)
            qputenv("TMPDIR", m_oldValue);
        else
            qunsetenv("TMPDIR");
    }
    CTmpDirOverride(const CTmpDirOverride&) = delete;
    CTmpDirOverride& operator=(const CTmpDirOverride&) = delete;

    static void Use(const QString& strFolder) { qputenv("TMPDIR", QFile::encodeName(strFolder)); }

private:
    QByteArray m_oldValue;
    bool m_bHadValue;
};
