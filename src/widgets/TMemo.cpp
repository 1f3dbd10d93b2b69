#include "widgets/TMemo.h"

#include <QEvent>
#include <QPainter>

namespace {

// The text's room: inside the border, less one pixel of margin on each side.
QRect textRect(const QRect &client)
{
    return client.adjusted(1, 0, -1, 0);
}

} // namespace

TMemo::TMemo(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void TMemo::setLines(const QStringList &lines)
{
    if (lines == m_lines)
        return;
    m_lines = lines;
    update();
}

QString TMemo::Text() const
{
    QString text;
    for (const QString &line : m_lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

void TMemo::setAlignment(Qt::Alignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TMemo::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TMemo::setFontColor(const QColor &color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void TMemo::setWordWrap(bool wrap)
{
    if (wrap == m_wordWrap)
        return;
    m_wordWrap = wrap;
    update();
}

void TMemo::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void TMemo::setFitLines(bool fit)
{
    if (fit == m_fitLines)
        return;
    m_fitLines = fit;
    update();
}

QFont TMemo::textFont() const
{
    QFont narrowed = font();
    if (!m_fitLines)
        return narrowed;
    const int edge = clientEdgeWidth(m_borderStyle);
    const int room = textRect(rect().adjusted(edge, edge, -edge, -edge)).width();
    // Narrow in steps of one percent until the widest line fits (no further than half width).
    for (int stretch = 100; stretch >= 50; --stretch) {
        narrowed.setStretch(stretch);
        // Fractional widths, with half a pixel to spare: a rounded width that just fits can
        // still wrap.
        const QFontMetricsF metrics(narrowed);
        qreal widest = 0;
        for (const QString &line : m_lines)
            widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
        if (widest <= room - 0.5)
            break;
    }
    return narrowed;
}

QColor TMemo::textColor() const
{
    return isEnabled() ? m_fontColor : palette().color(QPalette::Disabled, QPalette::Text);
}

void TMemo::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TMemo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int edge = clientEdgeWidth(m_borderStyle);
    if (edge)
        drawClientEdge(painter, rect(), palette());
    const QRect client = rect().adjusted(edge, edge, -edge, -edge);
    painter.fillRect(client, m_color);

    painter.setClipRect(client);
    painter.setFont(textFont());
    painter.setPen(textColor());
    int flags = int(m_alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    painter.drawText(textRect(client), flags, m_lines.join(QLatin1Char('\n')));
}
