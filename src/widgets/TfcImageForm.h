#pragma once

#include "widgets/Events.h"
#include "widgets/TGraphicControl.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <optional>

// The picture that is a borderless window's face: drawn at its natural size at the
// top-left, it gives the window its outline (from a stored shape or from the picture's
// pixels) and lets the player drag the window by pressing on it.
//
// Dragging: every left press of the program passes a watcher. A press on the window itself,
// or on a label, shape or picture of it that handles no clicks, is consumed and starts a
// drag: once the cursor has moved more than DragTolerance pixels from the press point, an
// outline of the window follows it, and at the release the window jumps to the outline.
// Timers, painting and animation go on during the drag.
class TfcImageForm : public QWidget, public TGraphicControl, public TTagged {
    Q_OBJECT
public:
    explicit TfcImageForm(QWidget *parent = nullptr);
    ~TfcImageForm() override;

    const QImage &Picture() const { return m_picture; }
    // Sets the picture; a non-empty picture gives the window its size.
    void setPicture(const QImage &picture);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    int DragTolerance() const { return m_dragTolerance; }
    void setDragTolerance(int pixels) { m_dragTolerance = pixels; }

    // The colour outside the window's shape (an RGB value); unset: the picture's
    // bottom-left pixel.
    std::optional<uint32_t> TransparentColor() const { return m_transparentColor; }
    void setTransparentColor(std::optional<uint32_t> color) { m_transparentColor = color; }

    // Loads the stored shape: a non-empty block is used unchanged; an empty one (length 0)
    // makes the shape be computed from the picture. Either way it is applied to the window.
    void setRegionData(const QByteArray &block);
    // The shape as it would be stored: computed from the picture.
    QByteArray RegionData() const;

    // The window's current shape (empty: a plain rectangle).
    QRegion shape() const { return m_shape; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRegion shapeFromPicture() const;
    void applyShape(const QRegion &shape);

    QImage m_picture;
    bool m_autoSize = false;
    int m_dragTolerance = 5;
    std::optional<uint32_t> m_transparentColor;
    QRegion m_shape;
};
