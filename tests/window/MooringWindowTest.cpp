// The mooring window as a person uses it, headless: the file dialogs, the
// print dialog and the message boxes answered through their seams.
#include "BatterySelectPageModel.h"
#include "MooringDrawing.h"
#include "MooringFile.h"
#include "MooringOutput.h"
#include "MooringTableModel.h"
#include "MooringWindow.h"
#include "MoorplanPropSheet.h"
#include "PrintSeam.h"
#include "SeamRecorder.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace BvUtility::Platform;

const QString kFixture = QStringLiteral(MOORPLAN_SOURCE_DIR "/tests/mooring/fixtures/five.mooring");

QString Collapsed(QString str) { return str.simplified(); }

class MooringWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The file as the program writes it, so a save of an unchanged
        // mooring must give the same bytes.
        CMooring mooring;
        std::string strError;
        ASSERT_TRUE(MooringFile::Parse(ReadTestFile(kFixture).toStdString(), "five.mooring", mooring, strError));
        m_original = QByteArray::fromStdString(MooringFile::Text(mooring));
        ASSERT_TRUE(WriteTestFile(m_strPath, m_original));
        SetSaveFileHandler([this](const SaveFileRequest& request) { return m_folder.filePath(m_strSaveAs + QLatin1Char('.') + request.strDefaultSuffix); });
    }
    void TearDown() override
    {
        SetSaveFileHandler({});
        SetOpenFileHandler({});
    }
    // The wizard opened by Enter on the row's model cell.
    CMoorplanPropSheet& OpenPlanOf(CMooringWindow& window, int nRow)
    {
        QTableView* pTable = window.Table();
        pTable->setCurrentIndex(pTable->model()->index(nRow, CMooringTableModel::Model));
        QTest::keyClick(pTable, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_NE(window.PlanSheet(), nullptr);
        return *window.PlanSheet();
    }
    static void Click(CMoorplanPropSheet& sheet, const char* szButton)
    {
        sheet.findChild<QPushButton*>(QString::fromLatin1(szButton))->click();
        QCoreApplication::processEvents();
    }

    CSeamRecorder m_seams;
    QTemporaryDir m_folder;
    const QString m_strPath = m_folder.filePath(QStringLiteral("K2.mooring"));
    QString m_strSaveAs = QStringLiteral("K2");
    QByteArray m_original;
};

