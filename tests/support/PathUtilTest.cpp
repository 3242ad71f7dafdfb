#include "PathUtil.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(PathUtil, FixPathNormalisesTheTrailingSeparator)
{
    const struct {
        const char* szPath;
        const char* szFixed;
        int nChanged;
    } aCases[] = {
        {"C:", "C:\\", 1}, {"C:\\", "C:\\", 0}, {"C:/", "C:/", 0},
        {"\\", "\\", 0}, {"/", "/", 0}, {"", "", 0},
        {"C:\\data\\", "C:\\data", 1}, {"/data/", "/data", 1}, {"C:\\data", "C:\\data", 0},
    };
    for (const auto& c : aCases) {
        QString strPath = QString::fromLatin1(c.szPath);
        EXPECT_EQ(FixPath(strPath), c.nChanged) << c.szPath;
        EXPECT_EQ(strPath, QString::fromLatin1(c.szFixed)) << c.szPath;
    }
}

// Name and folder split at the last separator of either kind; the extension
// is whatever follows the last full stop, even in a folder's name.
TEST(PathUtil, TakesPathsApartOnEitherSeparator)
{
    const struct {
        const char* szPath;
        const char* szName;
        const char* szFolder;
        const char* szExtension;
        const char* szAsCsv;
        const char* szWithout;
    } aCases[] = {
        {"C:\\data\\a.txt", "a.txt", "C:\\data", "txt", "C:\\data\\a.csv", "C:\\data\\a"},
        {"a.b.c", "a.b.c", "a.b.c", "c", "a.b.csv", "a.b"},
        {"/usr/bin/moorplan", "moorplan", "/usr/bin", "", "/usr/bin/moorplan.csv", "/usr/bin/moorplan"},
        {"/moorplan", "moorplan", "/", "", "/moorplan.csv", "/moorplan"},
        {"\\moorplan", "moorplan", "", "", "\\moorplan.csv", "\\moorplan"},
        {"C:\\data\\", "", "C:\\data", "", "C:\\data\\.csv", "C:\\data\\"},
        {"C:\\data.old\\readme", "readme", "C:\\data.old", "old\\readme", "C:\\data.csv", "C:\\data"},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.szPath);
        const QString strPath = QString::fromLatin1(c.szPath);
        QString strName, strFolder, strExtension;
        EXPECT_EQ(ExtractFileName(strPath, strName, 0) + ExtractDirectory(strPath, strFolder, 0), 2);
        ExtractExtension(strPath, strExtension);
        EXPECT_EQ(strName, QString::fromLatin1(c.szName));
        EXPECT_EQ(strFolder, QString::fromLatin1(c.szFolder));
        EXPECT_EQ(strExtension, QString::fromLatin1(c.szExtension));
        QString strAsCsv = strPath, strWithout = strPath;
        SetExtension(strAsCsv, QStringLiteral("csv"));
        RemoveExtension(strWithout);
        EXPECT_EQ(strAsCsv, QString::fromLatin1(c.szAsCsv));
        EXPECT_EQ(strWithout, QString::fromLatin1(c.szWithout));
    }
}

TEST(PathUtil, AsksTheFileSystem)
{
    QTemporaryDir folder;
    const QString strFile = folder.filePath(QStringLiteral("log.txt"));
    const QString strMissing = folder.filePath(QStringLiteral("missing.txt"));
    ASSERT_TRUE(QFile(strFile).open(QIODevice::WriteOnly));

    EXPECT_NE(IsFile(strFile), 0);
    EXPECT_EQ(IsFile(folder.path()) + IsFile(strMissing), 0);
    EXPECT_EQ(IsPathValid(folder.path()), 1);
    EXPECT_EQ(IsPathValid(strMissing) + IsPathValid(QString()), 0);
    EXPECT_EQ(IsReadOnly(strFile) + IsReadOnly(folder.path()), 0);
    QFile::setPermissions(strFile, QFile::ReadOwner);
    EXPECT_EQ(IsReadOnly(strFile), 1);

    // With the check a folder is its own folder and a missing path gives 0.
    QString strOut = QStringLiteral("unchanged");
    EXPECT_EQ(ExtractDirectory(strMissing, strOut, 1) + ExtractFileName(strMissing, strOut, 1), 0);
    EXPECT_EQ(strOut, QStringLiteral("unchanged"));
    EXPECT_EQ(ExtractDirectory(folder.path(), strOut, 1), 1);
    EXPECT_EQ(strOut, folder.path());
    EXPECT_EQ(ExtractFileName(strFile, strOut, 1), 1);
    EXPECT_EQ(strOut, QStringLiteral("log.txt"));
    EXPECT_EQ(ExtractDirectory(QCoreApplication::applicationFilePath(), strOut, 1), 1);
    EXPECT_EQ(strOut, QCoreApplication::applicationDirPath());
}

}  // namespace
