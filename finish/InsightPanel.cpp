#include "InsightPanel.h"

#include "ConsumerPalette.h"
#include "FinishInsight.h"

#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The consumer's colour; a name outside the palette (none, by the engine's
// tests) is drawn grey rather than not at all.
QColor SliceColour(const std::string& strConsumer, bool bDark)
{
    const char* szColour = ConsumerColour(strConsumer, bDark);
    return szColour ? QColor(QString::fromLatin1(szColour)) : QColor(Qt::gray);
}

// The axis starts at the curve's first interval, or further left when the
// entered interval lies below it (an oxygen variant then raises it).
double LowestInterval(const QList<QPointF>& aCurve, int nEntered)
{
    double dLowest = aCurve.isEmpty() ? 1.0 : aCurve.first().x();
    if (nEntered > 0)
        dLowest = std::min(dLowest, static_cast<double>(nEntered));
    return dLowest;
}

// A tab of the panel: its chart, when there is one, with a label below.
QWidget* NewTab(QWidget* pChart, QLabel* pBelow)
{
    auto* pTab = new QWidget;
    auto* pLayout = new QVBoxLayout(pTab);
    pLayout->setContentsMargins(2, 2, 2, 2);
    if (pChart)
        pLayout->addWidget(pChart, 1);
    pLayout->addWidget(pBelow);
    pLayout->addStretch(pChart ? 0 : 1);
    return pTab;
}

}  // namespace

QString ExpectedEndText(const QDate& dateStart, double dDays)
{
    // An invalid date has year, month and day 0, which the shared rule refuses.
    return QString::fromStdString(::ExpectedEndText(dateStart.year(), dateStart.month(), dateStart.day(), dDays));
}

CInsightPanel::CInsightPanel(QWidget* pParent) : QWidget(pParent), m_pCharts(LoadInsightCharts())
{
    m_pTabs = new QTabWidget;
    m_pTabs->setObjectName(QStringLiteral("insightTabs"));
    m_pTabs->setAccessibleName(QStringLiteral("Where it goes"));
    // Every tab's whole caption, whatever the font: the page scrolls instead.
    m_pTabs->tabBar()->setUsesScrollButtons(false);
    m_pTabs->addTab(CreateBreakdownTab(), QStringLiteral("Where it goes"));
    m_pTabs->addTab(CreateCurveTab(), QStringLiteral("Days per interval"));

    m_pStart = new QDateEdit(QDate::currentDate());
    m_pStart->setObjectName(QStringLiteral("deploymentStart"));
    m_pStart->setCalendarPopup(true);
    // The day text's form ("05 Jul 2027"), with its English months whatever
    // the desktop's language: the expected end below reads alike.
    m_pStart->setLocale(QLocale::c());
    m_pStart->setDisplayFormat(QStringLiteral("dd MMM yyyy"));
    m_pEnd = new QLabel;
    m_pEnd->setObjectName(QStringLiteral("expectedEnd"));
    m_pEnd->setWordWrap(true);
    m_pEnd->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_pStart, &QDateEdit::dateChanged, this, [this] { ShowExpectedEnd(); });

    auto* pDates = new QFormLayout;
    pDates->addRow(QStringLiteral("Deployment start"), m_pStart);
    pDates->addRow(QStringLiteral("Expected end"), m_pEnd);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pTabs, 1);
    pLayout->addLayout(pDates);
}

CInsightPanel::~CInsightPanel() = default;

QWidget* CInsightPanel::CreateBreakdownTab()
{
    m_pBreakdownTotal = new QLabel;
    m_pBreakdownTotal->setObjectName(QStringLiteral("breakdownTotal"));
    m_pBreakdownTotal->setWordWrap(false);
    if (m_pCharts)
        m_pBreakdownView = m_pCharts->BreakdownView();
    return NewTab(m_pBreakdownView, m_pBreakdownTotal);
}

QWidget* CInsightPanel::CreateCurveTab()
{
    if (m_pCharts) {
        m_pCurveView = m_pCharts->CurveView();
        m_pCurveLegend = new QLabel;
        m_pCurveLegend->setObjectName(QStringLiteral("curveLegend"));
        m_pCurveLegend->setWordWrap(true);
        return NewTab(m_pCurveView, m_pCurveLegend);
    }
    auto* pNote = new QLabel(QStringLiteral("The charts are not installed."));
    pNote->setAlignment(Qt::AlignCenter);
    return pNote;
}

