#pragma once

#include "widgets/Events.h"

#include <QImage>
#include <optional>
#include <QRegion>
#include <QWidget>

// A picture button shaped like its picture: the parts of its rectangle outside the shape
// are neither drawn nor hit, so a press there falls through to what lies beneath.
class TfcImageBtn : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TfcImageBtn(QWidget *parent = nullptr);

    // The value of TransparentColor that means "no shape": the button is a full rectangle.
    static constexpr uint32_t NoShape = 268435455;

    const QImage &Image() const { return m_image; }
    void setImage(const QImage &image);
    const QImage &ImageDown() const { return m_imageDown; }
    void setImageDown(const QImage &image);
    int ImageDownX() const { return m_imageDownX; }
    int ImageDownY() const { return m_imageDownY; }
    void setImageDownOffsets(int x, int y);

    // The colour outside the shape: an RGB value, NoShape, or unset for the top-left pixel.
    std::optional<uint32_t> TransparentColor() const { return m_transparentColor; }
    void setTransparentColor(std::optional<uint32_t> color);

    // The cached up shape, in the stored-shape format (empty: computed from the picture).
    const QByteArray &RegionData() const { return m_regionData; }
    void setRegionData(const QByteArray &block);

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;

    bool isPressed() const { return m_pressed; }
    // The shape applied to the button (empty: a full rectangle).
    QRegion shape() const { return m_shape; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void applyShape();
    bool insideShape(const QPoint &p) const;
    void setPressed(bool pressed);

    QImage m_image;
    QImage m_imageDown;
    int m_imageDownX = 2;
    int m_imageDownY = 2;
    std::optional<uint32_t> m_transparentColor;
    QByteArray m_regionData;
    QRegion m_shape;
    bool m_pressed = false;
};
