#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <memory>

class QLineSeries;
class QPieSeries;
class QScatterSeries;
class QWidget;

// One consumer's slice of the breakdown pie.
struct CInsightSlice {
    QString strLabel;
    double dPerDay = 0.0;
    QColor colour;
};

// The curve of days against the interval, as the panel wants it drawn.
struct CInsightCurve {
    QList<QPointF> aPoints;    // ascending intervals, s
    QList<QPointF> aEntered;   // the entered interval's point, when there is one
    QList<QPointF> aLeaves;    // where the curve leaves the days axis, when it does
    double dLowest = 1.0;      // the interval axis, s
    double dHighest = 1.0;
    double dTopDays = 1.0;     // the days axis reaches at least this
    double dNoticeDays = 0.0;  // the dashed line across the chart
};

// The insight panel's two charts. Their colours follow the view's palette
// (a dark desktop draws them dark), the consumers' colours aside. They live
// in a module of their own, loaded with the chart library when the finish page is first shown: starting the
// wizard then neither loads nor links that large library for a page the
// person may never reach.
class CInsightCharts {
public:
    virtual ~CInsightCharts() = default;

    // The views, made once each; the caller parents them.
    virtual QWidget* BreakdownView() = 0;
    virtual QWidget* CurveView() = 0;

    virtual void ShowBreakdown(const QList<CInsightSlice>& aSlices) = 0;
    virtual void ShowCurve(const CInsightCurve& curve) = 0;

    virtual QPieSeries* BreakdownSeries() const = 0;
    virtual QLineSeries* CurveSeries() const = 0;
    virtual QScatterSeries* EnteredIntervalSeries() const = 0;
    // The curve chart's legend as rich text, each entry's mark in its colour:
    // a label below the chart wraps it where the chart's own would cut names.
    virtual QString CurveLegend() const = 0;
};

// The module's one entry point, looked up by this name.
extern "C" {
using FnNewInsightCharts = CInsightCharts* (*)();
}
inline constexpr const char* kNewInsightChartsSymbol = "MoorplanNewInsightCharts";

// Loads the chart module, beside the program or where it is installed, and
// makes a set of charts; none when the module cannot be loaded.
std::unique_ptr<CInsightCharts> LoadInsightCharts();
