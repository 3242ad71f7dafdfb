#include "PathUtil.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(PathUtil, FixPathNormalisesTheTrailingSeparator)
{
    struct Case {
        const char* szPath;
        const char* szFixed;
        int nChanged;
    };
    const Case aCases[] = {
        {"C:", "C:\\", 1},   {"C:\\", "C:\\", 0}, {"\\", "\\", 0},       {"C:\\data\\", "C:\\data", 1},
        {"C:\\data", "C:\\data", 0}, {"", "", 0}, {"/", "/", 0},        {"/data/", "/data", 1},
        {"C:/", "C:/", 0},   {"/data", "/data", 0},
    };
    for (const Case& c : aCases) {
        QString strPath = QString::fromLatin1(c.szPath);
        EXPECT_EQ(FixPath(strPath), c.nChanged) << c.szPath;
        EXPECT_EQ(strPath, QString::fromLatin1(c.szFixed)) << c.szPath;
    }
}

TEST(PathUtil, TakesPathsApartOnEitherSeparator)
{
    struct Case {
        const char* szPath;
        const char* szName;
        const char* szFolder;
        const char* szExtension;
    };
    const Case aCases[] = {
        {"C:\\data\\a.txt", "a.txt", "C:\\data", "txt"},
        {"a.txt", "a.txt", "a.txt", "txt"},
        {"/usr/bin/moorplan", "moorplan", "/usr/bin", ""},
        {"/moorplan", "moorplan", "/", ""},
        {"\\moorplan", "moorplan", "", ""},
        {"C:\\data\\", "", "C:\\data", ""},
        {"C:\\data.old\\readme", "readme", "C:\\data.old", "old\\readme"},
        {"/srv/x.d/notes", "notes", "/srv/x.d", "d/notes"},
    };
    for (const Case& c : aCases) {
        const QString strPath = QString::fromLatin1(c.szPath);
        QString strName, strFolder, strExtension;
        EXPECT_EQ(ExtractFileName(strPath, strName, 0), 1);
        EXPECT_EQ(strName, QString::fromLatin1(c.szName)) << c.szPath;
        EXPECT_EQ(ExtractDirectory(strPath, strFolder, 0), 1);
        EXPECT_EQ(strFolder, QString::fromLatin1(c.szFolder)) << c.szPath;
        ExtractExtension(strPath, strExtension);
        EXPECT_EQ(strExtension, QString::fromLatin1(c.szExtension)) << c.szPath;
    }
}

TEST(PathUtil, SetExtensionReplacesAddsOrRemoves)
{
    struct Case {
        const char* szPath;
        const char* szExtension;
        const char* szResult;
    };
    const Case aCases[] = {
        {"report.txt", "csv", "report.csv"},
        {"report.txt", "", "report"},
        {"report", "csv", "report.csv"},
        {"report", "", "report"},
        {"a.b.c", "d", "a.b.d"},
    };
    for (const Case& c : aCases) {
        QString strPath = QString::fromLatin1(c.szPath);
        SetExtension(strPath, QString::fromLatin1(c.szExtension));
        EXPECT_EQ(strPath, QString::fromLatin1(c.szResult)) << c.szPath << " + " << c.szExtension;
    }
    QString strPath = QStringLiteral("a.b.c");
    RemoveExtension(strPath);
    EXPECT_EQ(strPath, QStringLiteral("a.b"));
}

TEST(PathUtil, AsksTheFileSystem)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString strFile = folder.filePath(QStringLiteral("log.txt"));
    const QString strMissing = folder.filePath(QStringLiteral("missing.txt"));
    {
        QFile file(strFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    EXPECT_NE(IsFile(strFile), 0);
    EXPECT_EQ(IsFile(folder.path()), 0);
    EXPECT_EQ(IsFile(strMissing), 0);
    EXPECT_EQ(IsPathValid(strFile), 1);
    EXPECT_EQ(IsPathValid(folder.path()), 1);
    EXPECT_EQ(IsPathValid(strMissing), 0);
    EXPECT_EQ(IsPathValid(QString()), 0);

    EXPECT_EQ(IsReadOnly(strFile), 0);
    QFile::setPermissions(strFile, QFile::ReadOwner);
    EXPECT_EQ(IsReadOnly(strFile), 1);
    EXPECT_EQ(IsReadOnly(folder.path()), 0);

    QString strOut = QStringLiteral("unchanged");
    EXPECT_EQ(ExtractDirectory(folder.path(), strOut, 1), 1);
    EXPECT_EQ(strOut, folder.path());
    EXPECT_EQ(ExtractDirectory(strFile, strOut, 1), 1);
    EXPECT_EQ(strOut, folder.path());
    strOut = QStringLiteral("unchanged");
    EXPECT_EQ(ExtractDirectory(strMissing, strOut, 1), 0);
    EXPECT_EQ(ExtractFileName(strMissing, strOut, 1), 0);
    EXPECT_EQ(strOut, QStringLiteral("unchanged"));
    EXPECT_EQ(ExtractFileName(strFile, strOut, 1), 1);
    EXPECT_EQ(strOut, QStringLiteral("log.txt"));

    EXPECT_EQ(ExtractDirectory(QCoreApplication::applicationFilePath(), strOut, 1), 1);
    EXPECT_EQ(strOut, QCoreApplication::applicationDirPath());
}

}  // namespace