QPieSeries* CInsightPanel::BreakdownSeries() const { return m_pCharts ? m_pCharts->BreakdownSeries() : nullptr; }
QLineSeries* CInsightPanel::CurveSeries() const { return m_pCharts ? m_pCharts->CurveSeries() : nullptr; }
QScatterSeries* CInsightPanel::EnteredIntervalSeries() const
{
    return m_pCharts ? m_pCharts->EnteredIntervalSeries() : nullptr;
}

void CInsightPanel::changeEvent(QEvent* pEvent)
{
    // A dark palette draws the consumers in their dark shades.
    if (pEvent->type() == QEvent::PaletteChange && m_pShown)
        Show(*m_pShown);
    QWidget::changeEvent(pEvent);
}

void CInsightPanel::Show(const CFinishInsight& insight)
{
    if (m_pShown.get() != &insight)
        m_pShown = std::make_unique<CFinishInsight>(insight);
    const bool bDark = palette().color(QPalette::Base).lightness() < 128;
    const CEnduranceBreakdown& breakdown = insight.m_breakdown;
    m_dDays = breakdown.m_dDays;

    QList<CInsightSlice> aSlices;
    const double dTotal = breakdown.TotalPerDay();
    if (std::isfinite(dTotal) && dTotal > 0.0) {
        QString strLegend = QStringLiteral("<table cellspacing='1'>");
        for (const CEndurancePart& part : breakdown.Parts()) {
            const CInsightSlice slice{QString::fromStdString(BreakdownLabel(part, dTotal)), part.m_dPerDay,
                                      SliceColour(part.m_strName, bDark)};
            strLegend += QStringLiteral("<tr><td style='color:%1'>&#9632;</td><td>%2</td></tr>")
                             .arg(slice.colour.name(), slice.strLabel.toHtmlEscaped());
            aSlices.append(slice);
        }
        strLegend += QStringLiteral("</table>") + QString::fromStdString(BreakdownTotal(insight)).toHtmlEscaped();
        m_pBreakdownTotal->setText(strLegend);
    } else {
        m_pBreakdownTotal->setText(QStringLiteral("No breakdown at an interval of %1 s.").arg(insight.m_nInterval));
    }
    m_pTabs->setTabText(0, breakdown.Unit() == EBudgetUnit::Energy ? QStringLiteral("Where the energy goes")
                                                                   : QStringLiteral("Where the charge goes"));

    const CCurveAxis axis = CurveAxis(insight);
    CInsightCurve curve;
    for (int n = 0; n < axis.m_nPointsWithin; ++n) {
        const CFinishInsight::CPoint& point = insight.m_aCurve[static_cast<std::size_t>(n)];
        curve.aPoints.append(QPointF(point.nInterval, point.dDays));
    }
    if (axis.m_bCut) {
        curve.aPoints.append(QPointF(axis.m_dCutInterval, axis.m_dTopDays));
        curve.aLeaves.append(curve.aPoints.constLast());
    }
    if (insight.m_nInterval > 0)
        curve.aEntered.append(QPointF(insight.m_nInterval, breakdown.m_dDays));
    curve.dLowest = LowestInterval(curve.aPoints, insight.m_nInterval);
    curve.dHighest = kInsightLongestInterval;
    curve.dTopDays = axis.m_dTopDays;
    curve.dNoticeDays = kTwoYearNoticeDays;
    if (m_pCharts) {
        m_pCharts->ShowBreakdown(aSlices);
        m_pCharts->ShowCurve(curve);
        m_pCurveLegend->setText(m_pCharts->CurveLegend());
        m_pBreakdownView->setAccessibleName(m_pTabs->tabText(0));
        m_pBreakdownView->setAccessibleDescription(QString::fromStdString(BreakdownSummary(insight)));
        m_pCurveView->setAccessibleName(m_pTabs->tabText(1));
        m_pCurveView->setAccessibleDescription(QString::fromStdString(CurveSummary(insight, axis)));
    }
    ShowExpectedEnd();
}

void CInsightPanel::ShowExpectedEnd()
{
    const QString strEnd = ExpectedEndText(m_pStart->date(), m_dDays);
    m_pEnd->setText(strEnd);
    m_pEnd->setAccessibleName(QStringLiteral("Expected end: ") + strEnd);
}
