#include "MooringDrawing.h"

#include "MooringDocument.h"
#include "MooringFile.h"
#include "MooringPalette.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Device pixels per pixel of a 96 dpi screen: lines and gaps keep their size
// on paper.
double Unit(const QPainter& painter) { return painter.device()->logicalDpiY() / 96.0; }

// Sets the painter's font no taller than dHeight (and no smaller than a
// readable minimum); returns the line height it gives.
double FitFont(QPainter& painter, double dHeight)
{
    QFont font = painter.font();
    QFontMetricsF metrics(font, painter.device());
    while (metrics.height() > dHeight && font.pointSizeF() > 5.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        metrics = QFontMetricsF(font, painter.device());
    }
    painter.setFont(font);
    return metrics.height();
}

// A round step for the depth scale: 1, 2 or 5 times a power of ten, giving at
// most nTicks ticks down to dRange.
double TickStep(double dRange, int nTicks)
{
    const double dRaw = dRange / std::max(1, nTicks);
    const double dPower = std::pow(10.0, std::floor(std::log10(dRaw)));
    for (double dFactor : {1.0, 2.0, 5.0, 10.0})
        if (dFactor * dPower >= dRaw)
            return dFactor * dPower;
    return 10.0 * dPower;
}

QString Text(const std::string& str) { return QString::fromStdString(str); }

}  // namespace

std::vector<double> SpreadLabels(const std::vector<double>& adWanted, double dHeight, double dTop, double dBottom)
{
    std::vector<double> adPlaced(adWanted);
    const std::size_t nCount = adPlaced.size();
    // Downwards: each label at least a label's height below the one above.
    for (std::size_t n = 0; n < nCount; ++n)
        adPlaced[n] = std::max(adPlaced[n], n == 0 ? dTop : adPlaced[n - 1] + dHeight);
    // Upwards from the bottom: the last ones back above dBottom, pushing the
    // ones above them up in turn; the first never above dTop.
    for (std::size_t n = nCount; n-- > 0;) {
        const double dLimit = n + 1 == nCount ? dBottom : adPlaced[n + 1] - dHeight;
        adPlaced[n] = std::min(adPlaced[n], dLimit);
    }
    if (nCount > 0 && adPlaced[0] < dTop) {
        // More labels than fit: they run on below dBottom rather than overlap.
        for (std::size_t n = 0; n < nCount; ++n)
            adPlaced[n] = dTop + static_cast<double>(n) * dHeight;
    }
    return adPlaced;
}

