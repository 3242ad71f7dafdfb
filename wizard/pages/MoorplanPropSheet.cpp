#include "MoorplanPropSheet.h"

#include "AppStrings.h"
#include "FinishPageModel.h"
#include "PlanFile.h"
#include "PlanRunner.h"
#include "PlatformSeams.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>

// The resources sit in a static library: register them before first use.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace {
// Room for the widest page (the sensor list) beside a readable report.
constexpr QSize kInitialSize(900, 600);

// The program's icon at the sizes desktops ask for.
QIcon SheetIcon()
{
    QIcon icon;
    for (int nSize : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(nSize), QSize(nSize, nSize));
    return icon;
}
// The sheet's picture (the watermark of the first page and the header of the
// others) at the density of the screen: decoding the larger one
// where it is not needed would cost start-up time for nothing. Read as the PNG
// it is: left to guess, the reader first loads every image-format plugin
// installed to ask each whether it knows the file.
QImage ReadSheetPicture(bool bDense)
{
    QImageReader reader(bDense ? QStringLiteral(":/sheet-picture@2x.png") : QStringLiteral(":/sheet-picture.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
}  // namespace

CPropPageSet::CPropPageSet(CPageSet& models, CSheetModel& sheet)
    : m_pageBatterySelect(*models.m_pBatterySelect),
      m_pagePressureSelect(*models.m_pPressureSelect),
      m_pageSampleRate(*models.m_p600Sampling),
      m_page700Sampling(*models.m_p700Sampling),
      m_page710Sampling(*models.m_p710Sampling),
      m_pageMooredPumpSelect(*models.m_pMooredPumpSelect),
      m_pageSensorList(*models.m_pSensorList),
      m_pageFinish(*models.m_pFinish, sheet)
{
}

void CPropPageSet::Register(QHash<const CPageModel*, CPropertyPage*>& mapPages, const CPageSet& models)
{
    const std::initializer_list<CModelPage*> apPages = {&m_pageBatterySelect, &m_pagePressureSelect, &m_pageSampleRate,
                                                         &m_page700Sampling,   &m_page710Sampling,    &m_pageMooredPumpSelect,
                                                         &m_pageSensorList};
    for (CModelPage* pPage : apPages)
        mapPages.insert(&pPage->Model(), pPage);
    mapPages.insert(models.m_pFinish.get(), &m_pageFinish);
}

CMoorplanPropSheet::CMoorplanPropSheet(const QString& strCaption, const CWizardSwitches& switches)
    : CPropertySheet(strCaption),
      m_model(switches),
      m_pageIntro(m_model.IntroPage()),
      m_pageMoorModel(m_model.CommsPage()),
      m_set610(m_model.Set610(), m_model),
      m_setOther(m_model.SetOther(), m_model)
{
    InitResources();
    // The picture decodes on another thread while the window is made; the
    // sheet takes it just before it is first shown.
    m_pictureRead = std::async(std::launch::async, ReadSheetPicture, qApp->devicePixelRatio() > 1.0);
    resize(kInitialSize);
    m_mapPages.insert(&m_pageIntro.Model(), &m_pageIntro);
    m_mapPages.insert(&m_pageMoorModel.Model(), &m_pageMoorModel);
    m_set610.Register(m_mapPages, m_model.Set610());
    m_setOther.Register(m_mapPages, m_model.SetOther());
    AddPage(&m_pageIntro);
}

CMoorplanPropSheet::~CMoorplanPropSheet() = default;

void CMoorplanPropSheet::showEvent(QShowEvent* pEvent)
{
    if (m_pictureRead.valid())
        SetPicture(QPixmap::fromImage(m_pictureRead.get()));
    CPropertySheet::showEvent(pEvent);
}

void CMoorplanPropSheet::paintEvent(QPaintEvent* pEvent)
{
    CPropertySheet::paintEvent(pEvent);
    // The window manager wants the icon at every size, each decoded from its
    // own picture: give it once the first page is on the screen, so that the
    // page shows sooner. (Posted: the drawing reaches the screen when this
    // paint has returned.)
    if (!m_bIconGiven) {
        m_bIconGiven = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(SheetIcon()); });
    }
}

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

void CMoorplanPropSheet::ChooseAndOpenPlan()
{
    BvUtility::Platform::OpenFileRequest request;
    request.pOwner = this;
    request.strDefaultSuffix = QString::fromLatin1(PlanFile::kExtension);
    request.strFilter = QString::fromLatin1(AppStrings::kPlanFilter);
    const QString strPath = BvUtility::Platform::ChooseOpenFile(request);
    if (!strPath.isEmpty())
        OpenPlan(strPath);
}

void CMoorplanPropSheet::OpenPlan(const QString& strPath)
{
    CPlanAnswers answers;
    std::string strMessage;
    if (!PlanFile::Read(QFile::encodeName(strPath).toStdString(), answers, strMessage)) {
        CModelPage::ShowPageMessage(this, strMessage);
        return;
    }
    ShowPlan(answers);
}

bool CMoorplanPropSheet::ShowPlan(const CPlanAnswers& answers)
{
    std::string strMessage;
    switch (ReplayPlan(m_model, answers, strMessage)) {
    case kPlanDone:
        ShowModelPage(m_model.CurrentIndex());
        break;
    case kPlanRefused:
        // The refusing page as the person would see it: its fields hold the
        // plan's values again after its activation, then its message.
        ShowModelPage(m_model.CurrentIndex());
        ReapplyPageAnswers(m_model.CurrentPage(), answers);
        if (auto* pPage = qobject_cast<CModelPage*>(m_mapPages.value(&m_model.CurrentPage())))
            pPage->Refresh();
        CModelPage::ShowPageMessage(this, strMessage);
        break;
    case kPlanUsageError:
        m_model.Restart();
        ShowModelPage(0);
        CModelPage::ShowPageMessage(this, strMessage);
        return false;
    }
    return true;
}

void CMoorplanPropSheet::ShowModelPage(int nIndex)
{
    SyncPageList();
    SetActivePage(nIndex);
}
