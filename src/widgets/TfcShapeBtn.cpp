#include "widgets/TfcShapeBtn.h"

#include "widgets/RegionData.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// The 8 x 8 checkerboard of a latched button: rows alternate 0101... and 1010..., a set
// bit taking the dither colour.
QImage checkerboard(const QColor &set, const QColor &clear)
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixelColor(x, y, (x + y) % 2 ? set : clear);
    return pattern;
}

// A copy of the glyph in which its transparent colour (the bottom-left pixel) is left out.
QImage glyphWithoutKey(const QImage &glyph)
{
    QImage copy = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = glyph.pixel(0, glyph.height() - 1) & 0xFFFFFFu;
    for (int y = 0; y < copy.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == key)
                line[x] = 0;
    }
    return copy;
}

// Fills a polygon and outlines it edge by edge, the same way the shading lines are drawn,
// so that the outline, the shading and the cut-out shape cover the same pixels.
void paintPolygon(QPainter &painter, const QPolygon &polygon, const QBrush &fill, const QColor &outline)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPolygon(polygon);
    painter.setPen(outline);
    for (int i = 0; i < polygon.size(); ++i)
        painter.drawLine(polygon[i], polygon[(i + 1) % polygon.size()]);
}

} // namespace

TfcShapeBtn::TfcShapeBtn(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TfcShapeBtn::setShape(TfcButtonShape shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    updateMask();
    update();
}

void TfcShapeBtn::setOrientation(TfcShapeOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    updateMask();
    update();
}

void TfcShapeBtn::setRoundRectBias(int bias)
{
    if (bias == m_roundRectBias)
        return;
    m_roundRectBias = bias;
    updateMask();
    update();
}

void TfcShapeBtn::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TfcShapeBtn::setDitherColor(const QColor &color)
{
    if (color == m_ditherColor)
        return;
    m_ditherColor = color;
    update();
}

void TfcShapeBtn::setShadeStyle(TfcShadeStyle style)
{
    if (style == m_shadeStyle)
        return;
    m_shadeStyle = style;
    update();
}

void TfcShapeBtn::setGlyph(const QImage &glyph)
{
    m_glyph = glyph;
    update();
}

void TfcShapeBtn::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TfcShapeBtn::setCaptionAngle(int degrees)
{
    if (degrees == m_captionAngle)
        return;
    m_captionAngle = degrees;
    update();
}

void TfcShapeBtn::setCaptionOutlined(bool outlined)
{
    if (outlined == m_captionOutlined)
        return;
    m_captionOutlined = outlined;
    update();
}

void TfcShapeBtn::setCaptionSmoothed(bool smoothed)
{
    if (smoothed == m_captionSmoothed)
        return;
    m_captionSmoothed = smoothed;
    update();
}

void TfcShapeBtn::setGroupIndex(int index)
{
    m_groupIndex = index;
}

void TfcShapeBtn::setChooserHost(std::function<void(TfcShapeBtn *)> selectionChanged)
{
    m_chooserHost = std::move(selectionChanged);
}

void TfcShapeBtn::setDown(bool down)
{
    if (down == m_down)
        return;
    if (!down && m_groupIndex != 0 && !m_allowAllUp)
        return;
    m_down = down;
    if (m_groupIndex == 0) {
        repaint();
        return;
    }
    if (down)
        notifyGroup();
    confirmSelection();
}

void TfcShapeBtn::notifyGroup()
{
    if (QWidget *parent = parentWidget()) {
        for (QObject *child : parent->children()) {
            auto *other = qobject_cast<TfcShapeBtn *>(child);
            if (other && other != this && other->m_groupIndex == m_groupIndex)
                other->groupReleased();
        }
    }
    m_selected = true;
}

void TfcShapeBtn::groupReleased()
{
    if (m_down) {
        m_down = false;
        repaint();
    }
    m_selected = false;
}

void TfcShapeBtn::confirmSelection()
{
    m_selected = m_down;
    repaint();
    if (m_chooserHost)
        m_chooserHost(this);
}

void TfcShapeBtn::mousePressEvent(QMouseEvent *event)
{
    if (m_mouseIgnored || event->button() != Qt::LeftButton)
        return;
    m_wasDown = m_down;
    m_pressed = true;
    if (!m_down) {
        m_down = true;
        repaint();
    }
}

void TfcShapeBtn::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void TfcShapeBtn::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_mouseIgnored || event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());

    if (m_groupIndex == 0) {
        // A plain push button springs back.
        m_down = m_wasDown;
        repaint();
    } else if (m_chooserHost || inside) {
        // In a chooser the release picks this button wherever it happens.
        if (!m_wasDown) {
            notifyGroup();
            m_down = true;
            confirmSelection();
        } else if (m_allowAllUp) {
            m_down = false;
            confirmSelection();
        } else {
            notifyGroup();
        }
    } else {
        m_down = m_wasDown;
        repaint();
    }

    if (inside && OnClick)
        OnClick(this);
}

