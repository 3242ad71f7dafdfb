#include "ReportExport.h"
#include "SeamRecorder.h"
#include "TmpDirOverride.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const std::string kReport = "Moorplan 1.3\r\nKelvo 700 LX RS-232\r\nBattery Endurance is:   123 Days\r\n";

// Points the temporary-files folder (TMPDIR) at a folder of the test's own.
class ReportExportTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }
    static void UseTempFolder(const QString& strFolder) { CTmpDirOverride::Use(strFolder); }
    QString ExportFile() const { return m_folder.filePath(QString::fromLatin1(ReportExport::kFileName)); }
    QStringList FolderEntries() const
    {
        return QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void ExpectMessage(const char* szText) const
    {
        ASSERT_EQ(m_seams.m_aMessages.size(), 1u);
        const auto& message = m_seams.m_aMessages.front();
        EXPECT_EQ(message.strText, QString::fromLatin1(szText));
        EXPECT_EQ(message.strCaption, QStringLiteral("Moorplan 1.3"));
        EXPECT_EQ(message.buttons, BvUtility::Platform::MessageButtons::Ok);
        EXPECT_EQ(message.icon, BvUtility::Platform::MessageIcon::None);
        EXPECT_TRUE(m_seams.m_aStarted.empty());
    }

    QTemporaryDir m_folder;
    CTmpDirOverride m_tmpDir{m_folder.path()};
    CSeamRecorder m_seams;
};

TEST_F(ReportExportTest, WritesTheReportAndOneNewlineByteForByteIntoTmpDir)
{
    ReportExport::ViewInEditor(kReport, nullptr);

    EXPECT_EQ(ReadTestFile(ExportFile()), QByteArray::fromStdString(kReport + "\n"));
    EXPECT_EQ(FolderEntries(), QStringList{QString::fromLatin1(ReportExport::kFileName)});
    EXPECT_TRUE(m_seams.m_aMessages.empty());
}

TEST_F(ReportExportTest, StartsTheEditorWithThePathAsOneArgument)
{
    QDir(m_folder.path()).mkdir(QStringLiteral("with blank; $(true)"));
    const QString strFolder = m_folder.filePath(QStringLiteral("with blank; $(true)"));
    UseTempFolder(strFolder);

    ReportExport::ViewInEditor(kReport, nullptr);

    ASSERT_EQ(m_seams.m_aStarted.size(), 1u);
    EXPECT_EQ(m_seams.m_aStarted[0].strProgram, QStringLiteral("xdg-open"));
    EXPECT_EQ(m_seams.m_aStarted[0].astrArguments,
              QStringList{QDir(strFolder).filePath(QString::fromLatin1(ReportExport::kFileName))});
}

TEST_F(ReportExportTest, SecondExportReplacesTheFirst)
{
    ReportExport::ViewInEditor(std::string(5000, 'x'), nullptr);
    ReportExport::ViewInEditor(kReport, nullptr);

    EXPECT_EQ(ReadTestFile(ExportFile()), QByteArray::fromStdString(kReport + "\n"));
    EXPECT_EQ(FolderEntries().size(), 1);
    EXPECT_EQ(m_seams.m_aStarted.size(), 2u);
}

TEST_F(ReportExportTest, PlantedLinkIsReplacedAndItsTargetLeftAlone)
{
    QTemporaryDir elsewhere;
    const QString strVictim = elsewhere.filePath(QStringLiteral("victim.txt"));
    ASSERT_TRUE(WriteTestFile(strVictim, "precious\n"));
    const QString strMissing = elsewhere.filePath(QStringLiteral("not-yet-there.txt"));

    for (const QString& strTarget : {strVictim, strMissing}) {
        QFile::remove(ExportFile());
        ASSERT_TRUE(QFile::link(strTarget, ExportFile()));

        ReportExport::ViewInEditor(kReport, nullptr);

        EXPECT_FALSE(QFileInfo(ExportFile()).isSymLink());
        EXPECT_EQ(ReadTestFile(ExportFile()), QByteArray::fromStdString(kReport + "\n"));
    }
    EXPECT_EQ(ReadTestFile(strVictim), QByteArray("precious\n"));
    EXPECT_FALSE(QFileInfo::exists(strMissing));
}

TEST_F(ReportExportTest, UnusableTempFolderIsTold)
{
    const QString strPlainFile = m_folder.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(WriteTestFile(strPlainFile, "x"));

    for (const QString& strFolder : {m_folder.filePath(QStringLiteral("gone")), strPlainFile}) {
        m_seams.m_aMessages.clear();
        UseTempFolder(strFolder);
        ReportExport::ViewInEditor(kReport, nullptr);
        ExpectMessage("Unable to find temporary file folder");
    }
}

TEST_F(ReportExportTest, FileThatCannotBeReplacedIsToldAndLeftAsItWas)
{
    // A folder squats on the export name: nothing can be renamed over it.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QString::fromLatin1(ReportExport::kFileName)));

    ReportExport::ViewInEditor(kReport, nullptr);

    ExpectMessage("Unable to open temporary file");
    EXPECT_TRUE(QFileInfo(ExportFile()).isDir());
    EXPECT_EQ(FolderEntries().size(), 1);   // no half-written file left behind
}

TEST_F(ReportExportTest, EditorThatDoesNotStartIsNotTold)
{
    m_seams.m_bStartSucceeds = false;

    ReportExport::ViewInEditor(kReport, nullptr);

    EXPECT_TRUE(m_seams.m_aMessages.empty());
    EXPECT_EQ(ReadTestFile(ExportFile()), QByteArray::fromStdString(kReport + "\n"));
}

}  // namespace
