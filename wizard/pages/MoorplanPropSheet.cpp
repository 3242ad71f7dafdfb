#include "MoorplanPropSheet.h"

#include <QIcon>

namespace {
// Icon resource 134 at the sizes desktops ask for.
QIcon SheetIcon()
{
    QIcon icon;
    for (int nSize : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon134/%1.png").arg(nSize), QSize(nSize, nSize));
    return icon;
}
}  // namespace

CPropPageSet::CPropPageSet(CPageSet& models)
    : m_pageBatterySelect(*models.m_pBatterySelect),
      m_pagePressureSelect(*models.m_pPressureSelect),
      m_pageSampleRate(*models.m_pSampleRate),
      m_page700Sampling(*models.m_p700Sampling),
      m_page710Sampling(*models.m_p710Sampling),
      m_pageMooredPumpSelect(*models.m_pMooredPumpSelect),
      m_pageSensorList(*models.m_pSensorList)
{
}

QList<CModelPage*> CPropPageSet::Pages()
{
    return {&m_pageBatterySelect, &m_pagePressureSelect, &m_pageSampleRate, &m_page700Sampling,
            &m_page710Sampling,   &m_pageMooredPumpSelect, &m_pageSensorList};
}

CMoorplanPropSheet::CMoorplanPropSheet(const QString& strCaption, const CMoorplanCommandLineInfo& commandLine)
    : CPropertySheet(strCaption),
      m_model(commandLine),
      m_pageIntro(m_model.IntroPage()),
      m_pageMoorModel(m_model.MoorModelPage()),
      m_set610(m_model.Set610()),
      m_setOther(m_model.SetOther())
{
    setWindowIcon(SheetIcon());
    QList<CModelPage*> apPages{&m_pageIntro, &m_pageMoorModel};
    apPages += m_set610.Pages();
    apPages += m_setOther.Pages();
    for (CModelPage* pPage : std::as_const(apPages))
        m_mapPages.insert(&pPage->Model(), pPage);
    AddPage(&m_pageIntro);
}

CMoorplanPropSheet::~CMoorplanPropSheet() = default;

void CMoorplanPropSheet::SyncPageList()
{
    QList<CPropertyPage*> apWanted;
    for (const CPageModel* pModel : m_model.Pages()) {
        if (CPropertyPage* pPage = m_mapPages.value(pModel))
            apWanted.append(pPage);
    }
    int nKeep = 0;
    while (nKeep < GetPageCount() && nKeep < apWanted.size() && GetPage(nKeep) == apWanted.at(nKeep))
        ++nKeep;
    while (GetPageCount() > nKeep)
        RemovePage(GetPageCount() - 1);
    for (int n = nKeep; n < apWanted.size(); ++n)
        AddPage(apWanted.at(n));
}
