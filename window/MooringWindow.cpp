#include "MooringWindow.h"

#include "AppStrings.h"
#include "DeploymentSheet.h"
#include "DiagnosticsLog.h"
#include "FileReplace.h"
#include "Help.h"
#include "InsightPanel.h"
#include "ModelPage.h"
#include "MooringDrawing.h"
#include "MooringEdit.h"
#include "MooringFile.h"
#include "MooringOutput.h"
#include "MooringTableModel.h"
#include "MoorplanApp.h"
#include "MoorplanPropSheet.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "PlatformSeams.h"
#include "PrintSeam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <filesystem>

namespace {
// Consecutive edits of one field undo as one.
enum EMergeId { kMergeName = 1, kMergeDeployed, kMergeRecovery };

QDate DateOf(const CCivilDay& day) { return QDate(static_cast<int>(day.m_nYear), day.m_nMonth, day.m_nDay); }
CCivilDay DayOf(const QDate& date) { return CCivilDay{date.year(), date.month(), date.day()}; }

QDateEdit* DateField(const QString& strName)
{
    auto* pField = new QDateEdit;
    pField->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    pField->setCalendarPopup(true);
    pField->setMinimumDate(QDate(1, 1, 1));
    pField->setMaximumDate(QDate(9999, 12, 31));
    pField->setAccessibleName(strName);
    return pField;
}

QPushButton* Button(const QString& strText, const QString& strDescription)
{
    auto* pButton = new QPushButton(strText);
    pButton->setAccessibleDescription(strDescription);
    pButton->setAutoDefault(false);
    return pButton;
}
}  // namespace

CMooringWindow::CMooringWindow(const CWizardSwitches& switches, QWidget* pParent)
    : QMainWindow(pParent), m_document(switches)
{
    setCentralWidget(CreateDetails());
    CreateMenus();
    connect(&m_document, &CMooringDocument::Changed, this, &CMooringWindow::OnChanged);
    connect(&m_document, &CMooringDocument::PathChanged, this, &CMooringWindow::UpdateTitle);
    connect(&m_document.UndoStack(), &QUndoStack::cleanChanged, this, &CMooringWindow::UpdateTitle);
    // Room for the table beside the pictures, within the screen at any scale.
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        resize(QSize(1260, 760).boundedTo(pScreen->availableGeometry().size() * 0.9));
    OnChanged();
    UpdateTitle();
}

CMooringWindow::~CMooringWindow()
{
    // The views and the title read the document: they go before it does.
    m_document.UndoStack().disconnect(this);
    delete takeCentralWidget();
    delete m_pModel;
}

CMoorplanPropSheet* CMooringWindow::PlanSheet() const { return m_pPlanSheet; }

