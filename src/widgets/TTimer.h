#pragma once

#include "widgets/Events.h"

#include <QObject>

// A non-visual timer: while Enabled, with a non-zero Interval and an OnTimer handler,
// it raises OnTimer every Interval milliseconds.
class TTimer : public QObject, public TTagged {
    Q_OBJECT
public:
    explicit TTimer(QObject *owner = nullptr);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    // Enabling a timer that is already enabled changes nothing: its countdown goes on.
    void setEnabled(bool enabled);

    uint32_t Interval() const { return m_interval; }
    void setInterval(uint32_t interval);

    TNotifyEvent OnTimer;
    // Assigning OnTimer after the timer is enabled: call this to arm it.
    void setOnTimer(TNotifyEvent handler);

    // Whether the timer is counting (Enabled alone does not say: the platform may have refused it).
    bool isArmed() const { return m_timerId != 0; }

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void updateTimer();

    bool m_enabled = true;
    uint32_t m_interval = 1000;
    int m_timerId = 0;
};
