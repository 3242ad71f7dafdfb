#pragma once

#include <QPixmap>
#include <QWidget>

// The two places where the sheet shows its picture: the watermark strip beside
// the first page and the header band above the inner pages. Both draw the same
// picture, scaled at paint time so it stays sharp at any screen density.

class CSheetWatermark : public QWidget {
public:
    explicit CSheetWatermark(QWidget* pParent);
    void SetPicture(const QPixmap& picture);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QPixmap m_picture;
};

// The header band: the sheet's title on the left and the top of the picture
// (the sea surface) on the right.
class CSheetHeader : public QWidget {
public:
    explicit CSheetHeader(QWidget* pParent);
    void SetPicture(const QPixmap& picture);
    void SetTitle(const QString& strTitle);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QPixmap m_picture;
    QString m_strTitle;
};
