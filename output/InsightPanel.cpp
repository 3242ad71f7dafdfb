#include "InsightPanel.h"

#include "FinishInsight.h"

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <cmath>

namespace {

QChartView* NewChartView(QChart* pChart)
{
    pChart->setMargins(QMargins(2, 2, 2, 2));
    pChart->setBackgroundRoundness(0);
    auto* pView = new QChartView(pChart);
    pView->setRenderHint(QPainter::Antialiasing);
    pView->setMinimumHeight(150);
    return pView;
}

// Slice colours that stay apart from each other in print and on screen.
const QColor kSliceColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
                                QColor(0xd6, 0x27, 0x28), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                QColor(0xe3, 0x77, 0xc2)};

// The axis starts at the curve's first interval, or further left when the
// entered interval lies below it (an oxygen variant then raises it).
double LowestInterval(const QList<QPointF>& aCurve, int nEntered)
{
    double dLowest = aCurve.isEmpty() ? 1.0 : aCurve.first().x();
    if (nEntered > 0)
        dLowest = std::min(dLowest, static_cast<double>(nEntered));
    return dLowest;
}

}  // namespace

QString ExpectedEndText(const QDate& dateStart, double dDays)
{
    // An invalid date has year, month and day 0, which the shared rule refuses.
    return QString::fromStdString(::ExpectedEndText(dateStart.year(), dateStart.month(), dateStart.day(), dDays));
}

CInsightPanel::CInsightPanel(QWidget* pParent) : QWidget(pParent)
{
    m_pTabs = new QTabWidget;
    m_pTabs->setObjectName(QStringLiteral("insightTabs"));
    m_pTabs->addTab(CreateBreakdownTab(), QStringLiteral("Where it goes"));
    m_pTabs->addTab(CreateCurveTab(), QStringLiteral("Days per interval"));

    m_pStart = new QDateEdit(QDate::currentDate());
    m_pStart->setObjectName(QStringLiteral("deploymentStart"));
    m_pStart->setCalendarPopup(true);
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

QWidget* CInsightPanel::CreateBreakdownTab()
{
    m_pBreakdown = new QPieSeries;
    m_pBreakdown->setObjectName(QStringLiteral("breakdown"));
    m_pBreakdown->setPieSize(0.9);
    auto* pChart = new QChart;
    pChart->addSeries(m_pBreakdown);
    // The consumers' names are too long for the chart's own legend in this
    // width: they are listed below the chart instead, with their colours.
    pChart->legend()->setVisible(false);

    m_pBreakdownTotal = new QLabel;
    m_pBreakdownTotal->setObjectName(QStringLiteral("breakdownTotal"));
    m_pBreakdownTotal->setWordWrap(true);

    auto* pTab = new QWidget;
    auto* pLayout = new QVBoxLayout(pTab);
    pLayout->setContentsMargins(2, 2, 2, 2);
    pLayout->addWidget(NewChartView(pChart), 1);
    pLayout->addWidget(m_pBreakdownTotal);
    return pTab;
}

QWidget* CInsightPanel::CreateCurveTab()
{
    m_pCurve = new QLineSeries;
    m_pCurve->setObjectName(QStringLiteral("enduranceCurve"));
    m_pCurve->setName(QStringLiteral("Endurance"));
    m_pEntered = new QScatterSeries;
    m_pEntered->setObjectName(QStringLiteral("enteredInterval"));
    m_pEntered->setName(QStringLiteral("Entered interval"));
    m_pEntered->setMarkerSize(10.0);

    // The report's two-year notice, as a dashed line across the chart.
    m_pNotice = new QLineSeries;
    m_pNotice->setName(QStringLiteral("2 years"));
    m_pNotice->setPen(QPen(Qt::gray, 1.0, Qt::DashLine));

    auto* pChart = new QChart;
    pChart->addSeries(m_pCurve);
    pChart->addSeries(m_pNotice);
    pChart->addSeries(m_pEntered);
    m_pAxisX = new QLogValueAxis;
    m_pAxisX->setBase(10.0);
    m_pAxisX->setLabelFormat(QStringLiteral("%g"));
    m_pAxisX->setTitleText(QStringLiteral("Sample interval (s)"));
    m_pAxisY = new QValueAxis;
    m_pAxisY->setLabelFormat(QStringLiteral("%.0f"));
    m_pAxisY->setTitleText(QStringLiteral("Days"));
    pChart->addAxis(m_pAxisX, Qt::AlignBottom);
    pChart->addAxis(m_pAxisY, Qt::AlignLeft);
    for (QAbstractSeries* pSeries : pChart->series()) {
        pSeries->attachAxis(m_pAxisX);
        pSeries->attachAxis(m_pAxisY);
    }
    pChart->legend()->setAlignment(Qt::AlignBottom);
    return NewChartView(pChart);
}

void CInsightPanel::Show(const CFinishInsight& insight)
{
    const CEnduranceBreakdown& breakdown = insight.m_breakdown;
    m_dDays = breakdown.m_dDays;

    m_pBreakdown->clear();
    const double dTotal = breakdown.TotalPerDay();
    if (std::isfinite(dTotal) && dTotal > 0.0) {
        QString strLegend = QStringLiteral("<table cellspacing='1'>");
        for (const CEndurancePart& part : breakdown.Parts()) {
            const QString strLabel = QString::fromStdString(BreakdownLabel(part, dTotal));
            const QColor colour = kSliceColours[m_pBreakdown->count() % std::size(kSliceColours)];
            QPieSlice* pSlice = m_pBreakdown->append(strLabel, part.m_dPerDay);
            pSlice->setLabelVisible(false);
            pSlice->setColor(colour);
            strLegend += QStringLiteral("<tr><td style='color:%1'>&#9632;</td><td>%2</td></tr>")
                             .arg(pSlice->color().name(), strLabel.toHtmlEscaped());
        }
        strLegend += QStringLiteral("</table>") + QString::fromStdString(BreakdownTotal(insight)).toHtmlEscaped();
        m_pBreakdownTotal->setText(strLegend);
    } else {
        m_pBreakdownTotal->setText(QStringLiteral("No breakdown at an interval of %1 s.").arg(insight.m_nInterval));
    }
    m_pTabs->setTabText(0, breakdown.Unit() == EBudgetUnit::Energy ? QStringLiteral("Where the energy goes")
                                                                   : QStringLiteral("Where the charge goes"));

    QList<QPointF> aPoints;
    double dMaxDays = 0.0;
    for (const CFinishInsight::CPoint& point : insight.m_aCurve) {
        aPoints.append(QPointF(point.nInterval, point.dDays));
        if (std::isfinite(point.dDays))
            dMaxDays = std::max(dMaxDays, point.dDays);
    }
    m_pCurve->replace(aPoints);
    m_pEntered->clear();
    if (insight.m_nInterval > 0)
        m_pEntered->append(insight.m_nInterval, breakdown.m_dDays);
    const double dLowest = LowestInterval(aPoints, insight.m_nInterval);
    m_pAxisX->setRange(dLowest, kInsightLongestInterval);
    m_pAxisY->setRange(0.0, std::max(dMaxDays, kTwoYearNoticeDays) * 1.05);
    m_pAxisY->applyNiceNumbers();
    m_pNotice->replace({QPointF(dLowest, kTwoYearNoticeDays),
                        QPointF(kInsightLongestInterval, kTwoYearNoticeDays)});
    ShowExpectedEnd();
}

void CInsightPanel::ShowExpectedEnd() { m_pEnd->setText(ExpectedEndText(m_pStart->date(), m_dDays)); }
