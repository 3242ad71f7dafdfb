#pragma once

#include "PlanAnswers.h"
#include "PropPageFinish.h"
#include "PropPage700Sampling.h"
#include "PropPage710Sampling.h"
#include "PropPageBatterySelect.h"
#include "PropPageIntro.h"
#include "PropPageMoorModel.h"
#include "PropPageMooredPumpSelect.h"
#include "PropPagePressureSelect.h"
#include "PropPageSampleRate.h"
#include "PropPageSensorList.h"
#include "PropertySheet.h"
#include "SheetModel.h"

#include <QHash>
#include <QImage>

#include <future>

// The pages that follow the model pages, one set per page set of the sheet
// model: the Kelvo 610 path's and the one every other model shares.
struct CPropPageSet {
    CPropPageSet(CPageSet& models, CSheetModel& sheet);
    // Enters every page of the set under its page model.
    void Register(QHash<const CPageModel*, CPropertyPage*>& mapPages, const CPageSet& models);

    CPropPageBatterySelect m_pageBatterySelect;
    CPropPagePressureSelect m_pagePressureSelect;
    CPropPageSampleRate m_pageSampleRate;
    CPropPage700Sampling m_page700Sampling;
    CPropPage710Sampling m_page710Sampling;
    CPropPageMooredPumpSelect m_pageMooredPumpSelect;
    CPropPageSensorList m_pageSensorList;
    CPropPageFinish m_pageFinish;
};

// The wizard: the sheet model (the person's choices, the instrument and the
// page list) and one page object per page model, all living as long as the
// sheet. The page list shown follows the model's page list.
class CMoorplanPropSheet : public CPropertySheet {
    Q_OBJECT
public:
    CMoorplanPropSheet(const QString& strCaption, const CWizardSwitches& switches);
    ~CMoorplanPropSheet() override;

    CSheetModel& Model() { return m_model; }
    CInstrument* Instrument() const { return m_model.Instrument(); }

    // Makes the sheet's page list the pages of the model's page list.
    void SyncPageList();

    // "Open Plan…": asks for a plan file and opens it.
    void ChooseAndOpenPlan();
    // Opens a plan as a new run of the wizard answered from the file: ends on
    // the finish page with the plan's report, or on the first page that
    // refuses one of its values, showing that page's message. A file that
    // cannot be read is told in a message box and the wizard stays as it was;
    // a value no person could give on its page is told likewise, and the
    // wizard starts afresh.
    void OpenPlan(const QString& strPath);
    // The same for answers already read (a mooring's position): false when
    // one of them is a value no person could give, told in a message box.
    bool ShowPlan(const CPlanAnswers& answers);

protected:
    void showEvent(QShowEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void ShowModelPage(int nIndex);

    CSheetModel m_model;
    CPropPageIntro m_pageIntro;
    CPropPageMoorModel m_pageMoorModel;
    CPropPageSet m_set610;
    CPropPageSet m_setOther;
    QHash<const CPageModel*, CPropertyPage*> m_mapPages;
    std::future<QImage> m_pictureRead;
    bool m_bIconGiven = false;
};
