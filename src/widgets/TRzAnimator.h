#pragma once

#include "widgets/Events.h"
#include "widgets/TImageList.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

// A reel cell: shows one picture of an image list and, while animating, steps through
// the list's pictures on its own timer, one frame a tick.
class TRzAnimator : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TRzAnimator(QWidget *parent = nullptr);
    ~TRzAnimator() override;

    // While true the timer runs; switching it never resets or repaints the cell.
    bool Animate() const { return m_animate; }
    void setAnimate(bool animate);

    // Milliseconds between two frames. Writing it re-arms the timer; 0 stops the ticks.
    uint16_t Delay() const { return m_delay; }
    void setDelay(uint16_t delay);

    // The frame to show next, stored unchanged (not clamped to the list). After a tick it
    // names the frame that follows the one on screen. Writing only requests a repaint.
    int32_t ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int32_t index);

    // The pictures (not owned). Setting a list sizes the cell to the list's pictures and
    // repaints nothing.
    TImageList *ImageList() const { return m_imageList; }
    void setImageList(TImageList *list);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // The frame bitmap: the last frame composed, by a tick or a paint.
    const QImage &frameBitmap() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void composeFrame(int index);
    void tick();
    void updateTimer();

    bool m_animate = true;
    uint16_t m_delay = 100;
    int32_t m_imageIndex = 0;
    QPointer<TImageList> m_imageList;
    QImage m_frame;
    int m_timerId = 0;
    bool m_showingTick = false;
};
