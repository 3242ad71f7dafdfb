#include "SheetPicture.h"

#include <QPainter>

#include <algorithm>

namespace {
// The watermark strip keeps the picture's own proportions at this width.
constexpr int kWatermarkWidth = 164;
// Width of the picture crop in the header band, relative to the band's height.
constexpr double kHeaderCropAspect = 1.6;

void DrawScaled(QPainter& painter, const QRectF& rcTarget, const QPixmap& picture, const QRectF& rcSource)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rcTarget, picture, rcSource);
}
}  // namespace

CSheetPictureWidget::CSheetPictureWidget(QWidget* pParent, QSizePolicy::Policy eHorizontal,
                                         QSizePolicy::Policy eVertical)
    : QWidget(pParent)
{
    setSizePolicy(eHorizontal, eVertical);
}

void CSheetPictureWidget::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

CSheetWatermark::CSheetWatermark(QWidget* pParent)
    : CSheetPictureWidget(pParent, QSizePolicy::Fixed, QSizePolicy::Expanding)
{
}

QSize CSheetWatermark::sizeHint() const { return QSize(kWatermarkWidth, 314); }

void CSheetWatermark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (m_picture.isNull())
        return;
    // Fill the strip: scale to its height, or to its width when the strip is
    // the taller shape, and crop what spills over at the bottom.
    const QSizeF sizePicture = m_picture.size();
    const double dScale = std::max(width() / sizePicture.width(), height() / sizePicture.height());
    const QSizeF sizeSource(width() / dScale, height() / dScale);
    DrawScaled(painter, rect(), m_picture,
               QRectF(QPointF((sizePicture.width() - sizeSource.width()) / 2, 0), sizeSource));
}

CSheetHeader::CSheetHeader(QWidget* pParent)
    : CSheetPictureWidget(pParent, QSizePolicy::Expanding, QSizePolicy::Fixed)
{
}

void CSheetHeader::SetTitle(const QString& strTitle)
{
    m_strTitle = strTitle;
    update();
}

QSize CSheetHeader::sizeHint() const
{
    const int nHeight = std::max(64, fontMetrics().height() * 3);
    return QSize(400, nHeight);
}

void CSheetHeader::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int nCropWidth = static_cast<int>(height() * kHeaderCropAspect);
    if (!m_picture.isNull()) {
        const QRectF rcTarget(width() - nCropWidth, 0, nCropWidth, height());
        const double dSourceWidth = m_picture.width();
        DrawScaled(painter, rcTarget, m_picture, QRectF(0, 0, dSourceWidth, dSourceWidth / kHeaderCropAspect));
    }
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Text));
    const int nMargin = fontMetrics().height();
    painter.drawText(QRect(nMargin, 0, width() - nCropWidth - 2 * nMargin, height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_strTitle);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
