#pragma once

#include <QFile>
#include <QString>

// Points the temporary-files folder (TMPDIR) elsewhere while it lives. Qt
// reads an empty TMPDIR as an unset one.
class CTmpDirOverride
{
public:
    explicit CTmpDirOverride(const QString& strFolder) : m_oldValue(qgetenv("TMPDIR")) { Use(strFolder); }
    ~CTmpDirOverride() { m_oldValue.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", m_oldValue); }
    CTmpDirOverride(const CTmpDirOverride&) = delete;
    CTmpDirOverride& operator=(const CTmpDirOverride&) = delete;

    static void Use(const QString& strFolder) { qputenv("TMPDIR", QFile::encodeName(strFolder)); }

private:
    QByteArray m_oldValue;
};
