#include "PathUtil.h"

#include <QFileInfo>

namespace {

// Value of the regular-file type bit of a file's status.
constexpr int kRegularFileBit = 0x8000;

bool IsSeparator(QChar c) { return c == '\\' || c == '/'; }

int LastSeparator(const QString& strPath)
{
    for (int i = strPath.size() - 1; i >= 0; --i) {
        if (IsSeparator(strPath[i]))
            return i;
    }
    return -1;
}

}  // namespace

int FixPath(QString& strPath)
{
    if (strPath.isEmpty())
        return 0;
    const QChar cLast = strPath.back();
    if (cLast == ':') {
        strPath += '\\';
        return 1;
    }
    if (!IsSeparator(cLast))
        return 0;
    const int nLength = strPath.size();
    if (nLength == 1 || strPath[nLength - 2] == ':')
        return 0;
    strPath.chop(1);
    return 1;
}

int IsPathValid(const QString& strPath) { return !strPath.isEmpty() && QFileInfo::exists(strPath) ? 1 : 0; }

int IsFile(const QString& strPath)
{
    return !strPath.isEmpty() && QFileInfo(strPath).isFile() ? kRegularFileBit : 0;
}

int IsReadOnly(const QString& strPath)
{
    return IsFile(strPath) && !QFileInfo(strPath).permission(QFileDevice::WriteOwner) ? 1 : 0;
}

int ExtractFileName(const QString& strPath, QString& strName, int bMustExist)
{
    if (bMustExist && !IsFile(strPath))
        return 0;
    strName = strPath.mid(LastSeparator(strPath) + 1);
    return 1;
}

int ExtractDirectory(const QString& strPath, QString& strFolder, int bCheck)
{
    if (bCheck) {
        if (!IsPathValid(strPath))
            return 0;
        if (QFileInfo(strPath).isDir()) {
            strFolder = strPath;
            return 1;
        }
    }
    const int nSeparator = LastSeparator(strPath);
    if (nSeparator < 0)
        strFolder = strPath;
    else if (nSeparator == 0 && strPath[0] == '/')
        strFolder = QStringLiteral("/");
    else
        strFolder = strPath.left(nSeparator);
    return 1;
}

void ExtractExtension(const QString& strPath, QString& strExtension)
{
    const int nStop = strPath.lastIndexOf('.');
    strExtension = nStop < 0 ? QString() : strPath.mid(nStop + 1);
}

void SetExtension(QString& strPath, const QString& strExtension)
{
    const int nStop = strPath.lastIndexOf('.');
    if (nStop >= 0)
        strPath.truncate(strExtension.isEmpty() ? nStop : nStop + 1);
    else if (!strExtension.isEmpty())
        strPath += '.';
    strPath += strExtension;
}

void RemoveExtension(QString& strPath) { SetExtension(strPath, QString()); }