void PaintMooringLine(QPainter& painter, const QRectF& rect, const CMooring& mooring, const CMooringTable& table,
                      const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double dUnit = Unit(painter);
    const QColor text = palette.color(QPalette::Text);
    const std::size_t nCount = mooring.m_aPositions.size();
    // Room for every label: the font shrinks on a crowded line.
    const double dLine = FitFont(painter, std::min(QFontMetricsF(painter.font(), painter.device()).height(),
                                                   rect.height() / (static_cast<double>(nCount) + 3.0)));
    const QFontMetricsF metrics(painter.font(), painter.device());

    double dDeepest = 0.0;
    for (const CMooringPosition& position : mooring.m_aPositions)
        dDeepest = std::max(dDeepest, position.m_dDepth);
    const double dAnchorDepth = dDeepest > 0.0 ? dDeepest * 1.1 : 100.0;
    const double dSurface = rect.top() + dLine * 1.5;
    const double dAnchor = rect.bottom() - dLine * 1.5;
    const double dLineX = rect.left() + metrics.horizontalAdvance(QStringLiteral("00000 m")) + 10 * dUnit;
    const auto YOf = [&](double dDepth) { return dSurface + (dAnchor - dSurface) * dDepth / dAnchorDepth; };

    // The surface, and the depth scale beside the line.
    painter.setPen(QPen(palette.color(QPalette::Link), 2 * dUnit));
    painter.drawLine(QPointF(rect.left(), dSurface), QPointF(rect.right(), dSurface));
    painter.setPen(text);
    painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), dLine * 1.4), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Surface"));
    const double dStep = TickStep(dAnchorDepth, static_cast<int>((dAnchor - dSurface) / (dLine * 2.5)));
    painter.setPen(palette.color(QPalette::Disabled, QPalette::Text));
    for (double dDepth = dStep; dDepth < dAnchorDepth; dDepth += dStep) {
        const double dY = YOf(dDepth);
        painter.drawLine(QPointF(dLineX - 6 * dUnit, dY), QPointF(dLineX, dY));
        painter.drawText(QRectF(rect.left(), dY - dLine / 2, dLineX - rect.left() - 8 * dUnit, dLine),
                         Qt::AlignRight | Qt::AlignVCenter, Text(MooringFile::DepthText(dDepth)) + QStringLiteral(" m"));
    }

    // The line and its anchor on the sea floor.
    painter.setPen(QPen(text, 1.5 * dUnit));
    painter.drawLine(QPointF(dLineX, dSurface), QPointF(dLineX, dAnchor));
    painter.setBrush(text);
    const double dHalf = 8 * dUnit;
    painter.drawRect(QRectF(dLineX - dHalf, dAnchor, 2 * dHalf, dLine * 0.6));
    painter.drawText(QRectF(dLineX + dHalf + 4 * dUnit, dAnchor, rect.right() - dLineX, dLine * 1.4),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Anchor"));

    // The instruments, shallowest first, their labels spread so none overlap.
    std::vector<int> anOrder(nCount);
    std::iota(anOrder.begin(), anOrder.end(), 0);
    std::stable_sort(anOrder.begin(), anOrder.end(), [&](int nA, int nB) {
        return mooring.m_aPositions[nA].m_dDepth < mooring.m_aPositions[nB].m_dDepth;
    });
    std::vector<double> adWanted;
    for (int nIndex : anOrder)
        adWanted.push_back(YOf(mooring.m_aPositions[nIndex].m_dDepth));
    const std::vector<double> adLabels = SpreadLabels(adWanted, dLine, rect.top() + dLine / 2, rect.bottom() - dLine / 2);
    const double dLabelX = dLineX + 40 * dUnit;
    for (std::size_t n = 0; n < nCount; ++n) {
        const int nIndex = anOrder[n];
        const CMooringPosition& position = mooring.m_aPositions[nIndex];
        const CPositionRow& row = table.m_aRows[nIndex];
        const bool bFirst = nIndex == table.m_nFirstToRunOut;
        const QPointF dot(dLineX, adWanted[n]);
        painter.setPen(QPen(palette.color(QPalette::Disabled, QPalette::Text), dUnit));
        painter.drawLine(dot + QPointF(8 * dUnit, 0), QPointF(dLabelX - 4 * dUnit, adLabels[n]));
        painter.setPen(QPen(text, dUnit));
        painter.setBrush(StatusColour(row.m_eState, palette));
        painter.drawEllipse(dot, 5 * dUnit, 5 * dUnit);
        QString strLabel = Text(position.m_strLabel) + QStringLiteral("  ") + Text(MooringFile::DepthText(position.m_dDepth)) +
                           QStringLiteral(" m");
        if (bFirst) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(text, 2 * dUnit));
            painter.drawEllipse(dot, 9 * dUnit, 9 * dUnit);
            strLabel += QStringLiteral(" \u2014 first to run out");
        }
        painter.setPen(text);
        painter.drawText(QRectF(dLabelX, adLabels[n] - dLine / 2, rect.right() - dLabelX, dLine),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, strLabel);
    }
    painter.restore();
}

