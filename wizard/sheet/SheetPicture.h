#pragma once

#include <QPixmap>
#include <QWidget>

// The two places where the sheet shows its picture: the watermark strip beside
// the first page and the header band above the inner pages. Both draw the same
// picture, scaled at paint time so it stays sharp at any screen density.

// What the two have in common: the picture, and a size policy that is fixed
// along the side the picture sets.
class CSheetPictureWidget : public QWidget {
public:
    CSheetPictureWidget(QWidget* pParent, QSizePolicy::Policy eHorizontal, QSizePolicy::Policy eVertical);
    void SetPicture(const QPixmap& picture);

protected:
    QPixmap m_picture;
};

class CSheetWatermark : public CSheetPictureWidget {
public:
    explicit CSheetWatermark(QWidget* pParent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};

// The header band: the sheet's title on the left and the top of the picture
// (the sea surface) on the right.
class CSheetHeader : public CSheetPictureWidget {
public:
    explicit CSheetHeader(QWidget* pParent);
    void SetTitle(const QString& strTitle);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QString m_strTitle;
};
