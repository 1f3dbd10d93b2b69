#include "widgets/TShape.h"

#include <QPainter>

TShape::TShape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::setBrushColor(const QColor &color)
{
    if (color == m_brushColor)
        return;
    m_brushColor = color;
    update();
}

void TShape::setPenColor(const QColor &color)
{
    if (color == m_penColor)
        return;
    m_penColor = color;
    update();
}

void TShape::setPenWidth(int width)
{
    if (width == m_penWidth)
        return;
    m_penWidth = width;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    // The pen runs along the inside of the bounds, the brush fills what it encloses.
    QPainter painter(this);
    painter.fillRect(rect(), m_penColor);
    const int w = m_penWidth;
    painter.fillRect(rect().adjusted(w, w, -w, -w), m_brushColor);
}
