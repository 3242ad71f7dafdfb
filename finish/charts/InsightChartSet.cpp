// The chart module: the breakdown pie and the curve of days against the
// interval, drawn with the chart library that only this module links.
#include "InsightCharts.h"

#include <QAccessibleWidget>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// The chart's background, texts and lines in the colours of the view's
// palette, again whenever the palette changes.
class CPaletteChartView : public QChartView {
public:
    explicit CPaletteChartView(QChart* pChart) : QChartView(pChart) { FollowPalette(); }

protected:
    void changeEvent(QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::PaletteChange)
            FollowPalette();
        QChartView::changeEvent(pEvent);
    }

private:
    void FollowPalette()
    {
        const QColor text = palette().color(QPalette::Text);
        const QColor base = palette().color(QPalette::Base);
        QColor grid = text;
        grid.setAlphaF(0.25);
        chart()->setBackgroundBrush(base);
        chart()->setBackgroundPen(Qt::NoPen);
        chart()->setTitleBrush(text);
        chart()->legend()->setLabelColor(text);
        for (QAbstractAxis* pAxis : chart()->axes()) {
            pAxis->setLabelsColor(text);
            pAxis->setTitleBrush(text);
            pAxis->setLinePenColor(grid);
            pAxis->setGridLineColor(grid);
        }
        for (QAbstractSeries* pSeries : chart()->series())
            if (auto* pPie = qobject_cast<QPieSeries*>(pSeries))
                for (QPieSlice* pSlice : pPie->slices())
                    pSlice->setBorderColor(base);
        setBackgroundBrush(base);
    }
};

// A step of 1, 2 or 5 times a power of ten, at least dRough.
double RoundStep(double dRough)
{
    const double dPower = std::pow(10.0, std::floor(std::log10(std::max(dRough, 1.0))));
    for (const double dFactor : {1.0, 2.0, 5.0})
        if (dFactor * dPower >= dRough)
            return dFactor * dPower;
    return 10.0 * dPower;
}

QChartView* NewChartView(QChart* pChart)
{
    pChart->setMargins(QMargins(2, 2, 2, 2));
    pChart->setBackgroundRoundness(0);
    auto* pView = new CPaletteChartView(pChart);
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
    QString CurveLegend() const override;

private:
    QPieSeries* m_pBreakdown = nullptr;
    QLineSeries* m_pCurve = nullptr;
    QLineSeries* m_pNotice = nullptr;
    QScatterSeries* m_pEntered = nullptr;
    QScatterSeries* m_pLeaves = nullptr;
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
    // Where the curve runs off the top of the chart.
    m_pLeaves = new QScatterSeries;
    m_pLeaves->setObjectName(QStringLiteral("curveLeaves"));
    m_pLeaves->setName(QStringLiteral("Beyond the chart"));
    m_pLeaves->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    m_pLeaves->setMarkerSize(12.0);

    // The report's two-year notice, as a dashed line across the chart.
    m_pNotice = new QLineSeries;
    m_pNotice->setName(QStringLiteral("2 years"));
    m_pNotice->setPen(QPen(Qt::gray, 1.0, Qt::DashLine));

    auto* pChart = new QChart;
    pChart->addSeries(m_pCurve);
    pChart->addSeries(m_pNotice);
    pChart->addSeries(m_pEntered);
    pChart->addSeries(m_pLeaves);
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
    pChart->legend()->setVisible(false);
    return NewChartView(pChart);
}

QString CInsightChartSet::CurveLegend() const
{
    const auto entry = [](const QString& strMark, const QColor& colour, const QString& strName) {
        return QStringLiteral("<span style='color:%1'>%2</span>&nbsp;%3")
            .arg(colour.name(), strMark, QString(strName.toHtmlEscaped()).replace(u' ', QStringLiteral("&nbsp;")));
    };
    QStringList astrEntries = {entry(QStringLiteral("&#9473;"), m_pCurve->color(), m_pCurve->name()),
                               entry(QStringLiteral("&#9477;"), m_pNotice->color(), m_pNotice->name()),
                               entry(QStringLiteral("&#9679;"), m_pEntered->color(), m_pEntered->name())};
    if (m_pLeaves->count() > 0)
        astrEntries.append(entry(QStringLiteral("&#9650;"), m_pLeaves->color(), m_pLeaves->name()));
    return astrEntries.join(QStringLiteral(" &nbsp; "));
}

void CInsightChartSet::ShowBreakdown(const QList<CInsightSlice>& aSlices)
{
    m_pBreakdown->clear();
    for (const CInsightSlice& slice : aSlices) {
        QPieSlice* pSlice = m_pBreakdown->append(slice.strLabel, slice.dPerDay);
        pSlice->setLabelVisible(false);
        pSlice->setColor(slice.colour);
        pSlice->setBorderColor(m_pBreakdown->chart()->backgroundBrush().color());
    }
}

void CInsightChartSet::ShowCurve(const CInsightCurve& curve)
{
    m_pCurve->replace(curve.aPoints);
    m_pEntered->replace(curve.aEntered);
    m_pLeaves->replace(curve.aLeaves);
    m_pAxisX->setRange(curve.dLowest, curve.dHighest);
    // The top stays where the panel put it, so that the curve leaves the
    // chart where it is marked.
    m_pAxisY->setRange(0.0, curve.dTopDays);
    m_pAxisY->setTickType(QValueAxis::TicksDynamic);
    m_pAxisY->setTickAnchor(0.0);
    m_pAxisY->setTickInterval(RoundStep(curve.dTopDays / 5.0));
    m_pNotice->replace({QPointF(curve.dLowest, curve.dNoticeDays), QPointF(curve.dHighest, curve.dNoticeDays)});
}

// A chart is a chart to a screen reader, with its name and its description
// in words (both from the panel), not an empty pane; its drawing surface is
// no part of its own.
class CChartAccessible : public QAccessibleWidget {
public:
    explicit CChartAccessible(QWidget* pView) : QAccessibleWidget(pView, QAccessible::Chart) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

QAccessibleInterface* ChartAccessible(const QString& strClass, QObject* pObject)
{
    if (strClass == QLatin1String("QChartView") && pObject && pObject->isWidgetType())
        return new CChartAccessible(static_cast<QWidget*>(pObject));
    return nullptr;
}

}  // namespace

extern "C" Q_DECL_EXPORT CInsightCharts* MoorplanNewInsightCharts()
{
    static const bool bFactory = (QAccessible::installFactory(ChartAccessible), true);
    Q_UNUSED(bFactory);
    return new CInsightChartSet;
}
