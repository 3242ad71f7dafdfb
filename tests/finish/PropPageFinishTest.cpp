#include "ConsumerPalette.h"
#include "DayText.h"
#include "FinishPageModel.h"
#include "InsightPanel.h"
#include "Instrument.h"
#include "ManualLookup.h"
#include "PropPageFinish.h"
#include "PropertySheet.h"
#include "SeamRecorder.h"
#include "SheetModel.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <QScatterSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

// A Kelvo 620 on RS-232 with the second firmware, the finish page alone in a
// sheet, shown offscreen.
class PropPageFinishTest : public ::testing::Test
{
protected:
    void Open(bool bManual, const std::function<void(CInstrument&)>& enter = {})
    {
        CWizardSwitches commandLine;
        commandLine.m_bManual = bManual;
        m_pModel = std::make_unique<CSheetModel>(commandLine);
        m_pModel->m_nSelModel = 1;
        m_pModel->m_nSelComm = 0;
        m_pModel->m_nSelFirmware = 1;
        ASSERT_TRUE(m_pModel->CreateInstrument());
        if (enter)
            enter(*m_pModel->Instrument());
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

// The last page's frame, its catalogue entry on the diagnostic output and, in
// manual mode, the manual of the instrument's entry. The report it shows is
// the model's: gui WizardRun and Monkey.
TEST_F(PropPageFinishTest, IsTheLastPageAndOpensTheManualOfTheInstrument)
{
    Open(true);
    EXPECT_FALSE(Report()->isReadOnly());
    EXPECT_TRUE(Button("finishButton")->isEnabled());
    EXPECT_EQ(Button("finishButton")->text(), QStringLiteral("Exit"));
    EXPECT_TRUE(Button("backButton")->isEnabled());
    EXPECT_EQ(m_pSheet->windowTitle(), QStringLiteral("Finish"));
    EXPECT_NE(m_seams.m_strDiagnostics.find("\t<Instrument model='1' comm='0' rev='1'>\r\n"), std::string::npos);

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

// A strain gauge, the P4M pump in mode 2, one auxiliary sensor and the
// alkaline pack at 10 C, sampling every 300 s: about 210 days.
TEST_F(PropPageFinishTest, InsightPanelChartsTheCalculationBesideTheReport)
{
    // On a German desktop, where Qt's own month names would read "März".
    struct CGermanDesktop {
        const QLocale previous;
        CGermanDesktop() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
        ~CGermanDesktop() { QLocale::setDefault(previous); }
    } german;
    Open(false, [](CInstrument& k) {
        k.SetPressureSensorIndex(1);
        k.m_nSampleInterval = 300;
        k.SetPumpIndex(1);
        k.m_nPumpMode = 2;
        k.m_aAuxSensors.Set(0, "Kelvo 810", 0.015, 1);
        k.m_nAuxSensorCount = 1;
        k.SetBatteryIndex(0);
        k.SetDeploymentTemperature(10.0);
    });
    CInstrument& k = *m_pModel->Instrument();
    const CInsightPanel* pPanel = m_pPage->Insight();
    ASSERT_TRUE(pPanel->isVisible());
    EXPECT_FALSE(Button("buttonViewManual")->isVisible());

    // One slice per consumer of the calculation, labelled with its share.
    const CEnduranceBreakdown breakdown = k.CalculateBreakdown(300);
    const QList<QPieSlice*> aSlices = pPanel->BreakdownSeries()->slices();
    QStringList astrLabels;
    for (QPieSlice* pSlice : aSlices)
        astrLabels << pSlice->label();
    EXPECT_EQ(astrLabels, (QStringList{"Sampling 37.4 %", "Pump 53.4 %", "Auxiliary sensors 8.0 %",
                                       "Quiescent current 1.3 %"}));

    // Days against interval from the shortest interval, the entered one
    // marked, up to three times the two-year notice: the curve is cut and
    // marked where it leaves the chart (a sample a day lasts decades).
    QList<QPointF> aCurve = pPanel->CurveSeries()->points();
    ASSERT_GE(aCurve.size(), 20);
    EXPECT_EQ(aCurve.first().x(), 10.0);
    const QPointF ptLeaves = aCurve.takeLast();
    EXPECT_EQ(ptLeaves.y(), 3 * kTwoYearNoticeDays);
    EXPECT_GT(ptLeaves.x(), aCurve.last().x());
    EXPECT_EQ(pPanel->CurveSeries()->chart()->series().last()->objectName(), QStringLiteral("curveLeaves"));
    EXPECT_EQ(static_cast<QScatterSeries*>(pPanel->CurveSeries()->chart()->series().last())->points(),
              QList<QPointF>{ptLeaves});
    for (const QPointF& point : aCurve)
        EXPECT_EQ(point.y(), k.CalculateEndurance(static_cast<int>(point.x())));
    EXPECT_EQ(pPanel->EnteredIntervalSeries()->points(), (QList<QPointF>{QPointF(300.0, breakdown.m_dDays)}));
    // Its legend below it names every line and mark whole, whatever the width.
    const QString strLegend = pPanel->findChild<QLabel*>(QStringLiteral("curveLegend"))->text();
    for (const char* szEntry : {"Endurance", "2&nbsp;years", "Entered&nbsp;interval", "Beyond&nbsp;the&nbsp;chart"})
        EXPECT_TRUE(strLegend.contains(QLatin1String(szEntry))) << szEntry;

    // A screen reader hears what each chart shows.
    EXPECT_EQ(pPanel->BreakdownView()->accessibleName(), QStringLiteral("Where the charge goes"));
    EXPECT_EQ(pPanel->BreakdownView()->accessibleDescription().toStdString(),
              "Largest consumer: Pump, 53.4 % of 0.0375 Ah a day.");
    EXPECT_EQ(pPanel->CurveView()->accessibleName(), QStringLiteral("Days per interval"));
    EXPECT_TRUE(pPanel->CurveView()->accessibleDescription().startsWith(
        QStringLiteral("210 days at the entered interval of 300 s; the two-year notice is 730 days; the curve leaves")));

    // The start is today until the person picks another day.
    EXPECT_EQ(pPanel->DeploymentStart()->date(), QDate::currentDate());
    pPanel->DeploymentStart()->setDate(QDate(2027, 3, 1));
    EXPECT_EQ(pPanel->DeploymentStart()->text().toStdString(), DayText::DayMonthYear(2027, 3, 1));
    pPanel->DeploymentStart()->setDate(QDate(2027, 1, 1));
    EXPECT_EQ(pPanel->ExpectedEnd()->text(), QStringLiteral("30 Jul 2027"));
    EXPECT_TRUE(ReportText().endsWith(QLatin1String("Battery Endurance is:   210 Days\n")));
}

// WCAG's contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double d) { return d <= 0.03928 ? d / 12.92 : std::pow((d + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double dA = luminance(a), dB = luminance(b);
    return (std::max(dA, dB) + 0.05) / (std::min(dA, dB) + 0.05);
}

// On a dark desktop the charts take its colours: every text on them reads at
// 4.5:1 or more against their background, as do the palette's own pairs, and
// the consumers' colours stand out.
TEST_F(PropPageFinishTest, ChartsReadOnADarkPalette)
{
    Open(false);
    QPalette dark;
    for (const auto& [eRole, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                        {QPalette::WindowText, QColor(0xdd, 0xdd, 0xdd)},
                                        {QPalette::Base, QColor(0x20, 0x20, 0x20)},
                                        {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                        {QPalette::Button, QColor(0x40, 0x40, 0x40)},
                                        {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)}})
        dark.setColor(eRole, colour);
    m_pSheet->setPalette(dark);
    QCoreApplication::processEvents();
    for (QChart* pChart : {m_pPage->Insight()->BreakdownSeries()->chart(), m_pPage->Insight()->CurveSeries()->chart()}) {
        const QColor background = pChart->backgroundBrush().color();
        EXPECT_EQ(background, dark.color(QPalette::Base));
        QList<QColor> aTexts = {pChart->legend()->labelColor(), pChart->titleBrush().color()};
        for (const QAbstractAxis* pAxis : pChart->axes())
            aTexts << pAxis->labelsColor() << pAxis->titleBrush().color();
        for (const QColor& text : aTexts)
            EXPECT_GE(Contrast(text, background), 4.5) << text.name().toStdString();
    }
    // The slices take their dark shades; every dark shade stands out at 3:1.
    for (QPieSlice* pSlice : m_pPage->Insight()->BreakdownSeries()->slices())
        EXPECT_EQ(pSlice->color(), QColor(QString::fromLatin1(
                                       ConsumerColour(pSlice->label().section(u' ', 0, -3).toStdString(), true))));
    for (const CConsumerColour& colour : ConsumerPalette())
        EXPECT_GE(Contrast(QColor(QString::fromLatin1(colour.szDark)), dark.color(QPalette::Base)), 3.0) << colour.szConsumer;
    for (const QWidget* pWidget : m_pSheet->findChildren<QWidget*>()) {
        const QPalette& palette = pWidget->palette();
        EXPECT_GE(Contrast(palette.color(pWidget->foregroundRole()), palette.color(pWidget->backgroundRole())), 4.5)
            << pWidget->metaObject()->className() << " " << pWidget->objectName().toStdString();
    }
}

struct CEndRow {
    double dDays;
    const char* szText;
};

TEST(ExpectedEndText, CountsWholeDaysUpToTheNotice)
{
    const QDate start(2026, 12, 7);
    for (const CEndRow& row : {CEndRow{0.5, "07 Dec 2026"}, CEndRow{210.7, "05 Jul 2027"},
                               CEndRow{729.99, "05 Dec 2028"}, CEndRow{730.0, "beyond the two-year notice (730 days)"},
                               CEndRow{1719.6, "beyond the two-year notice (1720 days)"},
                               CEndRow{-1.0, "no date (no endurance to count)"},
                               CEndRow{std::nan(""), "no date (no endurance to count)"}})
        EXPECT_EQ(ExpectedEndText(start, row.dDays), QString::fromLatin1(row.szText)) << row.dDays;
}

}  // namespace
