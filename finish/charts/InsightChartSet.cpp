// The chart module: the breakdown pie and the curve of days against the
// interval, drawn with the chart library that only this module links.
#include "InsightCharts.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QValueAxis>

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

class CInsightChartSet : public CInsightCharts {
public:
    QWidget* BreakdownView() override;
    QWidget* CurveView() override;
    void ShowBreakdown(const QList<CInsightSlice>& aSlices) override;
    void ShowCurve(const CInsightCurve& curve) override;
    QPieSeries* BreakdownSeries() const override { return m_pBreakdown; }
    QLineSeries* CurveSeries() const override { return m_pCurve; }
    QScatterSeries* EnteredIntervalSeries() const override { return m_pEntered; }

private:
    QPieSeries* m_pBreakdown = nullptr;
    QLineSeries* m_pCurve = nullptr;
    QLineSeries* m_pNotice = nullptr;
    QScatterSeries* m_pEntered = nullptr;
    QLogValueAxis* m_pAxisX = nullptr;
    QValueAxis* m_pAxisY = nullptr;
};

QWidget* CInsightChartSet::BreakdownView()
{
    m_pBreakdown = new QPieSeries;
    m_pBreakdown->setObjectName(QStringLiteral("breakdown"));
    m_pBreakdown->setPieSize(0.9);
    auto* pChart = new QChart;
    pChart->addSeries(m_pBreakdown);
    // The consumers' names are too long for the chart's own legend in this
    // width: the panel lists them below the chart instead, with their colours.
    pChart->legend()->setVisible(false);
    return NewChartView(pChart);
}

QWidget* CInsightChartSet::CurveView()
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

void CInsightChartSet::ShowBreakdown(const QList<CInsightSlice>& aSlices)
{
    m_pBreakdown->clear();
    for (const CInsightSlice& slice : aSlices) {
        QPieSlice* pSlice = m_pBreakdown->append(slice.strLabel, slice.dPerDay);
        pSlice->setLabelVisible(false);
        pSlice->setColor(slice.colour);
    }
}

void CInsightChartSet::ShowCurve(const CInsightCurve& curve)
{
    m_pCurve->replace(curve.aPoints);
    m_pEntered->replace(curve.aEntered);
    m_pAxisX->setRange(curve.dLowest, curve.dHighest);
    m_pAxisY->setRange(0.0, curve.dTopDays);
    m_pAxisY->applyNiceNumbers();
    m_pNotice->replace({QPointF(curve.dLowest, curve.dNoticeDays), QPointF(curve.dHighest, curve.dNoticeDays)});
}

}  // namespace

extern "C" Q_DECL_EXPORT CInsightCharts* MoorplanNewInsightCharts() { return new CInsightChartSet; }