void TfcShapeBtn::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        update();
}

void TfcShapeBtn::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateMask();
}

QPolygon TfcShapeBtn::shapePolygon() const
{
    const int w = width();
    const int h = height();
    if (m_shape != TfcButtonShape::bsArrow)
        return QPolygon(QRect(0, 0, w, h));

    // An arrow along the button's long direction: a head as deep as half the button's
    // breadth and a shaft half as broad as the head, given clockwise on screen (the
    // orientations are rotations of the left-pointing arrow, which keep that order).
    auto along = [&](int length, int breadth, auto point) {
        const int head = breadth / 2;
        const int mid = (breadth - 1) / 2;
        const int shaftA = breadth / 4;
        const int shaftB = breadth - 1 - breadth / 4;
        QPolygon p;
        p << point(0, mid) << point(head, 0) << point(head, shaftA) << point(length - 1, shaftA)
          << point(length - 1, shaftB) << point(head, shaftB) << point(head, breadth - 1);
        return p;
    };
    switch (m_orientation) {
    case TfcShapeOrientation::soUp:
        return along(h, w, [&](int a, int b) { return QPoint(w - 1 - b, a); });
    case TfcShapeOrientation::soDown:
        return along(h, w, [&](int a, int b) { return QPoint(b, h - 1 - a); });
    case TfcShapeOrientation::soLeft:
        return along(w, h, [&](int a, int b) { return QPoint(a, b); });
    case TfcShapeOrientation::soRight:
        return along(w, h, [&](int a, int b) { return QPoint(w - 1 - a, h - 1 - b); });
    }
    return {};
}

void TfcShapeBtn::drawShading(QPainter &painter, bool down) const
{
    const QColor highlight = palette().color(QPalette::Light);
    const QColor light = palette().color(QPalette::Midlight);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor dark = Qt::black;
    // Top and left edges, then bottom and right edges: outer line, inner line.
    const QColor topLeftOuter = down ? dark : highlight;
    const QColor topLeftInner = down ? shadow : light;
    const QColor bottomRightOuter = down ? highlight : dark;
    const QColor bottomRightInner = down ? light : shadow;
    const int inset = hasFocus() ? 1 : 0;

    if (m_shape != TfcButtonShape::bsArrow) {
        if (inset) {
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        for (int line = 0; line < 2; ++line) {
            const QRect r = rect().adjusted(inset + line, inset + line, -inset - line, -inset - line);
            const QColor tl = line == 0 ? topLeftOuter : topLeftInner;
            const QColor br = line == 0 ? bottomRightOuter : bottomRightInner;
            painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), tl);
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), tl);
            painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), br);
            painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), br);
        }
        return;
    }

    // An arrow: each edge takes the top-left colours when it faces up or left, else the
    // bottom-right ones; the inner line runs one pixel inside the outer one.
    const QPolygon poly = shapePolygon();
    for (int line = 0; line < 2; ++line) {
        for (int i = 0; i < poly.size(); ++i) {
            const QPoint a = poly[i];
            const QPoint b = poly[(i + 1) % poly.size()];
            const QPoint d = b - a;
            const QPoint outward(d.y() > 0 ? 1 : d.y() < 0 ? -1 : 0, d.x() > 0 ? -1 : d.x() < 0 ? 1 : 0);
            const bool facesUpLeft = outward.x() + outward.y() < 0 || (outward.x() + outward.y() == 0 && outward.y() < 0);
            const QColor colour = facesUpLeft ? (line == 0 ? topLeftOuter : topLeftInner)
                                              : (line == 0 ? bottomRightOuter : bottomRightInner);
            const QPoint shift = -outward * line;
            painter.setPen(colour);
            painter.drawLine(a + shift, b + shift);
        }
    }
}