TEST_F(MooringWindowTest, EditsPlansUndoesSavesAndExportsAsAPersonWould)
{
    CMooringWindow window{CWizardSwitches()};
    window.show();
    ASSERT_TRUE(window.Open(m_strPath));
    const CMooringTable before = window.Document().Table();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("K2.mooring[*] - Moorplan 1.3"));

    // The wizard lands on the plan's finish page; Exit with nothing changed
    // leaves the document unchanged and the file byte for byte.
    CMoorplanPropSheet& look = OpenPlanOf(window, 1);
    EXPECT_EQ(look.Model().CurrentPage().Kind(), EPageKind::Finish);
    Click(look, "finishButton");
    EXPECT_FALSE(window.Document().IsChanged());
    ASSERT_TRUE(window.Save());
    EXPECT_EQ(ReadTestFile(m_strPath), m_original);

    // A label typed in place.
    QTableView* pTable = window.Table();
    pTable->setCurrentIndex(pTable->model()->index(0, CMooringTableModel::Label));
    QTest::keyClick(pTable, Qt::Key_F2);
    auto* pEditor = pTable->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(pEditor, nullptr);
    pEditor->selectAll();
    QTest::keyClicks(pEditor, QStringLiteral("SN 9999"));
    QTest::keyClick(pEditor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Document().Mooring().m_aPositions[0].m_strLabel, "SN 9999");
    EXPECT_TRUE(window.isWindowModified());

    // Back from the finish page to the conditions, a warmer sea, Exit: the
    // plan comes back changed, and so do its days.
    CMoorplanPropSheet& change = OpenPlanOf(window, 0);
    Click(change, "backButton");
    auto* pPage = qobject_cast<CModelPage*>(change.GetActivePage());
    ASSERT_EQ(pPage->Model().Kind(), EPageKind::BatterySelect);
    qobject_cast<QLineEdit*>(pPage->ControlWidget(CBatterySelectPageModel::kTemperature))->setText(QStringLiteral("25"));
    Click(change, "nextButton");
    Click(change, "finishButton");
    EXPECT_EQ(window.Document().Mooring().m_aPositions[0].m_plan.Value("temperature"), "25");
    EXPECT_NE(window.Document().Table().m_aRows[0].DaysText(), before.m_aRows[0].DaysText());

    // Undo takes back the plan only; the label stays.
    window.Document().UndoStack().undo();
    EXPECT_EQ(window.Document().Table().m_aRows[0].DaysText(), before.m_aRows[0].DaysText());
    EXPECT_EQ(window.Document().Mooring().m_aPositions[0].m_strLabel, "SN 9999");

    ASSERT_TRUE(window.Save());
    EXPECT_FALSE(window.isWindowModified());
    QByteArray expected = m_original;
    expected.replace("\"SN 6101\"", "\"SN 9999\"");
    EXPECT_EQ(ReadTestFile(m_strPath), expected);

    // The exports: the CSV is the core's; the PDF holds every report.
    window.ExportCsv();
    EXPECT_EQ(ReadTestFile(m_folder.filePath(QStringLiteral("K2.csv"))).toStdString(),
              MooringOutput::Csv(window.Document().Mooring(), window.Document().Table()));
    window.SaveAsPdf();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), m_folder.filePath(QStringLiteral("K2.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString strPdf = Collapsed(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    for (const CPositionRow& row : window.Document().Table().m_aRows) {
        ASSERT_TRUE(row.m_pOutcome);
        for (const QString& strLine : QString::fromStdString(row.m_pOutcome->m_strReport).split(QStringLiteral("\r\n")))
            EXPECT_TRUE(strPdf.contains(Collapsed(strLine))) << strLine.toStdString();
    }
    EXPECT_TRUE(strPdf.contains(Collapsed(QString::fromStdString(window.Document().Table().m_strVerdict))));
    // Print… writes the same sheet on the printer the dialog gives.
    const QString strPrinted = m_folder.filePath(QStringLiteral("printed.pdf"));
    PrintSeam::SetHandler([&](QPrinter& printer) {
        printer.setOutputFileName(strPrinted);
        return true;
    });
    window.Print();
    PrintSeam::SetHandler({});
    EXPECT_TRUE(ReadTestFile(strPrinted).startsWith("%PDF"));
    EXPECT_TRUE(m_seams.m_aRequests.empty());

    // A file that cannot be read is told in its one line; the window keeps its mooring.
    ASSERT_TRUE(WriteTestFile(m_folder.filePath(QStringLiteral("bad.mooring")), "{\"moorplan-mooring\": 2}"));
    EXPECT_FALSE(window.Open(m_folder.filePath(QStringLiteral("bad.mooring"))));
    ASSERT_EQ(m_seams.m_aRequests.size(), 1u);
    EXPECT_TRUE(m_seams.m_aRequests[0].strText.startsWith(m_folder.filePath(QStringLiteral("bad.mooring")) + QStringLiteral(": ")));
    EXPECT_EQ(window.Document().Mooring().m_aPositions[0].m_strLabel, "SN 9999");
}

