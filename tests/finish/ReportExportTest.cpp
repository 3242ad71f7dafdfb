#include "ReportExport.h"
#include "SeamRecorder.h"
#include "TmpDirOverride.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const std::string kReport = "Moorplan 1.3\r\nKelvo 700 LX RS-232\r\nBattery Endurance is:   123 Days\r\n";

// The temporary-files folder (TMPDIR) is a folder of the test's own.
class ReportExportTest : public ::testing::Test
{
protected:
    QTemporaryDir m_folder;
    CTmpDirOverride m_tmpDir{m_folder.path()};
    CSeamRecorder m_seams;
};

// A link planted at the export name, to a file or to nowhere, is replaced
// and its target left alone; a second export leaves the second report.
TEST_F(ReportExportTest, EachExportLeavesItsReportAndStartsTheEditorOnIt)
{
    // Blanks and shell words in the path are harmless: no shell is involved.
    const QString strFolder = m_folder.filePath(QStringLiteral("with blank; $(true)"));
    ASSERT_TRUE(QDir().mkdir(strFolder));
    CTmpDirOverride::Use(strFolder);
    const QString strFile = QDir(strFolder).filePath(QString::fromLatin1(ReportExport::kFileName));
    QTemporaryDir elsewhere;
    const QString strVictim = elsewhere.filePath(QStringLiteral("victim.txt"));
    ASSERT_TRUE(WriteTestFile(strVictim, "precious\n"));
    const QString strMissing = elsewhere.filePath(QStringLiteral("not-yet-there.txt"));
    m_seams.m_bStartSucceeds = false;   // and a failed start is not told

    for (const QString& strTarget : {strVictim, strMissing}) {
        ASSERT_TRUE(QFile::link(strTarget, strFile));
        ReportExport::ViewInEditor(std::string(5000, 'x'), nullptr);
        ReportExport::ViewInEditor(kReport, nullptr);
        EXPECT_EQ(ReadTestFile(strFile), QByteArray::fromStdString(kReport + "\n"));
        EXPECT_EQ(QDir(strFolder).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
        ASSERT_TRUE(QFile::remove(strFile));
    }
    EXPECT_EQ(ReadTestFile(strVictim), QByteArray("precious\n"));
    EXPECT_FALSE(QFileInfo::exists(strMissing));
    EXPECT_TRUE(m_seams.m_aRequests.empty());
    ASSERT_EQ(m_seams.m_aStarted.size(), 4u);
    EXPECT_EQ(m_seams.m_aStarted[3].strProgram, QStringLiteral("xdg-open"));
    EXPECT_EQ(m_seams.m_aStarted[3].astrArguments, QStringList{strFile});
}

// A missing folder, a file standing for the folder, and a folder squatting on
// the export name: each is told in the page's box, and nothing is started
// or left behind.
TEST_F(ReportExportTest, FailuresAreTold)
{
    const QString strPlainFile = m_folder.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(WriteTestFile(strPlainFile, "x"));
    ASSERT_TRUE(QDir().mkdir(m_folder.filePath(QString::fromLatin1(ReportExport::kFileName))));
    QWidget page;
    const struct {
        QString strFolder;
        const char* szMessage;
    } aCases[] = {{m_folder.filePath(QStringLiteral("gone")), "Unable to find temporary file folder"},
                  {strPlainFile, "Unable to find temporary file folder"},
                  {m_folder.path(), "Unable to open temporary file"}};
    for (const auto& c : aCases) {
        m_seams.m_aRequests.clear();
        CTmpDirOverride::Use(c.strFolder);
        ReportExport::ViewInEditor(kReport, &page);
        ASSERT_EQ(m_seams.m_aRequests.size(), 1u);
        const auto& message = m_seams.m_aRequests.front();
        EXPECT_EQ(message.strText, QString::fromLatin1(c.szMessage));
        EXPECT_EQ(message.strCaption, QStringLiteral("Moorplan 1.3"));
        EXPECT_EQ(message.pOwner, &page);
        EXPECT_EQ(message.buttons, BvUtility::Platform::MessageButtons::Ok);
        EXPECT_EQ(message.icon, BvUtility::Platform::MessageIcon::None);
    }
    EXPECT_TRUE(m_seams.m_aStarted.empty());
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QString::fromLatin1(ReportExport::kFileName), QStringLiteral("plain")}));
}

}  // namespace