void TfcShapeBtn::drawCaption(QPainter &painter) const
{
    if (m_caption.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, m_captionSmoothed);
    painter.setRenderHint(QPainter::TextAntialiasing, m_captionSmoothed);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(-m_captionAngle);
    const QFontMetrics metrics(font());
    const QPointF origin(-metrics.horizontalAdvance(m_caption) / 2.0, (metrics.ascent() - metrics.descent()) / 2.0);
    QPainterPath path;
    path.addText(origin, font(), m_caption);

    // A disabled caption is embossed: a highlight copy one pixel down and right, then the
    // shadow colour on top. Outlined letters are too thin for that (the two copies run
    // together), so a disabled outline is one stroke in the highlight colour.
    auto draw = [&](const QColor &colour, QPointF offset) {
        painter.save();
        painter.translate(offset);
        if (m_captionOutlined) {
            painter.setPen(QPen(colour, 1));
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
        }
        painter.drawPath(path);
        painter.restore();
    };
    if (isEnabled()) {
        draw(palette().color(QPalette::ButtonText), {});
    } else if (m_captionOutlined) {
        draw(palette().color(QPalette::Light), {});
    } else {
        draw(palette().color(QPalette::Light), { 1, 1 });
        draw(palette().color(QPalette::Dark), {});
    }
    painter.restore();
}

QImage TfcShapeBtn::composeFace() const
{
    const QColor color = Color();
    const QColor keyColour = color == QColor(Qt::red) ? QColor(Qt::blue) : QColor(Qt::red);
    QImage face(size(), QImage::Format_ARGB32);
    face.fill(keyColour);
    if (face.isNull())
        return face;

    {
        QPainter painter(&face);
        // A latched group button shows the checkerboard of its dither colour.
        const bool latched = m_down && m_groupIndex != 0 && m_ditherColor.isValid();
        const QBrush fill = latched ? QBrush(checkerboard(m_ditherColor, color)) : QBrush(color);
        const QPolygon poly = shapePolygon();
        if (m_shape == TfcButtonShape::bsRect) {
            painter.fillRect(rect(), fill);
            const QColor outline = m_ditherColor.isValid() ? m_ditherColor : color;
            painter.setPen(outline);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        } else if (m_shape == TfcButtonShape::bsRoundRect) {
            const int radius = std::min(width(), height()) * m_roundRectBias / 100;
            painter.setPen(m_ditherColor.isValid() ? m_ditherColor : color);
            painter.setBrush(fill);
            painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), radius, radius);
        } else {
            paintPolygon(painter, poly, fill, m_ditherColor.isValid() ? m_ditherColor : color);
        }
        if (m_shadeStyle != TfcShadeStyle::fbsFlat && m_shape != TfcButtonShape::bsRoundRect)
            drawShading(painter, m_down);
    }

    // Cut away the key colour around the shape, before the glyph and caption go on.
    const QRegion shape = RegionData::scanRows(face, keyColour.rgb());
    for (int y = 0; y < face.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            if (line[x] == keyColour.rgb())
                line[x] = 0;
    }

    QPainter painter(&face);
    painter.setClipRegion(shape);
    if (!m_glyph.isNull()) {
        const int shift = m_down ? 1 : 0;
        painter.drawImage((width() - m_glyph.width()) / 2 + shift, (height() - m_glyph.height()) / 2 + shift,
                          glyphWithoutKey(m_glyph));
    }
    drawCaption(painter);
    return face;
}

void TfcShapeBtn::updateMask()
{
    if (m_shape == TfcButtonShape::bsRect) {
        clearMask();
        return;
    }
    QImage outline(size(), QImage::Format_RGB32);
    if (outline.isNull())
        return;
    outline.fill(Qt::black);
    QPainter painter(&outline);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    if (m_shape == TfcButtonShape::bsRoundRect) {
        const int radius = std::min(width(), height()) * m_roundRectBias / 100;
        painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), radius, radius);
    } else {
        paintPolygon(painter, shapePolygon(), Qt::white, Qt::white);
    }
    painter.end();
    setMask(RegionData::scanRows(outline, qRgb(0, 0, 0)));
}

void TfcShapeBtn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, composeFace());
}
