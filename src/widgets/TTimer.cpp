#include "widgets/TTimer.h"

#include "platform/Timers.h"

#include <QTimerEvent>

TTimer::TTimer(QObject *owner)
    : QObject(owner)
{
}

TTimer::~TTimer()
{
    stopPlatformTimer(this, m_timerId);
}

void TTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    updateTimer();
}

void TTimer::setInterval(uint32_t interval)
{
    if (interval == m_interval)
        return;
    m_interval = interval;
    updateTimer();
}

void TTimer::setOnTimer(TNotifyEvent handler)
{
    OnTimer = std::move(handler);
    updateTimer();
}

// Re-arms from scratch: the next tick comes a full interval from now. The state is stored
// before arming, so a refused timer stays marked as enabled without ticking.
void TTimer::updateTimer()
{
    stopPlatformTimer(this, m_timerId);
    if (m_enabled && m_interval != 0 && OnTimer)
        m_timerId = startPlatformTimer(this, int(m_interval));
}

void TTimer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId)
        return;
    if (OnTimer)
        OnTimer(this);
}
