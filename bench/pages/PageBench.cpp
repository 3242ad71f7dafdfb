// Next and Back on every page kind of the real wizard, each timed from the key
// press until the new page has been painted, and the finish page's first
// showing (it loads the chart module). Run on a display (Xvfb) from a release
// build; pages.sh does both. A program, not a test.
//
//   moorplan-page-bench [--rounds N] [--font-size PT] [--dark] [--shots]
// --shots stops on every page kind once, printing "SHOT <kind>" and waiting
// for a line on standard input (pages.sh takes the screenshot meanwhile).
#include "BatterySelectPageModel.h"
#include "ModelPage.h"
#include "MoorplanPropSheet.h"
#include "PageModel.h"
#include "PlatformSeams.h"
#include "SheetModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// A plan for each family, landing on the finish page; the sampling pages
// between them cover the three kinds.
const char* const kPlans[] = {
    R"({"moorplan-plan": 1, "model": "Kelvo 620", "comm": "RS 232", "pump": "P4M", "interval": 900,
        "aux": [{"type": "Other", "current": 0.02}, {"type": "Other", "current": 0.03}], "temperature": 10})",
    R"({"moorplan-plan": 1, "model": "Kelvo 700 - Integral Pump and Integral Oxygen", "interval": 3600,
        "temperature": 5, "pressure": 1000, "tau20": 2})",
    R"({"moorplan-plan": 1, "model": "Kelvo 710", "interval": 600})",
};

// Counts the paints of the active page's widgets.
class CPaintWatch : public QObject {
public:
    explicit CPaintWatch(CPropertySheet& sheet) : m_sheet(sheet) {}
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint && pObject->isWidgetType() && m_sheet.GetActivePage()
            && m_sheet.GetActivePage()->isAncestorOf(static_cast<QWidget*>(pObject)))
            ++m_nPaints;
        return false;
    }
    int m_nPaints = 0;

private:
    CPropertySheet& m_sheet;
};

struct CRun {
    CMoorplanPropSheet& sheet;
    CPaintWatch& watch;
    bool bShots;
    std::set<std::string> setShot;
    std::map<std::string, std::vector<double>> mapTimes;   // "Next Comms" etc.

    std::string Kind()
    {
        return PageKindName(sheet.Model().Pages().at(static_cast<std::size_t>(sheet.GetActiveIndex()))->Kind());
    }

    // Presses the key on the focus and waits for the new page's paint; the
    // time it took, or a negative time when the page stayed.
    double Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QCoreApplication::processEvents();
        CPropertyPage* pBefore = sheet.GetActivePage();
        QWidget* pFocus = sheet.focusWidget() ? sheet.focusWidget() : &sheet;
        QElapsedTimer timer;
        watch.m_nPaints = 0;
        timer.start();
        QTest::keyClick(pFocus, key, modifiers);
        while ((sheet.GetActivePage() == pBefore || watch.m_nPaints == 0) && timer.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const double dMs = timer.nsecsElapsed() / 1e6;
        return sheet.GetActivePage() == pBefore || watch.m_nPaints == 0 ? -1.0 : dMs;
    }

    void Shoot()
    {
        QCoreApplication::processEvents();
        if (!bShots || !setShot.insert(Kind()).second)
            return;
        QTest::qWait(300);
        std::string strLine;
        std::cout << "SHOT " << Kind() << std::endl;
        std::getline(std::cin, strLine);
        if (auto* pTabs = sheet.findChild<QTabWidget*>(QStringLiteral("insightTabs")); pTabs && Kind() == "Finish") {
            pTabs->setCurrentIndex(1);
            QTest::qWait(300);
            std::cout << "SHOT Finish-interval" << std::endl;
            std::getline(std::cin, strLine);
            pTabs->setCurrentIndex(0);
        }
    }

    // Moves with the key until the page cannot move on, timing each move.
    void Walk(const char* szName, Qt::Key key, Qt::KeyboardModifiers modifiers, bool bFirstFinish = false)
    {
        for (;;) {
            Shoot();
            const std::string strFrom = Kind();
            if (key == Qt::Key_Return ? strFrom == "Finish" : sheet.GetActiveIndex() == 0)
                return;   // Enter on the finish page closes the wizard
            const double dMs = Press(key, modifiers);
            if (dMs < 0)
                return;
            const bool bFirst = bFirstFinish && Kind() == "Finish";
            mapTimes[bFirst ? "first showing of Finish" : std::string(szName) + " " + strFrom].push_back(dMs);
            bFirstFinish = bFirstFinish && !bFirst;
        }
    }
};