// Rows added from the wizard and from a plan file, moved and removed, each
// undone; closing a changed mooring asks first, and Cancel keeps it open.
TEST_F(MooringWindowTest, RowsComeGoAndMoveAndAChangedMooringAsksBeforeClosing)
{
    CMooringWindow window{CWizardSwitches()};
    window.show();
    ASSERT_TRUE(window.Open(m_strPath));
    window.EditPlan(-1);
    ASSERT_NE(window.PlanSheet(), nullptr);
    window.PlanSheet()->ShowPlan(window.Document().Mooring().m_aPositions[2].m_plan);
    QCoreApplication::processEvents();
    Click(*window.PlanSheet(), "finishButton");
    const auto& positions = window.Document().Mooring().m_aPositions;
    ASSERT_EQ(positions.size(), 6u);
    EXPECT_EQ(positions[5].m_strLabel, "Kelvo 700 - Integral Pump");
    double dDeepest = 0;
    for (int n = 0; n < 5; ++n)
        dDeepest = std::max(dDeepest, positions[n].m_dDepth);
    EXPECT_EQ(positions[5].m_dDepth, dDeepest + 10);

    const QString strPlan = m_folder.filePath(QStringLiteral("deep.moorplan"));
    ASSERT_TRUE(WriteTestFile(strPlan, "{\"moorplan-plan\": 1, \"model\": \"Kelvo 610\", \"days\": 3}"));
    SetOpenFileHandler([&](const OpenFileRequest&) { return strPlan; });
    window.ImportPlan();
    ASSERT_EQ(m_seams.m_aRequests.size(), 1u);
    EXPECT_EQ(positions.size(), 6u);
    ASSERT_TRUE(WriteTestFile(strPlan, "{\"moorplan-plan\": 1, \"model\": \"Kelvo 610\"}"));
    window.ImportPlan();
    ASSERT_EQ(positions.size(), 7u);
    EXPECT_EQ(positions[6].m_strLabel, "deep");

    window.MoveRow(-1);
    EXPECT_EQ(positions[5].m_strLabel, "deep");
    window.RemoveRow();
    EXPECT_EQ(positions.size(), 6u);
    for (int n = 0; n < 4; ++n)
        window.Document().UndoStack().undo();
    EXPECT_EQ(positions.size(), 5u);

    // The recovery day's field: one edit, undone like any other.
    auto* pRecovery = window.findChild<QDateEdit*>();
    const CCivilDay recovery = window.Document().Mooring().m_recovery;
    for (QDateEdit* pField : window.findChildren<QDateEdit*>())
        if (pField->accessibleName() == QStringLiteral("Recovery day"))
            pRecovery = pField;
    pRecovery->setDate(QDate(2030, 2, 28));
    pRecovery->setDate(QDate(2030, 3, 1));
    EXPECT_EQ(IsoDayText(window.Document().Mooring().m_recovery), "2030-03-01");
    window.Document().UndoStack().undo();
    EXPECT_EQ(window.Document().Mooring().m_recovery, recovery);
    EXPECT_EQ(pRecovery->date(), QDate(static_cast<int>(recovery.m_nYear), recovery.m_nMonth, recovery.m_nDay));

    window.Document().UndoStack().redo();
    m_seams.m_answer = MessageResult::Cancel;
    EXPECT_FALSE(window.close());
    EXPECT_EQ(m_seams.m_aRequests.back().buttons, MessageButtons::YesNoCancel);
    m_seams.m_answer = MessageResult::No;
    EXPECT_TRUE(window.close());
}

// "Add to Mooring…" on the finish page: a new file the first time, the
// plan appended the next.
TEST_F(MooringWindowTest, TheFinishPageAddsItsPlanToANewOrAnExistingMooring)
{
    CMoorplanPropSheet sheet(QStringLiteral("Power Calculator"), CWizardSwitches());
    sheet.show();
    CMooring five;
    std::string strError;
    ASSERT_TRUE(MooringFile::Parse(m_original.toStdString(), "five", five, strError));
    ASSERT_TRUE(sheet.ShowPlan(five.m_aPositions[1].m_plan));
    QCoreApplication::processEvents();
    m_strSaveAs = QStringLiteral("cruise");
    for (int nTimes = 1; nTimes <= 2; ++nTimes)
        sheet.GetActivePage()->findChild<QPushButton*>(QStringLiteral("buttonAddToMooring"))->click();
    CMooring mooring;
    ASSERT_TRUE(MooringFile::Parse(ReadTestFile(m_folder.filePath(QStringLiteral("cruise.mooring"))).toStdString(), "x",
                                   mooring, strError))
        << strError;
    EXPECT_EQ(mooring.m_strName, "cruise");
    ASSERT_EQ(mooring.m_aPositions.size(), 2u);
    EXPECT_EQ(mooring.m_aPositions[1].m_dDepth, 20.0);
    EXPECT_EQ(mooring.m_recovery.Number() - mooring.m_deployed.Number(), 365);
    ASSERT_EQ(m_seams.m_aRequests.size(), 2u);
    EXPECT_EQ(m_seams.m_aRequests[1].strText, QStringLiteral("Added to cruise.mooring as position 2."));
}

// Labels on the line never overlap, stay in the picture while they fit, and
// sit at their instrument's depth when there is room.
TEST(MooringLineLabels, SpreadWithoutOverlapNearTheirDepths)
{
    struct CCase {
        std::vector<double> adWanted;
        std::vector<double> adExpected;
    };
    const CCase kCases[] = {
        {{10, 50, 90}, {10, 50, 90}},
        {{10, 12, 14}, {10, 20, 30}},
        {{95, 96, 97}, {80, 90, 100}},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}},
    };
    for (const CCase& test : kCases)
        EXPECT_EQ(SpreadLabels(test.adWanted, 10, 0, 100), test.adExpected);
}

}  // namespace
