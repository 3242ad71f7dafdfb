#pragma once

#include <QDate>
#include <QString>
#include <QWidget>

struct CFinishInsight;
class QDateEdit;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QPieSeries;
class QScatterSeries;
class QTabWidget;
class QValueAxis;

// Beside the finish page's report: where the charge (or energy) goes, the
// endurance against the sample interval, and the date the batteries are
// expected to run out. Each view is one tab click away; the dates stay in
// sight below the tabs.
class CInsightPanel : public QWidget {
    Q_OBJECT
public:
    explicit CInsightPanel(QWidget* pParent = nullptr);

    // Shows the insight of the finish page's last activation.
    void Show(const CFinishInsight& insight);

    QTabWidget* Tabs() const { return m_pTabs; }
    QPieSeries* BreakdownSeries() const { return m_pBreakdown; }
    QLineSeries* CurveSeries() const { return m_pCurve; }
    QScatterSeries* EnteredIntervalSeries() const { return m_pEntered; }
    QDateEdit* DeploymentStart() const { return m_pStart; }
    QLabel* ExpectedEnd() const { return m_pEnd; }

private:
    QWidget* CreateBreakdownTab();
    QWidget* CreateCurveTab();
    void ShowExpectedEnd();

    QTabWidget* m_pTabs = nullptr;
    QPieSeries* m_pBreakdown = nullptr;
    QLabel* m_pBreakdownTotal = nullptr;
    QLineSeries* m_pCurve = nullptr;
    QLineSeries* m_pNotice = nullptr;
    QLogValueAxis* m_pAxisX = nullptr;
    QValueAxis* m_pAxisY = nullptr;
    QScatterSeries* m_pEntered = nullptr;
    QDateEdit* m_pStart = nullptr;
    QLabel* m_pEnd = nullptr;
    double m_dDays = 0.0;
};

// The day the batteries are expected to run out when deployed on dateStart,
// in the support library's date text; an endurance from the two-year notice
// on (730 days) says so instead of naming a date.
QString ExpectedEndText(const QDate& dateStart, double dDays);