QWidget* CMooringWindow::CreateDetails()
{
    auto* pCentral = new QWidget;
    auto* pLayout = new QVBoxLayout(pCentral);

    // The mooring's name and days.
    auto* pHeader = new QHBoxLayout;
    m_pName = new QLineEdit;
    m_pName->setAccessibleName(QStringLiteral("Mooring name"));
    m_pDeployed = DateField(QStringLiteral("Deployment day"));
    m_pRecovery = DateField(QStringLiteral("Recovery day"));
    const std::pair<const char*, QWidget*> aFields[] = {
        {"&Name:", m_pName}, {"&Deployed:", m_pDeployed}, {"&Recovery:", m_pRecovery}};
    for (const auto& field : aFields) {
        auto* pLabel = new QLabel(QString::fromUtf8(field.first));
        pLabel->setBuddy(field.second);
        pHeader->addWidget(pLabel);
        pHeader->addWidget(field.second, field.second == m_pName ? 1 : 0);
    }
    pLayout->addLayout(pHeader);
    connect(m_pName, &QLineEdit::textEdited, this, [this](const QString& strName) {
        CMooring mooring = m_document.Mooring();
        mooring.m_strName = strName.toStdString();
        m_document.Edit(QStringLiteral("Edit Name"), mooring, kMergeName);
    });
    const auto ConnectDay = [this](QDateEdit* pField, CCivilDay CMooring::*pDay, const QString& strWhat, int nMergeId) {
        connect(pField, &QDateEdit::dateChanged, this, [this, pDay, strWhat, nMergeId](const QDate& date) {
            CMooring mooring = m_document.Mooring();
            if (mooring.*pDay == DayOf(date))
                return;
            mooring.*pDay = DayOf(date);
            m_document.Edit(strWhat, mooring, nMergeId);
        });
    };
    ConnectDay(m_pDeployed, &CMooring::m_deployed, QStringLiteral("Change Deployment Day"), kMergeDeployed);
    ConnectDay(m_pRecovery, &CMooring::m_recovery, QStringLiteral("Change Recovery Day"), kMergeRecovery);

    // The rows and what can be done to them.
    auto* pButtons = new QHBoxLayout;
    auto* pAdd = Button(QStringLiteral("&Add Plan…"), QStringLiteral("Runs the wizard from the start and adds its plan"));
    auto* pImport = Button(QStringLiteral("&Import Plan…"), QStringLiteral("Adds the plan of a .moorplan file"));
    m_pRemove = Button(QStringLiteral("Re&move"), QStringLiteral("Removes the selected position"));
    m_pUp = Button(QStringLiteral("Move &Up"), QStringLiteral("Moves the selected position up the table"));
    m_pDown = Button(QStringLiteral("Move Do&wn"), QStringLiteral("Moves the selected position down the table"));
    for (QPushButton* pButton : {pAdd, pImport, m_pRemove, m_pUp, m_pDown})
        pButtons->addWidget(pButton);
    pButtons->addStretch(1);
    connect(pAdd, &QPushButton::clicked, this, [this] { EditPlan(-1); });
    connect(pImport, &QPushButton::clicked, this, &CMooringWindow::ImportPlan);
    connect(m_pRemove, &QPushButton::clicked, this, &CMooringWindow::RemoveRow);
    connect(m_pUp, &QPushButton::clicked, this, [this] { MoveRow(-1); });
    connect(m_pDown, &QPushButton::clicked, this, [this] { MoveRow(1); });
    pLayout->addLayout(pButtons);

    m_pModel = new CMooringTableModel(m_document, this);
    m_pTable = new QTableView;
    m_pTable->setModel(m_pModel);
    m_pTable->setAccessibleName(QStringLiteral("Positions"));
    m_pTable->setAccessibleDescription(
        QStringLiteral("Label, depth and notes are edited in place; Enter on a plan's cell opens it in the wizard"));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    m_pTable->setTabKeyNavigation(false);
    m_pTable->setWordWrap(false);
    connect(m_pTable, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (CMooringTableModel::IsPlanColumn(index.column()))
            EditPlan(index.row());
    });
    connect(m_pTable->selectionModel(), &QItemSelectionModel::currentChanged, this, &CMooringWindow::OnChanged);
    // Columns fit their texts when rows come or go, not at every edit.
    connect(m_pModel, &QAbstractItemModel::modelReset, m_pTable, &QTableView::resizeColumnsToContents);

    m_pVerdict = new QLabel;
    m_pVerdict->setWordWrap(true);
    m_pVerdict->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pVerdict->setFocusPolicy(Qt::TabFocus);
    m_pVerdict->setAccessibleName(QStringLiteral("Verdict"));

    m_pLine = new CMooringPicture(m_document, PaintMooringLine, QStringLiteral("Mooring line"));
    m_pTimeline = new CMooringPicture(m_document, PaintTimeline, QStringLiteral("Timeline"));
    auto* pPictures = new QSplitter(Qt::Horizontal);
    pPictures->addWidget(m_pLine);
    pPictures->addWidget(m_pTimeline);
    pPictures->setStretchFactor(1, 2);
    auto* pSplitter = new QSplitter(Qt::Vertical);
    pSplitter->addWidget(m_pTable);
    pSplitter->addWidget(pPictures);
    pSplitter->setStretchFactor(1, 1);
    pLayout->addWidget(pSplitter, 1);
    pLayout->addWidget(m_pVerdict);
    return pCentral;
}

