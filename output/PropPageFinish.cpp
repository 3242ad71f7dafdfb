#include "PropPageFinish.h"

#include "FinishInsight.h"
#include "FinishPageModel.h"
#include "InsightPanel.h"
#include "Instrument.h"
#include "ManualLookup.h"
#include "PropertySheet.h"
#include "ReportExport.h"
#include "SheetModel.h"
#include "ui_PropPageFinish.h"

#include <QAbstractButton>
#include <QFontDatabase>

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
    // The report's columns line up only in a fixed-pitch font.
    m_ui->report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(m_ui->buttonViewInNotepad, &QAbstractButton::clicked, this, &CPropPageFinish::OnViewInNotepad);
    connect(m_ui->buttonViewManual, &QAbstractButton::clicked, this, &CPropPageFinish::OnViewManual);
}

int CPropPageFinish::OnSetActive()
{
    m_model.OnSetActive();
    m_ui->buttonViewManual->setVisible(m_model.Control(CFinishPageModel::kViewManual).m_bVisible);
    GetSheet()->SetWizardButtons(m_model.WizardButtons());
    GetSheet()->SetTitle(QString::fromStdString(m_model.Title()));
    RenameFinishButton();
    // The report ends its lines with "\r\n"; the field shows plain lines.
    QString strReport = QString::fromStdString(m_model.Control(CFinishPageModel::kReport).m_strText);
    strReport.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_ui->report->setPlainText(strReport);
    if (CInstrument* pInstrument = m_sheet.Instrument())
        m_ui->insight->Show(BuildFinishInsight(*pInstrument));
    return CPropertyPage::OnSetActive();
}

void CPropPageFinish::RenameFinishButton()
{
    const QString strNewText = QString::fromStdString(m_model.FinishButtonText());
    for (QAbstractButton* pButton : GetSheet()->findChildren<QAbstractButton*>()) {
        if (pButton->text() == QLatin1String("Finish"))
            pButton->setText(strNewText);
    }
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
