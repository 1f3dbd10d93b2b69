#include "widgets/TRzAnimator.h"

#include "platform/Timers.h"
#include "widgets/TImageList.h"

#include <QMouseEvent>
#include <QPainter>

TRzAnimator::TRzAnimator(QWidget *parent)
    : QWidget(parent)
{
    // The frame is always composed off screen and copied whole, so the widget paints
    // every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(40, 40);
    updateTimer();
}

TRzAnimator::~TRzAnimator()
{
    stopPlatformTimer(this, m_timerId);
}

void TRzAnimator::setAnimate(bool animate)
{
    if (animate == m_animate)
        return;
    m_animate = animate;
    updateTimer();
}

void TRzAnimator::setDelay(uint16_t delay)
{
    if (delay == m_delay)
        return;
    m_delay = delay;
    updateTimer();
}

void TRzAnimator::setImageIndex(int32_t index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    update();
}

void TRzAnimator::setImageList(TImageList *list)
{
    if (list == m_imageList)
        return;
    if (m_imageList)
        disconnect(m_imageList, nullptr, this, nullptr);
    m_imageList = list;
    if (list) {
        // Losing the list leaves the cell without pictures.
        connect(list, &QObject::destroyed, this, [this] {
            m_imageList = nullptr;
            update();
        });
        // The cell keeps the size of its list's pictures: later resizes are undone.
        setFixedSize(list->Width(), list->Height());
    }
}

// Stopping kills the timer; (re)arming starts a full new interval.
void TRzAnimator::updateTimer()
{
    stopPlatformTimer(this, m_timerId);
    if (m_animate && m_delay != 0)
        m_timerId = startPlatformTimer(this, m_delay);
}

void TRzAnimator::composeFrame(int index)
{
    // The frame has the screen's pixel density, so that pictures drawn for a scaled screen
    // keep their detail; its size in logical pixels is the list's.
    const QSize size(m_imageList->Width(), m_imageList->Height());
    const qreal ratio = devicePixelRatioF();
    if (m_frame.deviceIndependentSize() != QSizeF(size) || m_frame.devicePixelRatio() != ratio) {
        m_frame = QImage(size * ratio, QImage::Format_RGB32);
        m_frame.setDevicePixelRatio(ratio);
    }
    // The fill shows only where the picture leaves the frame uncovered: an opaque picture of
    // the frame's size covers it all, and the fill (a palette lookup and a pass over every
    // pixel, on every tick) is skipped.
    const bool covered = index >= 0 && index < m_imageList->Count() && !m_imageList->image(index).hasAlphaChannel()
        && m_imageList->image(index).deviceIndependentSize() == QSizeF(size);
    if (!covered)
        m_frame.fill(palette().color(backgroundRole()));
    QPainter painter(&m_frame);
    m_imageList->Draw(painter, 0, 0, index);
}

void TRzAnimator::tick()
{
    if (!m_imageList)
        return;
    const int count = m_imageList->Count();
    if (m_imageIndex >= count)
        m_imageIndex = 0;
    composeFrame(m_imageIndex);
    // Shown at once, not queued: the animation speed is set by Delay alone.
    m_showingTick = true;
    repaint();
    m_showingTick = false;
    ++m_imageIndex;
    if (m_imageIndex == count)
        m_imageIndex = 0;
}

void TRzAnimator::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId)
        return QWidget::timerEvent(event);
    try {
        tick();
    } catch (...) {
        // A failing tick stops this cell only; the failure goes on to be reported.
        m_showingTick = false;
        setAnimate(false);
        throw;
    }
}

void TRzAnimator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_imageList) {
        painter.fillRect(rect(), palette().color(backgroundRole()));
        return;
    }
    if (!m_showingTick)
        composeFrame(m_imageIndex);
    painter.drawImage(0, 0, m_frame);
}

void TRzAnimator::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        OnClick(this);
}

void TRzAnimator::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
}
