#pragma once

#include "InsightCharts.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <memory>

struct CFinishInsight;
class QDateEdit;
class QLabel;
class QTabWidget;

// Beside the finish page's report: where the charge (or energy) goes, the
// endurance against the sample interval, and the date the batteries are
// expected to run out. Each view is one tab click away; the dates stay in
// sight below the tabs. The charts come from the chart module; without it the
// panel still lists the consumers and gives the dates.
class CInsightPanel : public QWidget {
    Q_OBJECT
public:
    explicit CInsightPanel(QWidget* pParent = nullptr);
    ~CInsightPanel() override;

    // Shows the insight of the finish page's last activation.
    void Show(const CFinishInsight& insight);

    QTabWidget* Tabs() const { return m_pTabs; }
    // The two charts' views (named, and described in words); none without the module.
    QWidget* BreakdownView() const { return m_pBreakdownView; }
    QWidget* CurveView() const { return m_pCurveView; }
    // The charts' series; none without the chart module.
    QPieSeries* BreakdownSeries() const;
    QLineSeries* CurveSeries() const;
    QScatterSeries* EnteredIntervalSeries() const;
    QDateEdit* DeploymentStart() const { return m_pStart; }
    QLabel* ExpectedEnd() const { return m_pEnd; }

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    QWidget* CreateBreakdownTab();
    QWidget* CreateCurveTab();
    void ShowExpectedEnd();

    std::unique_ptr<CInsightCharts> m_pCharts;
    QTabWidget* m_pTabs = nullptr;
    QWidget* m_pBreakdownView = nullptr;   // the charts, when there are
    QWidget* m_pCurveView = nullptr;
    QLabel* m_pBreakdownTotal = nullptr;
    QLabel* m_pCurveLegend = nullptr;   // below the curve chart
    QDateEdit* m_pStart = nullptr;
    QLabel* m_pEnd = nullptr;
    double m_dDays = 0.0;
    std::unique_ptr<CFinishInsight> m_pShown;   // the insight shown last
};

// The day the batteries are expected to run out when deployed on dateStart,
// in the support library's date text; an endurance from the two-year notice
// on (730 days) says so instead of naming a date.
QString ExpectedEndText(const QDate& dateStart, double dDays);
