#include "PropPageFinish.h"

#include "AppStrings.h"
#include "FinishInsight.h"
#include "FinishPageModel.h"
#include "InsightPanel.h"
#include "Instrument.h"
#include "ManualLookup.h"
#include "MooringEdit.h"
#include "MooringFile.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "PlatformSeams.h"
#include "PropertySheet.h"
#include "ReportExport.h"
#include "SheetModel.h"
#include "ui_PropPageFinish.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>

namespace {

// The file dialog both buttons ask: a plan to write, or a mooring to add to
// (an existing one is not replaced, so the dialog does not ask about that).
QString ChooseFileToWrite(QWidget* pOwner, const char* szSuffix, const char* szStem, const char* szFilter, bool bAddTo)
{
    BvUtility::Platform::SaveFileRequest request;
    request.pOwner = pOwner;
    request.strDefaultSuffix = QString::fromLatin1(szSuffix);
    request.strInitialName = QString::fromLatin1(szStem) + request.strDefaultSuffix;
    request.strFilter = QString::fromLatin1(szFilter);
    request.bAddTo = bAddTo;
    return BvUtility::Platform::ChooseSaveFile(request);
}

} // namespace

CPropPageFinish::CPropPageFinish(CFinishPageModel& model, CSheetModel& sheet)
    : CPropertyPage(QString::fromStdString(model.Title())),
      m_model(model),
      m_sheet(sheet)
{
}

CPropPageFinish::~CPropPageFinish() = default;

void CPropPageFinish::CreateControls(QWidget* pBody)
{
    m_ui.reset(new Ui::PropPageFinish);
    m_ui->setupUi(pBody);
    // The buttons act on the sheet's instrument here; the model has no handler.
    m_binder.Reset(CFinishPageModel::kControlCount, [](int) {});
    m_binder.Bind(CFinishPageModel::kReport, m_ui->report);
    m_binder.Bind(CFinishPageModel::kViewInNotepad, m_ui->buttonViewInNotepad);
    m_binder.Bind(CFinishPageModel::kViewManual, m_ui->buttonViewManual);
    connect(m_ui->buttonViewInNotepad, &QAbstractButton::clicked, this, &CPropPageFinish::OnViewInNotepad);
    connect(m_ui->buttonViewManual, &QAbstractButton::clicked, this, &CPropPageFinish::OnViewManual);
    connect(m_ui->buttonSavePlan, &QAbstractButton::clicked, this, &CPropPageFinish::OnSavePlan);
    connect(m_ui->buttonAddToMooring, &QAbstractButton::clicked, this, &CPropPageFinish::OnAddToMooring);
}

int CPropPageFinish::OnSetActive()
{
    m_model.OnSetActive();
    m_binder.ToWidgets(m_model);
    GetSheet()->SetWizardButtons(m_model.WizardButtons());
    GetSheet()->SetTitle(QString::fromStdString(m_model.Title()));
    GetSheet()->SetFinishText(QString::fromStdString(m_model.FinishButtonText()));
    if (CInstrument* pInstrument = m_sheet.Instrument())
        m_ui->insight->Show(BuildFinishInsight(*pInstrument));
    return CPropertyPage::OnSetActive();
}

void CPropPageFinish::OnViewInNotepad()
{
    if (const CInstrument* pInstrument = m_sheet.Instrument())
        ReportExport::ViewInEditor(pInstrument->m_strSummary, this);
}

void CPropPageFinish::OnViewManual()
{
    if (const CInstrument* pInstrument = m_sheet.Instrument())
        ManualLookup::OpenManuals(QString::fromLatin1(ManualLookup::kCatalogueName), pInstrument->m_nModelIndex,
                                  pInstrument->m_nCommIndex, pInstrument->m_nFirmwareIndex);
}

CInsightPanel* CPropPageFinish::Insight() const { return m_ui->insight; }

void CPropPageFinish::OnSavePlan()
{
    const QString strPath = ChooseFileToWrite(this, PlanFile::kExtension, "plan.", AppStrings::kPlanFilter, false);
    if (strPath.isEmpty())
        return;
    std::string strError;
    if (!PlanFile::Save(QFile::encodeName(strPath).toStdString(), CapturePlan(m_sheet), strError))
        Tell(strError);
}

void CPropPageFinish::OnAddToMooring()
{
    const QString strPath = ChooseFileToWrite(this, MooringFile::kExtension, "mooring.", AppStrings::kMooringFilter, true);
    if (strPath.isEmpty())
        return;
    const std::string strFile = QFile::encodeName(strPath).toStdString();
    std::string strText;
    std::string strError;
    CMooring mooring;
    if (QFileInfo::exists(strPath)) {
        // An existing file is read as the window reads it; one it would
        // refuse is left alone.
        if (!MooringFile::ReadText(strFile, strText, strError) || !MooringFile::Parse(strText, strFile, mooring, strError))
            return Tell(strError);
    } else {
        // A new mooring deployed on the insight panel's deployment start.
        const QDate start = m_ui->insight->DeploymentStart()->date();
        mooring = MooringEdit::NewMooring(QFileInfo(strPath).completeBaseName().toStdString(),
                                          CCivilDay{start.year(), start.month(), start.day()});
    }
    const CPlanAnswers plan = CapturePlan(m_sheet);
    const int nIndex = MooringEdit::AppendPlan(mooring, plan, MooringEdit::LabelFor(mooring, plan));
    if (!MooringFile::Save(strFile, mooring, strError))
        return Tell(strError);
    Tell(QStringLiteral("Added to %1 as position %2.")
             .arg(QFileInfo(strPath).fileName())
             .arg(nIndex + 1)
             .toStdString());
}

void CPropPageFinish::Tell(const std::string& strText)
{
    BvUtility::Platform::MessageRequest message;
    message.pOwner = this;
    message.strCaption = QString::fromLatin1(AppStrings::kAppTitle);
    message.strText = QString::fromStdString(strText);
    BvUtility::Platform::ShowMessage(message);
}