void CMooringWindow::CreateMenus()
{
    QMenu* pFile = menuBar()->addMenu(QStringLiteral("&File"));
    pFile->addAction(QStringLiteral("&New Mooring"), QKeySequence::New, this, &CMooringWindow::NewMooring);
    pFile->addAction(QStringLiteral("&Open…"), QKeySequence::Open, this, &CMooringWindow::ChooseAndOpen);
    pFile->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, &CMooringWindow::Save);
    pFile->addAction(QStringLiteral("Save &As…"), QKeySequence::SaveAs, this, &CMooringWindow::SaveAs);
    pFile->addSeparator();
    pFile->addAction(QStringLiteral("&Export CSV…"), this, &CMooringWindow::ExportCsv);
    pFile->addAction(QStringLiteral("&Print…"), QKeySequence::Print, this, &CMooringWindow::Print);
    pFile->addAction(QStringLiteral("Save as P&DF…"), this, &CMooringWindow::SaveAsPdf);
    pFile->addSeparator();
    pFile->addAction(QStringLiteral("&Close"), QKeySequence::Close, this, &QWidget::close);

    QMenu* pEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* pUndo = m_document.UndoStack().createUndoAction(this, QStringLiteral("&Undo"));
    pUndo->setShortcut(QKeySequence::Undo);
    QAction* pRedo = m_document.UndoStack().createRedoAction(this, QStringLiteral("&Redo"));
    pRedo->setShortcut(QKeySequence::Redo);
    pEdit->addAction(pUndo);
    pEdit->addAction(pRedo);

    QMenu* pHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    pHelp->addAction(QStringLiteral("Moorplan &Help"), QKeySequence::HelpContents, this, &CMoorplanApp::OnHelp);
}

void CMooringWindow::OnChanged()
{
    const CMooring& mooring = m_document.Mooring();
    const CMooringTable& table = m_document.Table();
    // The fields follow the document (an undo, a file opened) without
    // making an edit of their own.
    const QSignalBlocker blockName(m_pName);
    const QSignalBlocker blockDeployed(m_pDeployed);
    const QSignalBlocker blockRecovery(m_pRecovery);
    if (m_pName->text().toStdString() != mooring.m_strName)
        m_pName->setText(QString::fromStdString(mooring.m_strName));
    m_pDeployed->setDate(DateOf(mooring.m_deployed));
    m_pRecovery->setDate(DateOf(mooring.m_recovery));
    QStringList astrVerdict;
    for (const std::string& strNotice : table.m_astrNotices)
        astrVerdict.append(QString::fromStdString(strNotice));
    astrVerdict.append(QString::fromStdString(table.m_strVerdict));
    m_pVerdict->setText(astrVerdict.join(QLatin1Char('\n')));
    const int nRow = CurrentRow();
    const int nCount = static_cast<int>(mooring.m_aPositions.size());
    m_pRemove->setEnabled(nRow >= 0);
    m_pUp->setEnabled(nRow > 0);
    m_pDown->setEnabled(nRow >= 0 && nRow + 1 < nCount);
}

void CMooringWindow::UpdateTitle()
{
    const QString strFile = m_document.Path().isEmpty() ? QStringLiteral("Untitled.mooring")
                                                        : QFileInfo(m_document.Path()).fileName();
    setWindowTitle(strFile + QStringLiteral("[*] - ") + QString::fromLatin1(AppStrings::kAppTitle));
    setWindowModified(m_document.IsChanged());
}

int CMooringWindow::CurrentRow() const
{
    const QModelIndex index = m_pTable->currentIndex();
    return index.isValid() ? index.row() : -1;
}

bool CMooringWindow::Open(const QString& strPath)
{
    std::string strError;
    if (m_document.Open(strPath, strError))
        return true;
    Tell(strError);
    return false;
}

void CMooringWindow::ChooseAndOpen()
{
    if (!MaybeSave())
        return;
    const QString strPath = AskOpenPath(MooringFile::kExtension, AppStrings::kMooringFilter);
    if (!strPath.isEmpty())
        Open(strPath);
}

void CMooringWindow::NewMooring()
{
    if (MaybeSave())
        m_document.New();
}

bool CMooringWindow::Save()
{
    if (m_document.Path().isEmpty())
        return SaveAs();
    std::string strError;
    if (m_document.SaveAs(m_document.Path(), strError))
        return true;
    Tell(strError);
    return false;
}

bool CMooringWindow::SaveAs()
{
    const QString strPath = AskSavePath(MooringFile::kExtension, AppStrings::kMooringFilter,
                                        QString::fromStdString(m_document.Mooring().m_strName));
    if (strPath.isEmpty())
        return false;
    std::string strError;
    if (m_document.SaveAs(strPath, strError))
        return true;
    Tell(strError);
    return false;
}

QString CMooringWindow::AskOpenPath(const char* szExtension, const char* szFilter)
{
    BvUtility::Platform::OpenFileRequest request;
    request.pOwner = this;
    request.strDefaultSuffix = QString::fromLatin1(szExtension);
    request.strFilter = QString::fromLatin1(szFilter);
    return BvUtility::Platform::ChooseOpenFile(request);
}

