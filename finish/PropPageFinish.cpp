#include "PropPageFinish.h"

#include "AppStrings.h"
#include "FinishInsight.h"
#include "FinishPageModel.h"
#include "InsightPanel.h"
#include "Instrument.h"
#include "ManualLookup.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "PlatformSeams.h"
#include "PropertySheet.h"
#include "ReportExport.h"
#include "SheetModel.h"
#include "ui_PropPageFinish.h"

#include <QAbstractButton>
#include <QFile>

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
    BvUtility::Platform::SaveFileRequest request;
    request.pOwner = this;
    request.strDefaultSuffix = QString::fromLatin1(PlanFile::kExtension);
    request.strInitialName = QStringLiteral("plan.") + request.strDefaultSuffix;
    request.strFilter = QString::fromLatin1(AppStrings::kPlanFilter);
    const QString strPath = BvUtility::Platform::ChooseSaveFile(request);
    if (strPath.isEmpty())
        return;
    std::string strError;
    if (PlanFile::Save(QFile::encodeName(strPath).toStdString(), CapturePlan(m_sheet), strError))
        return;
    BvUtility::Platform::MessageRequest message;
    message.pOwner = this;
    message.strCaption = QString::fromLatin1(AppStrings::kAppTitle);
    message.strText = QString::fromStdString(strError);
    BvUtility::Platform::ShowMessage(message);
}
