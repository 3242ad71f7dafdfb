#pragma once

#include <QRectF>
#include <QWidget>

#include <functional>
#include <vector>

class CMooringDocument;
struct CMooring;
struct CMooringTable;
class QPainter;
class QPalette;

// The two pictures of a mooring, drawn by the same functions on the screen
// and on the printed deployment sheet.

// The line: the surface at the top, the anchor at the bottom, each
// instrument at its depth (to scale), labelled, coloured by its status, the
// first to run out ringed.
void PaintMooringLine(QPainter& painter, const QRectF& rect, const CMooring& mooring, const CMooringTable& table,
                      const QPalette& palette);

// The timeline: one bar per instrument from the deployment day to its
// expected end, sorted by end, each with its margin in days, and the
// recovery day as a vertical line; plans without an end are listed below.
void PaintTimeline(QPainter& painter, const QRectF& rect, const CMooring& mooring, const CMooringTable& table,
                   const QPalette& palette);

// Places labels of height dHeight as near as they can be to their wanted
// positions (ascending) without overlapping, between dTop and dBottom as far
// as they fit. Returns the top-to-bottom centres.
std::vector<double> SpreadLabels(const std::vector<double>& adWanted, double dHeight, double dTop, double dBottom);

// A widget that shows one of the pictures of the document, redrawn whenever
// it changes.
class CMooringPicture : public QWidget {
    Q_OBJECT
public:
    using PaintFunction = std::function<void(QPainter&, const QRectF&, const CMooring&, const CMooringTable&, const QPalette&)>;
    CMooringPicture(CMooringDocument& document, PaintFunction paint, const QString& strName, QWidget* pParent = nullptr);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    CMooringDocument& m_document;
    PaintFunction m_paint;
};