QPalette DarkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    palette.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    palette.setColor(QPalette::Highlight, QColor(0x4a, 0x90, 0xd9));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9a, 0x9a, 0x9a));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x9a, 0x9a, 0x9a));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9a, 0x9a, 0x9a));
    return palette;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    int nRounds = 20;
    bool bShots = false;
    const QStringList astrArgs = QCoreApplication::arguments();
    for (int n = 1; n < astrArgs.size(); ++n) {
        const QString& strArg = astrArgs[n];
        const QString strNext = n + 1 < astrArgs.size() ? astrArgs[n + 1] : QString();
        if (strArg == QLatin1String("--rounds"))
            nRounds = strNext.toInt(), ++n;
        else if (strArg == QLatin1String("--font-size")) {
            QFont font = QApplication::font();
            font.setPointSizeF(strNext.toDouble());
            QApplication::setFont(font);
            ++n;
        } else if (strArg == QLatin1String("--dark")) {
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            QApplication::setPalette(DarkPalette());
        } else if (strArg == QLatin1String("--shots"))
            bShots = true;
    }
    // A refused page would show a box: the walk reports it instead.
    BvUtility::Platform::SetMessageBoxHandler([](const BvUtility::Platform::MessageRequest& request) {
        std::cerr << "message: " << request.strText.toStdString() << "\n";
        return BvUtility::Platform::MessageResult::Ok;
    });
    QTemporaryDir folder;
    CMoorplanPropSheet sheet(QStringLiteral("Power Calculator"), CWizardSwitches());
    CPaintWatch watch(sheet);
    app.installEventFilter(&watch);
    sheet.show();
    if (!QTest::qWaitForWindowExposed(&sheet))
        return 1;
    sheet.activateWindow();
    if (!QTest::qWaitForWindowActive(&sheet))
        return 1;   // the Back key is a shortcut of the active window

    CRun run{sheet, watch, bShots, {}, {}};
    const auto openPlan = [&](const char* szPlan) {
        const QString strPath = folder.filePath(QStringLiteral("bench.moorplan"));
        QFile file(strPath);
        if (file.open(QIODevice::WriteOnly) && file.write(szPlan) > 0 && file.flush())
            sheet.OpenPlan(strPath);
    };
    // The first showing of the finish page: a plan that the deployment
    // conditions page refuses, mended there, then Enter.
    openPlan(R"({"moorplan-plan": 1, "model": "Kelvo 620", "temperature": 99})");
    auto* pBattery = qobject_cast<CModelPage*>(sheet.GetActivePage());
    if (run.Kind() != "BatterySelect" || !pBattery)
        return 1;
    QWidget* pTemperature = pBattery->ControlWidget(CBatterySelectPageModel::kTemperature);
    pTemperature->setFocus();
    QTest::keyClick(pTemperature, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(pTemperature, QStringLiteral("10"));
    run.Walk("Next", Qt::Key_Return, Qt::NoModifier, true);
    for (int nRound = 0; nRound < (bShots ? 1 : nRounds); ++nRound) {
        int nPlan = 0;
        for (const char* szPlan : kPlans) {
            ++nPlan;
            openPlan(szPlan);
            if (run.Kind() != "Finish") {
                std::cerr << "plan " << nPlan << " stopped on " << run.Kind() << "\n";
                return 1;
            }
            run.Walk("Back", Qt::Key_B, Qt::AltModifier);
            run.Walk("Next", Qt::Key_Return, Qt::NoModifier);
        }
    }
    if (bShots)
        return 0;
    std::printf("%-32s %6s %8s %8s\n", "key on page", "count", "median", "max");
    for (auto& [strName, adMs] : run.mapTimes) {
        std::sort(adMs.begin(), adMs.end());
        std::printf("%-32s %6zu %5.1f ms %5.1f ms\n", strName.c_str(), adMs.size(), adMs[adMs.size() / 2], adMs.back());
    }
    return 0;
}
