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
        {"C:", "C:\\", 1}, {"C:\\", "C:\\", 0}, {"\\", "\\", 0},   {"C:\\data\\", "C:\\data", 1}, {"C:\\data", "C:\\data", 0},
        {"", "", 0},       {"/", "/", 0},       {"C:/", "C:/", 0}, {"/data/", "/data", 1},
    };
    for (const auto& c : aCases) {
        QString strPath = QString::fromLatin1(c.szPath);
        EXPECT_EQ(FixPath(strPath), c.nChanged) << c.szPath;
        EXPECT_EQ(strPath, QString::fromLatin1(c.szFixed)) << c.szPath;
    }
}

TEST(PathUtil, TakesPathsApartOnEitherSeparator)
{
    const struct {
        const char* szPath;
        const char* szName;
        const char* szFolder;
        const char* szExtension;
    } aCases[] = {
        {"C:\\data\\a.txt", "a.txt", "C:\\data", "txt"},
        {"a.txt", "a.txt", "a.txt", "txt"},
        {"/usr/bin/moorplan", "moorplan", "/usr/bin", ""},
        {"/moorplan", "moorplan", "/", ""},
        {"\\moorplan", "moorplan", "", ""},
        {"C:\\data\\", "", "C:\\data", ""},
        {"C:\\data.old\\readme", "readme", "C:\\data.old", "old\\readme"},
        {"/srv/x.d/notes", "notes", "/srv/x.d", "d/notes"},
    };
    for (const auto& c : aCases) {
        const QString strPath = QString::fromLatin1(c.szPath);
        QString strName, strFolder, strExtension;
        EXPECT_EQ(ExtractFileName(strPath, strName, 0) + ExtractDirectory(strPath, strFolder, 0), 2);
        ExtractExtension(strPath, strExtension);
        EXPECT_EQ(strName, QString::fromLatin1(c.szName)) << c.szPath;
        EXPECT_EQ(strFolder, QString::fromLatin1(c.szFolder)) << c.szPath;
        EXPECT_EQ(strExtension, QString::fromLatin1(c.szExtension)) << c.szPath;
    }
}

TEST(PathUtil, SetExtensionReplacesAddsOrRemoves)
{
    const struct {
        const char* szPath;
        const char* szExtension;
        const char* szResult;
    } aCases[] = {{"report.txt", "csv", "report.csv"},
                  {"report.txt", "", "report"},
                  {"report", "csv", "report.csv"},
                  {"report", "", "report"},
                  {"a.b.c", "d", "a.b.d"}};
    for (const auto& c : aCases) {
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
