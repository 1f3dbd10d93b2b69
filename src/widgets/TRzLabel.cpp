#include "widgets/TRzLabel.h"

#include "platform/Timers.h"

#include <QApplication>
#include <QPainter>
#include <QTimerEvent>

// One per process: the timer that flips the blink phase for every label. Its first tick
// comes 500 ms after the first label is created; then the blink phase lasts
// BlinkIntervalOn and the normal phase BlinkIntervalOff.
class TRzBlinkingControlsList : public QObject {
public:
    static TRzBlinkingControlsList &instance()
    {
        // Never destroyed before exit: labels may outlive any owner we could give it.
        static auto *list = new TRzBlinkingControlsList;
        return *list;
    }

    void add(TRzLabel *label) { m_labels.append(label); }
    void remove(TRzLabel *label) { m_labels.removeOne(label); }

    uint16_t intervalOn = 500;
    uint16_t intervalOff = 500;

protected:
    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() != m_timerId)
            return;
        m_blinkPhase = !m_blinkPhase;
        stopPlatformTimer(this, m_timerId);
        m_timerId = startPlatformTimer(this, m_blinkPhase ? intervalOn : intervalOff);
        const auto labels = m_labels; // a repaint may not add or remove labels, but be safe
        for (TRzLabel *label : labels)
            if (label->m_blinking)
                label->blinkPhase(m_blinkPhase);
    }

private:
    TRzBlinkingControlsList() { m_timerId = startPlatformTimer(this, 500); }

    QList<TRzLabel *> m_labels;
    int m_timerId = 0;
    // The phase flips at each tick; the first tick enters the blink phase.
    bool m_blinkPhase = false;
};

TRzLabel::TRzLabel(QWidget *parent)
    : QWidget(parent)
    , m_highlightColor(QApplication::palette().color(QPalette::Light))
    , m_shadowColor(QApplication::palette().color(QPalette::Dark))
    , m_blinkColor(QApplication::palette().color(QPalette::Highlight))
{
    TRzBlinkingControlsList::instance().add(this);
}

TRzLabel::~TRzLabel()
{
    TRzBlinkingControlsList::instance().remove(this);
}

void TRzLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    fitCaption();
    update();
}

void TRzLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitCaption();
}

void TRzLabel::fitCaption()
{
    if (!m_autoSize)
        return;
    // One pixel each side for the raised and recessed copies.
    const QSize text = fontMetrics().size(Qt::TextSingleLine, m_caption) + QSize(2, 2);
    if (text.width() > width() || text.height() > height())
        resize(std::max(width(), text.width()), std::max(height(), text.height()));
}

void TRzLabel::setAlignment(Qt::Alignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TRzLabel::setFontColor(const QColor &color)
{
    m_savedColor = color;
    if (!m_blinking)
        m_drawingColor = color;
    update();
}

void TRzLabel::setTextStyle(TTextStyle style)
{
    if (style == m_textStyle)
        return;
    m_textStyle = style;
    update();
}

void TRzLabel::setLightTextStyle(bool light)
{
    if (light == m_lightTextStyle)
        return;
    m_lightTextStyle = light;
    update();
}

void TRzLabel::setHighlightColor(const QColor &color)
{
    if (color == m_highlightColor)
        return;
    m_highlightColor = color;
    update();
}

void TRzLabel::setShadowColor(const QColor &color)
{
    if (color == m_shadowColor)
        return;
    m_shadowColor = color;
    update();
}

void TRzLabel::setShadowDepth(int depth)
{
    if (depth == m_shadowDepth)
        return;
    m_shadowDepth = depth;
    update();
}

void TRzLabel::setBlinking(bool blinking)
{
    if (blinking == m_blinking)
        return;
    m_blinking = blinking;
    if (!blinking) {
        m_drawingColor = m_savedColor;
        repaint();
    }
}

void TRzLabel::setBlinkColor(const QColor &color)
{
    if (color == m_blinkColor)
        return;
    m_blinkColor = color;
}

uint16_t TRzLabel::BlinkIntervalOn()
{
    return TRzBlinkingControlsList::instance().intervalOn;
}

void TRzLabel::setBlinkIntervalOn(uint16_t ms)
{
    TRzBlinkingControlsList::instance().intervalOn = ms;
}

uint16_t TRzLabel::BlinkIntervalOff()
{
    return TRzBlinkingControlsList::instance().intervalOff;
}

void TRzLabel::setBlinkIntervalOff(uint16_t ms)
{
    TRzBlinkingControlsList::instance().intervalOff = ms;
}

void TRzLabel::blinkPhase(bool blinkPhase)
{
    m_drawingColor = blinkPhase ? m_blinkColor : m_savedColor;
    repaint();
}

void TRzLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const int flags = int(m_alignment);
    auto drawAt = [&](int dx, int dy, const QColor &color) {
        painter.setPen(color);
        painter.drawText(rect().translated(dx, dy), flags, m_caption);
    };
    if (!isEnabled()) {
        drawAt(1, 1, palette().color(QPalette::Light));
        drawAt(0, 0, palette().color(QPalette::Disabled, QPalette::WindowText));
        return;
    }
    switch (m_textStyle) {
    case TTextStyle::tsRaised:
        if (!m_lightTextStyle)
            drawAt(1, 1, m_shadowColor);
        drawAt(-1, -1, m_highlightColor);
        break;
    case TTextStyle::tsRecessed:
        drawAt(1, 1, m_highlightColor);
        if (!m_lightTextStyle)
            drawAt(-1, -1, m_shadowColor);
        break;
    case TTextStyle::tsShadow:
        drawAt(m_shadowDepth, m_shadowDepth, m_shadowColor);
        break;
    case TTextStyle::tsNormal:
        break;
    }
    drawAt(0, 0, m_drawingColor);
}