void PaintTimeline(QPainter& painter, const QRectF& rect, const CMooring& mooring, const CMooringTable& table,
                   const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double dUnit = Unit(painter);
    const QColor text = palette.color(QPalette::Text);
    const std::size_t nCount = table.m_aRows.size();
    const double dLine = FitFont(painter, std::min(QFontMetricsF(painter.font(), painter.device()).height(),
                                                   rect.height() / (static_cast<double>(nCount) + 2.0)));
    const QFontMetricsF metrics(painter.font(), painter.device());

    // Rows with an end, earliest end first; then those without.
    std::vector<int> anOrder(nCount);
    std::iota(anOrder.begin(), anOrder.end(), 0);
    std::stable_sort(anOrder.begin(), anOrder.end(), [&](int nA, int nB) {
        const CPositionRow& a = table.m_aRows[nA];
        const CPositionRow& b = table.m_aRows[nB];
        if (a.m_bHasEnd != b.m_bHasEnd)
            return a.m_bHasEnd;
        return a.m_bHasEnd && a.m_end.Number() < b.m_end.Number();
    });
    const long long nStart = mooring.m_deployed.Number();
    long long nLast = std::max(nStart + 1, mooring.m_recovery.Number());
    double dLabelWidth = 0.0;
    for (std::size_t n = 0; n < nCount; ++n) {
        if (table.m_aRows[n].m_bHasEnd)
            nLast = std::max(nLast, table.m_aRows[n].m_end.Number());
        dLabelWidth = std::max(dLabelWidth, metrics.horizontalAdvance(Text(mooring.m_aPositions[n].m_strLabel)));
    }
    const double dLeft = rect.left() + std::min(dLabelWidth, rect.width() / 3) + 8 * dUnit;
    const double dRight = rect.right() - metrics.horizontalAdvance(QStringLiteral(" -00000 days"));
    const auto XOf = [&](long long nDay) {
        return dLeft + (dRight - dLeft) * static_cast<double>(nDay - nStart) / static_cast<double>(nLast - nStart);
    };

    // The deployment and recovery days along the top.
    painter.setPen(text);
    const QRectF header(rect.left(), rect.top(), rect.width(), dLine * 1.2);
    painter.drawText(header.adjusted(dLeft - rect.left(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Deployed ") + Text(IsoDayText(mooring.m_deployed)));
    const double dRecoveryX = XOf(mooring.m_recovery.Number());
    const QString strRecovery = QStringLiteral("Recovery ") + Text(IsoDayText(mooring.m_recovery));
    const double dRecoveryWidth = metrics.horizontalAdvance(strRecovery);
    painter.drawText(QRectF(std::min(dRecoveryX - dRecoveryWidth / 2, rect.right() - dRecoveryWidth), rect.top() + dLine * 1.2,
                            dRecoveryWidth, dLine),
                     Qt::AlignCenter, strRecovery);

    const double dRowsTop = rect.top() + dLine * 2.4;
    const double dRow = std::min(dLine * 1.5, (rect.bottom() - dRowsTop) / std::max<std::size_t>(1, nCount));
    // The recovery day across every bar, under the bars' texts.
    painter.setPen(QPen(text, 1.5 * dUnit, Qt::DashLine));
    painter.drawLine(QPointF(dRecoveryX, rect.top() + dLine * 2.2), QPointF(dRecoveryX, dRowsTop + dRow * nCount));
    for (std::size_t n = 0; n < nCount; ++n) {
        const int nIndex = anOrder[n];
        const CPositionRow& row = table.m_aRows[nIndex];
        const QRectF line(rect.left(), dRowsTop + dRow * static_cast<double>(n), rect.width(), dRow);
        painter.setPen(text);
        painter.drawText(QRectF(line.left(), line.top(), dLeft - line.left() - 6 * dUnit, dRow),
                         Qt::AlignRight | Qt::AlignVCenter,
                         metrics.elidedText(Text(mooring.m_aPositions[nIndex].m_strLabel), Qt::ElideRight,
                                            dLeft - line.left() - 6 * dUnit));
        if (!row.m_bHasEnd) {
            painter.setPen(StatusColour(row.m_eState, palette));
            painter.drawText(QRectF(dLeft, line.top(), dRight - dLeft, dRow), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(Text(row.Status()), Qt::ElideRight, rect.right() - dLeft));
            continue;
        }
        const double dEndX = XOf(row.m_end.Number());
        painter.setPen(Qt::NoPen);
        painter.setBrush(StatusColour(row.m_eState, palette));
        painter.drawRect(QRectF(dLeft, line.top() + dRow * 0.2, std::max(dEndX - dLeft, dUnit), dRow * 0.6));
        const QString strMargin = Text(row.MarginText()) + QStringLiteral(" days");
        const QRectF margin(dEndX + 4 * dUnit, line.top() + (dRow - dLine) / 2, metrics.horizontalAdvance(strMargin), dLine);
        painter.fillRect(margin, palette.color(QPalette::Base));
        painter.setPen(text);
        painter.drawText(margin, Qt::AlignLeft | Qt::AlignVCenter, strMargin);
    }
    painter.restore();
}

CMooringPicture::CMooringPicture(CMooringDocument& document, PaintFunction paint, const QString& strName, QWidget* pParent)
    : QWidget(pParent), m_document(document), m_paint(std::move(paint))
{
    setAccessibleName(strName);
    setMinimumSize(240, 160);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    connect(&m_document, &CMooringDocument::Changed, this, qOverload<>(&QWidget::update));
}

void CMooringPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_paint(painter, QRectF(rect()).adjusted(8, 8, -8, -8), m_document.Mooring(), m_document.Table(), palette());
}