QString CMooringWindow::AskSavePath(const char* szExtension, const char* szFilter, const QString& strName)
{
    BvUtility::Platform::SaveFileRequest request;
    request.pOwner = this;
    request.strDefaultSuffix = QString::fromLatin1(szExtension);
    request.strInitialName = (strName.isEmpty() ? QStringLiteral("mooring") : strName) + QLatin1Char('.') +
                             request.strDefaultSuffix;
    request.strFilter = QString::fromLatin1(szFilter);
    return BvUtility::Platform::ChooseSaveFile(request);
}

void CMooringWindow::ExportCsv()
{
    const QString strPath = AskSavePath("csv", "CSV files (*.csv)", QString::fromStdString(m_document.Mooring().m_strName));
    if (strPath.isEmpty())
        return;
    std::string strError;
    if (!FileReplace::Write(QFile::encodeName(strPath).toStdString(),
                            MooringOutput::Csv(m_document.Mooring(), m_document.Table()), FileReplace::EAccess::Document,
                            strError))
        Tell(strError);
}

void CMooringWindow::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(m_document.Mooring().m_strName));
    if (!PrintSeam::ChoosePrinter(printer, this))
        return;
    if (!DeploymentSheet::Print(printer, m_document.Mooring(), m_document.Table()))
        Tell("The deployment sheet could not be printed.");
}

void CMooringWindow::SaveAsPdf()
{
    const QString strPath =
        AskSavePath("pdf", "PDF files (*.pdf)", QString::fromStdString(m_document.Mooring().m_strName));
    if (strPath.isEmpty())
        return;
    // Written beside the file and moved over it, so a failed write leaves
    // an old file whole.
    const QString strPart = strPath + QStringLiteral(".part");
    bool bWritten = false;
    {
        QPdfWriter writer(strPart);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(QString::fromStdString(m_document.Mooring().m_strName));
        writer.setCreator(QString::fromLatin1(AppStrings::kAppTitle));
        bWritten = DeploymentSheet::Print(writer, m_document.Mooring(), m_document.Table());
    }
    std::error_code error;
    if (bWritten && QFileInfo(strPart).size() > 0) {
        std::filesystem::rename(QFile::encodeName(strPart).toStdString(), QFile::encodeName(strPath).toStdString(), error);
        if (!error)
            return;
    }
    QFile::remove(strPart);
    Tell(QFile::encodeName(QFileInfo(strPath).fileName()).toStdString() + ": the PDF could not be written");
}

void CMooringWindow::EditPlan(int nRow)
{
    if ((m_pPlanSheet && m_pPlanSheet->isVisible()) || nRow >= static_cast<int>(m_document.Mooring().m_aPositions.size()))
        return;
    auto* pSheet = new CMoorplanPropSheet(QString::fromLatin1(AppStrings::kSheetCaption), m_document.Switches());
    pSheet->setParent(this, pSheet->windowFlags());
    pSheet->setAttribute(Qt::WA_DeleteOnClose);
    pSheet->setWindowModality(Qt::WindowModal);
    m_pPlanSheet = pSheet;
    pSheet->show();
    // What the pages hold before the person changes anything: the plan is
    // put back only when that differs afterwards, so a plan looked at and
    // left keeps its very object (and the file its bytes).
    std::string strBefore;
    if (nRow >= 0 && pSheet->ShowPlan(m_document.Mooring().m_aPositions[nRow].m_plan))
        strBefore = PlanFile::Text(CapturePlan(pSheet->Model()));
    // The finish page counts its expected end from the mooring's deployment,
    // as the table does.
    for (CInsightPanel* pInsight : pSheet->findChildren<CInsightPanel*>())
        pInsight->DeploymentStart()->setDate(DateOf(m_document.Mooring().m_deployed));
    connect(pSheet, &QDialog::accepted, this,
            [this, pSheet, nRow, strBefore] { OnPlanSheetAccepted(CapturePlan(pSheet->Model()), nRow, strBefore); });
}

