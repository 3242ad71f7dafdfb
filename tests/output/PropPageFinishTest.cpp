#include "FinishPageModel.h"
#include "Instrument.h"
#include "ManualLookup.h"
#include "PropPageFinish.h"
#include "PropertySheet.h"
#include "ReportExport.h"
#include "SeamRecorder.h"
#include "SheetModel.h"
#include "TmpDirOverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A Kelvo 620 on RS-232 with the second firmware, the finish page alone in a
// sheet, shown offscreen.
class PropPageFinishTest : public ::testing::Test
{
protected:
    void Open(bool bTest, bool bManual)
    {
        CMoorplanCommandLineInfo commandLine;
        commandLine.m_bTest = bTest;
        commandLine.m_bManual = bManual;
        m_pModel = std::make_unique<CSheetModel>(commandLine);
        m_pModel->m_nSelModel = 1;
        m_pModel->m_nSelComm = 0;
        m_pModel->m_nSelFirmware = 1;
        ASSERT_TRUE(m_pModel->CreateInstrument());
        m_pPage = std::make_unique<CPropPageFinish>(*m_pModel->SetOther().m_pFinish, *m_pModel);
        m_pSheet = std::make_unique<CPropertySheet>(QStringLiteral("Power Calculator"));
        m_pSheet->AddPage(m_pPage.get());
        m_pSheet->show();
        QCoreApplication::processEvents();   // the posted button request
    }
    void TearDown() override
    {
        m_pSheet.reset();   // the sheet goes before the page it shows
    }

    QPlainTextEdit* Report() const { return m_pPage->findChild<QPlainTextEdit*>(QStringLiteral("report")); }
    QString ReportText() const { return Report()->toPlainText(); }
    // A button of the sheet or of the page.
    QPushButton* Button(const char* szName) const { return m_pSheet->findChild<QPushButton*>(QString::fromLatin1(szName)); }

    CSeamRecorder m_seams;
    std::unique_ptr<CSheetModel> m_pModel;
    std::unique_ptr<CPropPageFinish> m_pPage;
    std::unique_ptr<CPropertySheet> m_pSheet;
};

TEST_F(PropPageFinishTest, ShowsTheReportWithTheEnduranceAndAnExitButton)
{
    Open(false, false);

    const std::string& strSummary = m_pModel->Instrument()->m_strSummary;
    EXPECT_NE(strSummary.find("Battery Endurance is:"), std::string::npos);
    EXPECT_EQ(ReportText(), QString::fromStdString(strSummary).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    EXPECT_FALSE(ReportText().contains(QLatin1String("=====")));
    EXPECT_FALSE(Report()->isReadOnly());

    EXPECT_EQ(Button("finishButton")->text(), QStringLiteral("Exit"));
    EXPECT_TRUE(Button("finishButton")->isVisible());
    EXPECT_TRUE(Button("finishButton")->isEnabled());
    EXPECT_TRUE(Button("backButton")->isEnabled());
    EXPECT_FALSE(Button("nextButton")->isVisible());
    EXPECT_EQ(m_pSheet->windowTitle(), QStringLiteral("Finish"));
    EXPECT_FALSE(Button("buttonViewManual")->isVisible());
    EXPECT_NE(m_seams.m_strDiagnostics.find("\t<Instrument model='1' comm='0' rev='1'>\r\n"), std::string::npos);
}

TEST_F(PropPageFinishTest, TestModeAppendsTheTableOnceEveryActivation)
{
    Open(true, false);
    m_pSheet->SetActivePage(0);   // leaving and coming back rebuilds the report
    QCoreApplication::processEvents();

    const QStringList astrLines = ReportText().split(QLatin1Char('\n'));
    const qsizetype nHeader = astrLines.indexOf(QStringLiteral("Days\tSample Interval"));
    ASSERT_GE(nHeader, 0);
    EXPECT_EQ(astrLines.count(QStringLiteral("Days\tSample Interval")), 1);
    const QStringList astrRows = astrLines.mid(nHeader + 1).filter(QRegularExpression(QStringLiteral("^\\d+\\t")));
    ASSERT_EQ(astrRows.size(), 54);
    EXPECT_TRUE(astrRows.first().startsWith(QLatin1String("1\t")));
    EXPECT_TRUE(astrRows.last().startsWith(QLatin1String("3600\t")));
}

TEST_F(PropPageFinishTest, ManualModeShowsViewManualWhichOpensTheEntryOfTheInstrument)
{
    Open(false, true);
    ASSERT_TRUE(Button("buttonViewManual")->isVisible());

    QTemporaryDir folder;
    ASSERT_TRUE(WriteTestFile(folder.filePath(QString::fromLatin1(ManualLookup::kCatalogueName)),
                              "<Manuals><Instrument model='1' comm='0' rev='0'><Manual>old.pdf</Manual></Instrument>"
                              "<Instrument model='1' comm='0' rev='1'><Manual>k620.pdf</Manual></Instrument></Manuals>"));
    ASSERT_TRUE(WriteTestFile(folder.filePath(QStringLiteral("k620.pdf")), "%PDF"));
    const QString strOldFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    QTest::mouseClick(Button("buttonViewManual"), Qt::LeftButton);
    QDir::setCurrent(strOldFolder);

    EXPECT_EQ(m_seams.m_astrOpened, QStringList{QStringLiteral("k620.pdf")});
}

TEST_F(PropPageFinishTest, ViewInNotepadExportsTheReportShown)
{
    QTemporaryDir folder;
    CTmpDirOverride tmpDir(folder.path());
    Open(true, false);

    QTest::mouseClick(Button("buttonViewInNotepad"), Qt::LeftButton);

    const QString strFile = folder.filePath(QString::fromLatin1(ReportExport::kFileName));
    EXPECT_EQ(ReadTestFile(strFile), QByteArray::fromStdString(m_pModel->Instrument()->m_strSummary + "\n"));
    ASSERT_EQ(m_seams.m_aStarted.size(), 1u);
    EXPECT_EQ(m_seams.m_aStarted[0].astrArguments, QStringList{strFile});
}

}  // namespace
