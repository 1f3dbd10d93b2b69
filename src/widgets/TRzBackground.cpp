#include "widgets/TRzBackground.h"

#include <QEvent>
#include <QPainter>

TRzBackground::TRzBackground(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

void TRzBackground::setStartColor(const QColor &color)
{
    if (color == m_startColor)
        return;
    m_startColor = color;
    update();
}

void TRzBackground::setStopColor(const QColor &color)
{
    if (color == m_stopColor)
        return;
    m_stopColor = color;
    update();
}

void TRzBackground::setShowGradient(bool show)
{
    if (show == m_showGradient)
        return;
    m_showGradient = show;
    update();
}

bool TRzBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

QImage TRzBackground::gradient(const QSize &size, const QColor &start, const QColor &stop)
{
    constexpr int StripWidth = 8;
    const int height = size.height();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(stop);

    // The strip: channels in 16.16 fixed point from the stop colour at the bottom up.
    QImage strip(StripWidth, height, QImage::Format_RGB32);
    {
        QPainter painter(&strip);
        const int starts[3] = { start.red(), start.green(), start.blue() };
        const int stops[3] = { stop.red(), stop.green(), stop.blue() };
        int value[3];
        int step[3];
        for (int c = 0; c < 3; ++c) {
            value[c] = stops[c] * 65536;
            step[c] = (starts[c] * 65536 - stops[c] * 65536) / height;
        }
        auto colourNow = [&] { return QColor(value[0] >> 16, value[1] >> 16, value[2] >> 16); };

        // Rows of the same colour are filled as one rectangle.
        QColor bandColour = colourNow();
        int bandBottom = height - 1;
        for (int k = 0; k <= height - 2; ++k) {
            const int row = height - 1 - k;
            const QColor colour = colourNow();
            if (colour != bandColour) {
                painter.fillRect(QRect(0, row + 1, StripWidth, bandBottom - row), bandColour);
                bandColour = colour;
                bandBottom = row;
            }
            for (int c = 0; c < 3; ++c)
                value[c] += step[c];
        }
        // Row 0 takes the colour of row 1.
        painter.fillRect(QRect(0, 0, StripWidth, bandBottom + 1), bandColour);
    }

    // Across the width by doubling copies: 8, 16, 32, ... pixels, the last one cut short.
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, strip);
    for (int done = StripWidth; done < size.width(); done *= 2) {
        const int copy = std::min(done, size.width() - done);
        painter.drawImage(QPoint(done, 0), image.copy(0, 0, copy, height));
    }
    return image;
}

void TRzBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_showGradient)
        painter.drawImage(0, 0, gradient(size(), m_startColor, m_stopColor));
    else
        painter.fillRect(rect(), palette().color(QPalette::Button));
}