void CMooringWindow::OnPlanSheetAccepted(const CPlanAnswers& plan, int nRow, const std::string& strBefore)
{
    CMooring mooring = m_document.Mooring();
    if (nRow < 0) {
        const int nAdded = MooringEdit::AppendPlan(mooring, plan, MooringEdit::LabelFor(mooring, plan));
        m_document.Edit(QStringLiteral("Add Plan"), mooring);
        m_pTable->setCurrentIndex(m_pModel->index(nAdded, CMooringTableModel::Label));
        return;
    }
    if (nRow >= static_cast<int>(mooring.m_aPositions.size()) || PlanFile::Text(plan) == strBefore)
        return;
    mooring.m_aPositions[nRow].m_plan = plan;
    m_document.Edit(QStringLiteral("Change Plan of %1").arg(QString::fromStdString(mooring.m_aPositions[nRow].m_strLabel)),
                    mooring);
}

void CMooringWindow::ImportPlan()
{
    const QString strPath = AskOpenPath(PlanFile::kExtension, AppStrings::kPlanFilter);
    if (strPath.isEmpty())
        return;
    const std::string strFile = QFile::encodeName(strPath).toStdString();
    CPlanAnswers plan;
    std::string strError;
    if (!PlanFile::Read(strFile, plan, strError))
        return Tell(strError);
    // A plan whose answers no page shows would make the mooring a file
    // that cannot be opened again: it is told, not added.
    std::string strReport;
    if (RunPlan(plan, m_document.Switches(), strError, strReport) == kPlanUsageError)
        return Tell(strError);
    CMooring mooring = m_document.Mooring();
    const int nAdded = MooringEdit::AppendPlan(mooring, plan, QFileInfo(strPath).completeBaseName().toStdString());
    m_document.Edit(QStringLiteral("Import Plan"), mooring);
    m_pTable->setCurrentIndex(m_pModel->index(nAdded, CMooringTableModel::Label));
}

void CMooringWindow::RemoveRow()
{
    const int nRow = CurrentRow();
    if (nRow < 0)
        return;
    CMooring mooring = m_document.Mooring();
    const QString strLabel = QString::fromStdString(mooring.m_aPositions[nRow].m_strLabel);
    mooring.m_aPositions.erase(mooring.m_aPositions.begin() + nRow);
    m_document.Edit(QStringLiteral("Remove %1").arg(strLabel), mooring);
    if (!mooring.m_aPositions.empty())
        m_pTable->setCurrentIndex(m_pModel->index(std::min<int>(nRow, mooring.m_aPositions.size() - 1), 0));
}

void CMooringWindow::MoveRow(int nStep)
{
    const int nRow = CurrentRow();
    const int nTo = nRow + nStep;
    CMooring mooring = m_document.Mooring();
    if (nRow < 0 || nTo < 0 || nTo >= static_cast<int>(mooring.m_aPositions.size()))
        return;
    std::swap(mooring.m_aPositions[nRow], mooring.m_aPositions[nTo]);
    m_document.Edit(nStep < 0 ? QStringLiteral("Move Up") : QStringLiteral("Move Down"), mooring);
    m_pTable->setCurrentIndex(m_pModel->index(nTo, m_pTable->currentIndex().column()));
}

bool CMooringWindow::MaybeSave()
{
    if (!m_document.IsChanged())
        return true;
    BvUtility::Platform::MessageRequest request;
    request.pOwner = this;
    request.strCaption = QString::fromLatin1(AppStrings::kAppTitle);
    request.strText = QStringLiteral("The mooring \"%1\" has changed. Save the changes?")
                          .arg(QString::fromStdString(m_document.Mooring().m_strName));
    request.buttons = BvUtility::Platform::MessageButtons::YesNoCancel;
    switch (BvUtility::Platform::ShowMessage(request)) {
    case BvUtility::Platform::MessageResult::Yes:
        return Save();
    case BvUtility::Platform::MessageResult::No:
        return true;
    default:
        return false;
    }
}

void CMooringWindow::closeEvent(QCloseEvent* pEvent)
{
    if (MaybeSave())
        pEvent->accept();
    else
        pEvent->ignore();
}

void CMooringWindow::Tell(const std::string& strText)
{
    // Told as the wizard's pages tell theirs: OK only, the program's name as caption.
    CModelPage::ShowPageMessage(this, strText);
}

int RunMooringWindow(const CWizardSwitches& switches, const QString& strFile)
{
    DiagnosticsLog::Install();
    BvUtility::CHelp::InitializeHtmlHelpPath("Moorplan.chm");
    CMooringWindow window(switches);
    BvUtility::CHelp::SetMainWindow(&window);
    window.show();
    if (!strFile.isEmpty())
        window.Open(strFile);
    const int nResult = QApplication::exec();
    BvUtility::CHelp::SetMainWindow(nullptr);
    return nResult;
}
