#include "widgets/TLabel.h"

#include <QMouseEvent>
#include <QPainter>

TLabel::TLabel(QWidget *parent)
    : QWidget(parent)
{
}

void TLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TLabel::setAlignment(Qt::Alignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TLabel::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TLabel::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    update();
}

void TLabel::setFontColor(const QColor &color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void TLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), m_color.isValid() ? m_color : palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(isEnabled() ? m_fontColor : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect(), int(m_alignment), m_caption);
}

void TLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        OnClick(this);
}
