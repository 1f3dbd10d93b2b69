#include "widgets/TfcImageBtn.h"

#include "runtime/MouseCapture.h"
#include "widgets/RegionData.h"

#include <QMouseEvent>
#include <QPainter>

TfcImageBtn::TfcImageBtn(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TfcImageBtn::setImage(const QImage &image)
{
    m_image = image;
    applyShape();
    update();
}

void TfcImageBtn::setImageDown(const QImage &image)
{
    m_imageDown = image;
    update();
}

void TfcImageBtn::setImageDownOffsets(int x, int y)
{
    m_imageDownX = x;
    m_imageDownY = y;
    update();
}

void TfcImageBtn::setTransparentColor(std::optional<uint32_t> color)
{
    m_transparentColor = color;
    applyShape();
}

void TfcImageBtn::setRegionData(const QByteArray &block)
{
    m_regionData = block;
    applyShape();
}

// The up shape: none for NoShape, else the cached block, else scanned from the picture
// (and then cached, so each picture is scanned at most once).
void TfcImageBtn::applyShape()
{
    m_shape = QRegion();
    if (m_transparentColor == NoShape) {
        clearMask();
        return;
    }
    if (const auto stored = ::RegionData::read(m_regionData)) {
        m_shape = *stored;
    } else if (!m_image.isNull()) {
        const QRgb key = m_transparentColor ? QRgb(0xFF000000u | (*m_transparentColor & 0xFFu) << 16
                                                    | (*m_transparentColor & 0xFF00u)
                                                    | (*m_transparentColor >> 16 & 0xFFu))
                                            : m_image.pixel(0, 0);
        m_shape = ::RegionData::scanRows(m_image, key);
        m_regionData = ::RegionData::write(m_shape);
    }
    if (m_shape.isEmpty())
        clearMask();
    else
        setMask(m_shape);
}

bool TfcImageBtn::insideShape(const QPoint &p) const
{
    return m_shape.isEmpty() ? rect().contains(p) : m_shape.contains(p);
}

void TfcImageBtn::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    repaint();
}

bool TfcImageBtn::event(QEvent *event)
{
    // Losing the capture ends the press without a click.
    if (event->type() == cancelModeEventType()) {
        setPressed(false);
        return true;
    }
    return QWidget::event(event);
}

void TfcImageBtn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.fillRect(rect(), Qt::black);
    if (!m_pressed)
        painter.drawImage(0, 0, m_image);
    else if (!m_imageDown.isNull())
        painter.drawImage(0, 0, m_imageDown);
    else
        painter.drawImage(m_imageDownX, m_imageDownY, m_image);
}

void TfcImageBtn::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        setPressed(true);
        captureMouse(this);
    }
    if (OnMouseDown)
        OnMouseDown(this, toMouseButton(event->button()), event->modifiers(), p.x(), p.y());
}

void TfcImageBtn::mouseMoveEvent(QMouseEvent *event)
{
    if (mouseCaptureHolder() == this && (event->buttons() & Qt::LeftButton))
        setPressed(insideShape(event->position().toPoint()));
}

void TfcImageBtn::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(this, toMouseButton(event->button()), event->modifiers(), p.x(), p.y());
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasCaptured = mouseCaptureHolder() == this;
    releaseMouseCapture(this);
    setPressed(false);
    if (wasCaptured && insideShape(p) && isActiveWindow() && OnClick)
        OnClick(this);
}

void TfcImageBtn::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}
