// How long the mooring window takes from an edit of one cell of a
// 50-position mooring until the table, the line and the timeline have been
// drawn again. Run offscreen or under Xvfb, from a release build:
//     QT_QPA_PLATFORM=offscreen build/moorplan-redraw-bench [FILE.mooring]
// The positions are those of the file (default: the test mooring of five)
// repeated to 50, each at a depth of its own.
#include "MooringDrawing.h"
#include "MooringFile.h"
#include "MooringTableModel.h"
#include "MooringWindow.h"

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kPositions = 50;
constexpr int kRounds = 200;

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

double Median(std::vector<double> adMs)
{
    std::sort(adMs.begin(), adMs.end());
    return adMs[adMs.size() / 2];
}

// Times kRounds edits, each followed by the redraw of the table, the line and
// the timeline; prints the median and the slowest of the whole in
// milliseconds, and the median of each part.
void Time(const char* szWhat, CMooringWindow& window, const std::function<void(int)>& edit)
{
    const QList<CMooringPicture*> apPictures = window.findChildren<CMooringPicture*>();
    std::vector<double> adTotal, adEdit, adTable, adPictures;
    for (int nRound = 0; nRound < kRounds; ++nRound) {
        const Clock::time_point start = Clock::now();
        edit(nRound);
        adEdit.push_back(Ms(start));
        Clock::time_point part = Clock::now();
        window.Table()->viewport()->repaint();
        adTable.push_back(Ms(part));
        part = Clock::now();
        for (CMooringPicture* pPicture : apPictures)
            pPicture->repaint();
        adPictures.push_back(Ms(part));
        adTotal.push_back(Ms(start));
    }
    std::printf("%-34s median %6.2f ms  slowest %6.2f ms  (edit and table %5.2f + %5.2f, line and timeline %5.2f)\n",
                szWhat, Median(adTotal), *std::max_element(adTotal.begin(), adTotal.end()), Median(adEdit),
                Median(adTable), Median(adPictures));
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string strSource = argc > 1 ? argv[1] : MOORPLAN_SOURCE_DIR "/tests/mooring/fixtures/five.mooring";
    CMooring seed;
    std::string strText;
    std::string strError;
    if (!MooringFile::ReadText(strSource, strText, strError) || !MooringFile::Parse(strText, strSource, seed, strError)) {
        std::fprintf(stderr, "%s\n", strError.c_str());
        return 2;
    }
    CMooring mooring = seed;
    mooring.m_aPositions.clear();
    for (int n = 0; n < kPositions; ++n) {
        CMooringPosition position = seed.m_aPositions[n % seed.m_aPositions.size()];
        position.m_strLabel = "SN " + std::to_string(1000 + n);
        position.m_dDepth = 10.0 * (n + 1);
        mooring.m_aPositions.push_back(position);
    }
    QTemporaryDir folder;
    const QString strPath = folder.filePath(QStringLiteral("bench.mooring"));
    if (!MooringFile::Save(QFile::encodeName(strPath).toStdString(), mooring, strError)) {
        std::fprintf(stderr, "%s\n", strError.c_str());
        return 2;
    }
    CMooringWindow window{CWizardSwitches()};
    window.resize(1280, 900);
    window.show();
    window.Open(strPath);
    QApplication::processEvents();

    QAbstractItemModel* pModel = window.Table()->model();
    Time("label of one position", window, [&](int nRound) {
        pModel->setData(pModel->index(nRound % kPositions, CMooringTableModel::Label), QStringLiteral("L%1").arg(nRound));
    });
    Time("depth of one position", window, [&](int nRound) {
        pModel->setData(pModel->index(nRound % kPositions, CMooringTableModel::Depth), QString::number(5 + nRound));
    });
    // A plan changed as the wizard's Exit puts it back: that plan walks its
    // pages again (a new temperature each round, so none is known).
    Time("plan of one position (new answer)", window, [&](int nRound) {
        CMooring changed = window.Document().Mooring();
        changed.m_aPositions[nRound % kPositions].m_plan.Set("temperature", std::to_string(nRound % 30) + ".25");
        window.Document().Edit(QStringLiteral("Change Plan"), changed);
    });
    return 0;
}
