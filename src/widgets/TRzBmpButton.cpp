#include "widgets/TRzBmpButton.h"

#include "runtime/MouseCapture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TRzBmpButton::TRzBmpButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TRzBmpButton::setBitmaps(const TRzButtonBitmaps &bitmaps)
{
    m_bitmaps = bitmaps;
    if (!m_bitmaps.Up.isNull())
        resize(m_bitmaps.Up.deviceIndependentSize().toSize());
    update();
}

void TRzBmpButton::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled) {
        m_tracking = false;
        m_spaceHeld = false;
        m_pressed = false;
    }
    update();
}

void TRzBmpButton::setShowFocus(bool show)
{
    m_showFocus = show;
    update();
}

const QPixmap &TRzBmpButton::currentPicture() const
{
    if (!m_enabled)
        return m_bitmaps.Disabled.isNull() ? m_bitmaps.Up : m_bitmaps.Disabled;
    if (m_pressed)
        return m_bitmaps.Down.isNull() ? m_bitmaps.Up : m_bitmaps.Down;
    if (hasFocus() && m_showFocus && !m_bitmaps.UpAndFocused.isNull())
        return m_bitmaps.UpAndFocused;
    return m_bitmaps.Up;
}

bool TRzBmpButton::event(QEvent *event)
{
    // Losing the capture ends the press without a release or a click.
    if (event->type() == cancelModeEventType()) {
        m_tracking = false;
        setPressed(false);
        return true;
    }
    return QWidget::event(event);
}

void TRzBmpButton::paintEvent(QPaintEvent *)
{
    const QPixmap &picture = currentPicture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}

// Pressed-look changes are drawn at once, so the press shows without delay.
void TRzBmpButton::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    repaint();
}

void TRzBmpButton::mousePressEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    const QPoint p = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, toMouseButton(event->button()), event->modifiers(), p.x(), p.y());
    if (!m_enabled)
        return;
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        setPressed(true);
        m_tracking = true;
        captureMouse(this);
    }
}

void TRzBmpButton::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking)
        setPressed(isInside(event->position().toPoint()));
}

void TRzBmpButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    const QPoint p = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(this, toMouseButton(event->button()), event->modifiers(), p.x(), p.y());
    if (!m_tracking || event->button() != Qt::LeftButton)
        return;
    m_tracking = false;
    releaseMouseCapture(this);
    const bool inside = isInside(p);
    setPressed(false);
    if (inside && OnClick)
        OnClick(this);
}

// Qt turns the second press of a quick pair into a double-click; to the button it is a press.
void TRzBmpButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void TRzBmpButton::keyPressEvent(QKeyEvent *event)
{
    if (!m_enabled)
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (OnClick)
            OnClick(this);
        return;
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            m_spaceHeld = true;
            setPressed(true);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TRzBmpButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spaceHeld) {
        m_spaceHeld = false;
        setPressed(false);
        if (m_enabled && OnClick)
            OnClick(this);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TRzBmpButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TRzBmpButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
