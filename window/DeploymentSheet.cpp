#include "DeploymentSheet.h"

#include "FinishInsight.h"
#include "MooringDrawing.h"
#include "MooringFile.h"
#include "MooringOutput.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

// Black on white, whatever the desktop's palette.
QPalette PaperPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x60, 0x60, 0x60));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x00, 0x72, 0xb2));
    return palette;
}

QStringList Lines(const std::string& strText)
{
    QString str = QString::fromStdString(strText);
    str.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (str.endsWith(QLatin1Char('\n')))
        str.chop(1);
    return str.split(QLatin1Char('\n'));
}

// Writes lines down the pages, starting a new page when one is full.
class CPageWriter {
public:
    CPageWriter(QPainter& painter, QPagedPaintDevice& device)
        : m_painter(painter), m_device(device), m_page(0, 0, device.width(), device.height())
    {
    }
    const QRectF& Page() const { return m_page; }
    double Y() const { return m_dY; }
    void Skip(double dHeight) { m_dY += dHeight; }
    void NewPage()
    {
        m_device.newPage();
        m_dY = 0.0;
    }
    // One line in the font, flowing onto a new page when this one is full.
    void Line(const QString& strLine, const QFont& font)
    {
        m_painter.setFont(font);
        const QFontMetricsF metrics(font, &m_device);
        if (m_dY + metrics.height() > m_page.bottom())
            NewPage();
        m_painter.drawText(QPointF(0, m_dY + metrics.ascent()), strLine);
        m_dY += metrics.height();
    }
    // A paragraph wrapped to the page's width.
    void Paragraph(const QString& strText, const QFont& font)
    {
        m_painter.setFont(font);
        const QRectF bounds =
            m_painter.boundingRect(QRectF(0, m_dY, m_page.width(), m_page.height()), Qt::TextWordWrap, strText);
        if (m_dY + bounds.height() > m_page.bottom())
            NewPage();
        m_painter.drawText(QRectF(0, m_dY, m_page.width(), bounds.height()), Qt::TextWordWrap, strText);
        m_dY += bounds.height();
    }

private:
    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    QRectF m_page;
    double m_dY = 0.0;
};

QFont Font(double dPoints, bool bBold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(dPoints);
    font.setBold(bBold);
    return font;
}

// The fixed-pitch font at a size that fits the widest line across the page.
QFont FixedFont(const QStringList& astrLines, double dWidth, QPaintDevice& device)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8.0);
    double dWidest = 0.0;
    const QFontMetricsF metrics(font, &device);
    for (const QString& strLine : astrLines)
        dWidest = std::max(dWidest, metrics.horizontalAdvance(strLine));
    if (dWidest > dWidth)
        font.setPointSizeF(std::max(4.0, 8.0 * dWidth / dWidest));
    return font;
}

void PositionPages(CPageWriter& writer, QPagedPaintDevice& device, const CMooring& mooring,
                   const CMooringTable& table)
{
    for (std::size_t n = 0; n < mooring.m_aPositions.size(); ++n) {
        const CMooringPosition& position = mooring.m_aPositions[n];
        const CPositionRow& row = table.m_aRows[n];
        writer.NewPage();
        writer.Line(QStringLiteral("Position %1: %2").arg(n + 1).arg(QString::fromStdString(position.m_strLabel)),
                    Font(14, true));
        writer.Line(QStringLiteral("Depth: %1 m").arg(QString::fromStdString(MooringFile::DepthText(position.m_dDepth))),
                    Font(10));
        if (!position.m_strNotes.empty())
            writer.Paragraph(QStringLiteral("Notes: ") + QString::fromStdString(position.m_strNotes), Font(10));
        writer.Paragraph(QStringLiteral("Status: ") + QString::fromStdString(row.Status()), Font(10));
        writer.Skip(QFontMetricsF(Font(10), &device).height());
        if (!row.m_pOutcome || row.m_pOutcome->m_strReport.empty())
            continue;
        const QStringList astrReport = Lines(row.m_pOutcome->m_strReport);
        const QFont fixed = FixedFont(astrReport, writer.Page().width(), device);
        for (const QString& strLine : astrReport)
            writer.Line(strLine, fixed);
        // Where the charge (or energy) goes, as the finish page's legend says it.
        CFinishInsight insight;
        insight.m_breakdown = row.m_pOutcome->m_breakdown;
        insight.m_nInterval = QString::fromStdString(row.Shown("interval")).toInt();
        if (insight.m_breakdown.Parts().empty())
            continue;
        writer.Skip(QFontMetricsF(Font(10), &device).height());
        writer.Line(insight.m_breakdown.Unit() == EBudgetUnit::Energy ? QStringLiteral("Where the energy goes")
                                                                      : QStringLiteral("Where the charge goes"),
                    Font(11, true));
        const double dTotal = insight.m_breakdown.TotalPerDay();
        for (const CEndurancePart& part : insight.m_breakdown.Parts())
            writer.Line(QString::fromStdString(BreakdownLabel(part, dTotal)), Font(10));
        writer.Line(QString::fromStdString(BreakdownTotal(insight)), Font(10));
    }
}

}  // namespace

bool DeploymentSheet::Print(QPagedPaintDevice& device, const CMooring& mooring, const CMooringTable& table)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    CPageWriter writer(painter, device);
    const QRectF page = writer.Page();
    writer.Line(QString::fromStdString(mooring.m_strName), Font(16, true));
    writer.Skip(QFontMetricsF(Font(10), &device).height() / 2);
    const QStringList astrTable = Lines(MooringOutput::Text(mooring, table));
    const QFont fixed = FixedFont(astrTable, page.width(), device);
    for (const QString& strLine : astrTable)
        writer.Line(strLine, fixed);
    writer.Skip(QFontMetricsF(Font(10), &device).height());
    // The two pictures side by side below, or on a page of their own when
    // the table leaves too little room.
    if (page.bottom() - writer.Y() < page.height() * 0.35)
        writer.NewPage();
    const QRectF pictures(0, writer.Y(), page.width(), std::min(page.bottom() - writer.Y(), page.height() * 0.55));
    const QPalette palette = PaperPalette();
    painter.setFont(Font(8));
    PaintMooringLine(painter, QRectF(pictures.left(), pictures.top(), pictures.width() * 0.45, pictures.height()), mooring,
                     table, palette);
    painter.setFont(Font(8));
    PaintTimeline(painter, QRectF(pictures.width() * 0.47, pictures.top(), pictures.width() * 0.53, pictures.height()),
                  mooring, table, palette);
    painter.setPen(Qt::black);
    PositionPages(writer, device, mooring, table);
    return painter.end();
}
